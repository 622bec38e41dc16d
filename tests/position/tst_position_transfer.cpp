// Read from C/T and Write to C/T over a scripted far end: the records as sent and as decoded, the
// stroke pre-check, the actuator comparison, and replies that cannot be used. Every frame and reply is
// written out by hand from the record and block layouts.
#include "app/ProgressView.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceFixture.h"
#include "link/CtCommands.h"
#include "link/HexPad.h"
#include "operation/ControllerModes.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "position/PositionTransfer.h"
#include "support/LinkFixture.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using Grid = PositionGridModel;

namespace {

// The simulator's factory actuator, as blocks 14, 13 and 11 describe it: VQ NEW 28L, 100 mm, lead 2,
// 400 pulses a revolution, vertical. Block 10 holds a stroke of 004E20 = 20000 pulses.
const QByteArrayList kDevice{"0RD141C4C006400FFFFFF", "0RD13050A140101020190", "0RD1114283C010400FFFF"};
const QByteArray kStroke = "0RD10004E2002020202FF";
const QByteArrayList kRecords{"0RP152020003E8", "0RP27222002710", "0RP39332003E80"};

struct Transfer : LinkFixture, ProgressView {
    Transfer() { conv::recomputeLimits(t.ctx.device); }
    void open(int maximum, const QString& text) override {
        progress << QStringLiteral("[%1 %2").arg(maximum).arg(text);
    }
    void step(int value) override { progress << QString::number(value); }
    void close() override { progress << QStringLiteral("]"); }

    // One reply line for each frame in turn; an empty one is silence.
    void replies(const QByteArrayList& lines) {
        for (const QByteArray& line : lines)
            port.scriptText(line.isEmpty() ? line : line + "\r\n");
    }
    // Rows "VEL,ACC,mm" for positions 1 to 3.
    void fill(const QStringList& rows) {
        for (int p = 1; p <= rows.size(); ++p) {
            const QStringList cells = rows[p - 1].split(QLatin1Char(','));
            grid.setText(p, Grid::ColVel, cells[0]);
            grid.setText(p, Grid::ColAcc, cells[1]);
            grid.setText(p, Grid::ColMm, cells[2]);
        }
    }
    QString sent() const {
        QStringList frames;
        for (const QByteArray& frame : port.written)
            frames << QString::fromLatin1(frame.chopped(2));
        return frames.join(QLatin1Char(' '));
    }
    QString shown(int p) const {
        return grid.text(p, Grid::ColVel) + QLatin1Char('|') + grid.text(p, Grid::ColAcc) + QLatin1Char('|') +
               grid.text(p, Grid::ColMm);
    }

    Grid grid{t.ctx.texts};
    PositionTable table{t.ctx, grid};
    DeviceCatalogue catalogue{t.ctx};
    CtCommands commands{link};
    ControllerModes modes{t.ctx, link, view, view, alarms};
    RecordingDeviceView deviceView;
    QStringList progress;
    PositionTransfer transfer{t.ctx, table, catalogue, link, commands, modes, *this, deviceView};
};

const QStringList kTable{"1,1,0.000", "9,3,100.000", "5,2,12.345"};
const QString kSentBeforeRecords = QStringLiteral("0CM1 0RD10 0RD14 0RD13 0RD11");

} // namespace

class TestPositionTransfer : public QObject {
    Q_OBJECT
private slots:
    void hexPadFields();
    void readDecodesTheRecords();
    void unreadableRecordLeavesTheTable_data();
    void unreadableRecordLeavesTheTable();
    void actuatorMismatch_data();
    void actuatorMismatch();
    void writeSendsTheRecords_data();
    void writeSendsTheRecords();
};

void TestPositionTransfer::hexPadFields() {
    const QList<std::tuple<qint64, int, QByteArray>> cases{
        {0, 6, "000000"}, {1000, 6, "0003E8"}, {0xFFFFFF, 6, "FFFFFF"}, {0x1000000, 6, "X"}, {15, 1, "F"},
        {16, 1, "X"},     {-1, 4, "X"}};
    for (const auto& [value, width, text] : cases)
        QCOMPARE(HexPad(value, width), text);
}

void TestPositionTransfer::readDecodesTheRecords() {
    Transfer f;
    f.t.ctx.operation.DataChangeFlag = true;
    f.replies(kDevice + QByteArrayList{"0CM1"} + kRecords + QByteArrayList{"0RV120000"});
    QCOMPARE(f.transfer.readFromCt(), 0);
    QCOMPARE(f.t.op.messages.size(), 1);
    QCOMPARE(f.t.op.lastText(), QStringLiteral("Read the data from controller?"));
    QCOMPARE(f.sent(), QStringLiteral("0RD14 0RD13 0RD11 0CM1 0RP1 0RP2 0RP3 0RV"));
    // Position 1: VEL 5, ACC 2, OUT 0, brake code 2 (not taken), 0003E8 = 1000 pulses = 5 mm.
    const auto& row = f.table.PosiDataArray[1];
    QCOMPARE((QList<int>{row[PfVel].toInt(), row[PfAcc].toInt(), row[PfOut].toInt(), row[PfPulse].toInt()}),
             (QList<int>{5, 2, 0, 1000}));
    QCOMPARE(f.shown(1), QStringLiteral("5|2|  5.000"));
    QCOMPARE(f.shown(3), QStringLiteral("9|3| 80.000"));
    QCOMPARE(f.table.PosiDataArray[3][PfOut].toInt(), 3);
    QCOMPARE(f.table.CurrentDataName(), QStringLiteral("Inside of C/T"));
    QCOMPARE(f.view.panels[1], QStringLiteral("The version of this C/T is 120"));
    QCOMPARE(f.progress, (QStringList{"[3 Reading data from controller...", "1", "2", "3", "]"}));
    QVERIFY(!f.t.ctx.operation.DataChangeFlag);
    QVERIFY(!f.port.isOpen());
}

void TestPositionTransfer::unreadableRecordLeavesTheTable_data() {
    QTest::addColumn<QByteArray>("second"); // the reply to "0RP2"
    QTest::newRow("blank among the pulses") << QByteArray("0RP2722200 710");
    QTest::newRow("letter past F") << QByteArray("0RP2722200271G");
    QTest::newRow("VEL not a digit") << QByteArray("0RP2@222002710");
    QTest::newRow("another position's record") << QByteArray("0RP37222002710");
}

void TestPositionTransfer::unreadableRecordLeavesTheTable() {
    QFETCH(QByteArray, second);
    Transfer f;
    f.fill({"3,1,1.000", "4,1,2.000", "6,1,3.000"});
    f.table.setCurrentDataName(QStringLiteral("mine"));
    f.t.ctx.operation.DataChangeFlag = true;
    f.t.op.answer(Answer::No); // do not save first
    f.replies(kDevice + QByteArrayList{"0CM1", kRecords[0], second, kRecords[2], "0RV120000"});
    QCOMPARE(f.transfer.readFromCt(), 1);
    QCOMPARE(f.t.op.lastText(),
             QStringLiteral("The data of position No.2 received from the controller (\"%1\") "
                            "cannot be read.\r\n\r\nThe data in the list have not been changed.")
                 .arg(QString::fromLatin1(second)));
    QVERIFY2(f.sent().endsWith(QStringLiteral("0RP1 0RP2")), "nothing is asked after the unreadable record");
    QCOMPARE(f.shown(2), QStringLiteral("4|1|2.000"));
    QVERIFY(!f.table.workPosDA[1][PfPulse].isValid() && !f.table.PosiDataArray[1][PfPulse].isValid());
    QCOMPARE(f.table.CurrentDataName(), QStringLiteral("mine"));
    QVERIFY(f.t.ctx.operation.DataChangeFlag);
    QCOMPARE(f.progress.last(), QStringLiteral("]"));
    QVERIFY(!f.port.isOpen());
}

// The program works for a 50 mm stroke, the controller for 100 mm.
void TestPositionTransfer::actuatorMismatch_data() {
    QTest::addColumn<bool>("write");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<int>("stroke"); // the program's afterwards
    const QString question = QStringLiteral("0RD14 0RD13 0RD11");
    const QString written =
        kSentBeforeRecords + QStringLiteral(" 0WP11102000000 0WP29302001388 0WP352020009A5");
    QTest::newRow("read, cancelled") << false << int(Answer::Cancel) << question << 50;
    QTest::newRow("read, taken over")
        << false << int(Answer::Ok) << question + " 0CM1 0RP1 0RP2 0RP3 0RV" << 100;
    QTest::newRow("write, cancelled") << true << int(Answer::Cancel) << kSentBeforeRecords << 50;
    QTest::newRow("write, as it stands") << true << int(Answer::Ok) << written << 50;
}

void TestPositionTransfer::actuatorMismatch() {
    QFETCH(bool, write);
    QFETCH(int, answer);
    QFETCH(QString, sent);
    QFETCH(int, stroke);
    Transfer f;
    f.t.ctx.device.DevStroke = 50;
    conv::recomputeLimits(f.t.ctx.device);
    if (write) {
        f.fill({"1,1,0.000", "9,3,25.000", "5,2,12.345"});
        f.t.op.answer(Answer::Ok); // transmit
        f.replies(QByteArrayList{"0CM1", kStroke} + kDevice +
                  QByteArrayList{"0WP11102000000", "0WP29302001388", "0WP352020009A5"});
    } else {
        f.replies(kDevice + QByteArrayList{"0CM1"} + kRecords + QByteArrayList{"0RV120000"});
        f.t.op.answer(Answer::Yes); // read
    }
    f.t.op.answer(Answer(answer));
    const int result = write ? f.transfer.writeToCt() : f.transfer.readFromCt();
    QCOMPARE(result, answer == int(Answer::Ok) ? 0 : 1);
    QCOMPARE(f.sent(), sent);
    const auto& question = f.t.op.messages[1];
    QCOMPARE(question.text,
             QStringLiteral("Actuator setting by the side of PC and in side of controller unmatched."
                            "\r\n\r\n") +
                 (write ? QStringLiteral("Position data may not be written in correctly.\r\n\r\n"
                                         "Is writing continued?")
                        : QStringLiteral("Read Actuator setting inside of controller?")));
    QCOMPARE(question.buttons, Buttons::OkCancel);
    QCOMPARE(f.t.ctx.device.DevStroke, qint16(stroke));
    if (stroke == 100) {
        QCOMPARE(f.t.ctx.device.DevMaxPulse, 20000);
        QCOMPARE(f.deviceView.label + QLatin1Char('|') + f.deviceView.mmLine,
                 QStringLiteral("VQ- 28L-100|1mm = 200Pulse"));
        QCOMPARE(f.t.settings.readText(QStringLiteral("DevStroke"), {}), QStringLiteral("100"));
    }
    QVERIFY(!f.port.isOpen());
    QVERIFY(f.progress.isEmpty() || f.progress.last() == QStringLiteral("]"));
}

void TestPositionTransfer::writeSendsTheRecords_data() {
    QTest::addColumn<int>("brakeCode"); // -1: the option is off
    QTest::addColumn<QByteArray>("stroke");
    QTest::addColumn<QByteArray>("firstEcho");
    QTest::addColumn<QString>("sent");
    QTest::addColumn<QString>("message");
    // 0 mm = 0 pulses, 100 mm = 20000 = 004E20 (the stroke exactly), 12.345 mm = 2469 = 0009A5.
    const QString records = QStringLiteral(" 0WP11102000000 0WP29302004E20 0WP352020009A5");
    const QString done = QStringLiteral("Completed data transmit.");
    QTest::newRow("option off: code 2")
        << -1 << kStroke << QByteArray("0WP11102000000") << kSentBeforeRecords + records << done;
    QTest::newRow("option on: code 3")
        << 3 << kStroke << QByteArray("0WP11103000000")
        << kSentBeforeRecords + " 0WP11103000000 0WP29303004E20 0WP352030009A5" << done;
    QTest::newRow("code 4 sends nothing")
        << 4 << kStroke << QByteArray() << kSentBeforeRecords
        << "The BK and C.D setting 4 is not between 0 and 3.\r\n\r\nWriting data is canceled.";
    QTest::newRow("stroke one pulse short")
        << -1 << QByteArray("0RD10004E1F02020202FF") << QByteArray() << "0CM1 0RD10"
        << "Some position data exceed the soft limit in the Parameter(Stroke)\r\n\r\nConfirm the position "
           "data indicated bellow, and try it again.\r\n\r\n< Position No.2,>";
    QTest::newRow("stroke unreadable")
        << -1 << QByteArray("0RD1000#E2002020202FF") << QByteArray() << "0CM1 0RD10"
        << "The stroke parameter received from the controller (\"0RD1000#E2002020202FF\") cannot be "
           "read.\r\n\r\nWriting data is canceled.";
    QTest::newRow("echo of another position")
        << -1 << kStroke << QByteArray("0WP21102000000") << kSentBeforeRecords + " 0WP11102000000"
        << "Communication error occurs!\r\n\r\ntransmit data length is wrong";
}

void TestPositionTransfer::writeSendsTheRecords() {
    QFETCH(int, brakeCode);
    QFETCH(QByteArray, stroke);
    QFETCH(QByteArray, firstEcho);
    QFETCH(QString, sent);
    QFETCH(QString, message);
    Transfer f;
    f.t.ctx.options.BkCdChangeFlag = brakeCode >= 0;
    f.t.ctx.options.BkCdCode = qint16(brakeCode);
    f.t.ctx.operation.LastPosNo = 2;
    f.t.ctx.operation.MoveDataReadFlag = true;
    f.fill(kTable);
    f.replies(QByteArrayList{"0CM1", stroke} + kDevice + QByteArrayList{firstEcho});
    const QStringList frames = sent.split(QLatin1Char(' '));
    for (const QString& frame : frames.mid(6))
        f.port.scriptText(frame.toLatin1() + "\r\n");

    const int result = f.transfer.writeToCt();
    QCOMPARE(f.sent(), sent);
    QCOMPARE(f.t.op.messages.first().text, QStringLiteral("Data is transmitted to controller,Yes?"));
    QCOMPARE(f.t.op.lastText(), message);
    const bool written = message.startsWith(QStringLiteral("Completed"));
    QCOMPARE(result, written ? 0 : 1);
    QCOMPARE(f.t.ctx.operation.LastPosNo, qint16(written ? -1 : 2));
    QCOMPARE(f.t.ctx.operation.MoveDataReadFlag, !written);
    QCOMPARE(f.link.state.CommErrorFlag, message.startsWith(QStringLiteral("Communication")));
    QCOMPARE(f.progress.first(), QStringLiteral("[3 Communication checking"));
    QCOMPARE(f.progress.last(), QStringLiteral("]"));
    QVERIFY(!f.port.isOpen());
}

QTEST_GUILESS_MAIN(TestPositionTransfer)
#include "tst_position_transfer.moc"
