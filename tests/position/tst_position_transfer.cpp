// Read from C/T and Write to C/T over a scripted far end: the records as sent and as decoded, the
// stroke pre-check, the actuator comparison, and replies that cannot be used. Every frame, reply and
// message is written out by hand.
#include "link/HexPad.h"
#include "support/LinkFixture.h"
#include "support/TransferRig.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

struct Scripted : LinkFixture {
    QString sent() const {
        QStringList frames;
        for (const QByteArray& frame : port.written)
            frames << QString::fromLatin1(frame.chopped(2));
        return frames.join(QLatin1Char(' '));
    }
    TransferRig rig{t, link, view, alarms};
};

// The simulator's factory actuator in blocks 14, 13, 11 (VQ NEW 28L, 100 mm, lead 2, 400 pulses a
// revolution, vertical), its positions, and block 10 with a stroke of 004E20 = 20000 pulses.
const QByteArrayList kDevice{"0RD141C4C006400FFFFFF", "0RD13050A140101020190", "0RD1114283C010400FFFF"};
const QByteArrayList kRead =
    kDevice + QByteArrayList{"0CM1", "0RP152020003E8", "0RP27222002710", "0RP39332003E80", "0RV120000"};
const QByteArrayList kWrite = QByteArrayList{"0CM1", "0RD10004E2002020202FF"} + kDevice;
const QString kReadFrames = QStringLiteral("0RD14 0RD13 0RD11 0CM1 0RP1 0RP2 0RP3 0RV");
const QString kWriteFrames = QStringLiteral("0CM1 0RD10 0RD14 0RD13 0RD11");
const QString kFromCt = QStringLiteral("5|2|  5.000;7|2| 50.000;9|3| 80.000");
const QString kMine = QStringLiteral("3|1|1.000;4|1|2.000;6|1|3.000");
const QString kEmpty = QStringLiteral("||;||;||");
// 0 mm = 0 pulses, 100 mm = 20000 = 004E20 (the stroke exactly), 12.345 mm = 2469 = 0009A5.
const QString kTable = QStringLiteral("1|1|0.000;9|3|100.000;5|2|12.345");
const QString kDone = QStringLiteral("Completed data transmit.");
const QString kOther =
    QStringLiteral("Actuator setting by the side of PC and in side of controller unmatched.\r\n\r\n");

} // namespace

class TestPositionTransfer : public QObject {
    Q_OBJECT
private slots:
    // Six digits hold FFFFFF at most; one digit F; a negative value fits no field.
    void hexPadFields() {
        QCOMPARE(HexPad(0, 6) + HexPad(0xFFFFFF, 6) + HexPad(0x1000000, 6) + HexPad(15, 1) + HexPad(16, 1) +
                     HexPad(-1, 4),
                 "000000FFFFFFXFXX");
    }

    void dialogue_data() {
        QTest::addColumn<bool>("write");
        QTest::addColumn<QString>("before");         // the grid
        QTest::addColumn<int>("stroke");             // the program's actuator, mm
        QTest::addColumn<int>("brakeCode");          // -1: the BK and C.D option off
        QTest::addColumn<QString>("answers");        // Y(es) N(o) O(K) C(ancel) in turn
        QTest::addColumn<QByteArrayList>("replies"); // then each "0WP" frame below is echoed
        QTest::addColumn<QString>("frames");
        QTest::addColumn<QString>("message"); // the last one shown
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, bool write, const QString& before, int stroke, int code,
                            const char* answers, const QByteArrayList& replies, const QString& frames,
                            const QString& message, const QString& after) {
            QTest::newRow(name) << write << before << stroke << code << QString::fromLatin1(answers)
                                << replies << frames << message << after;
        };
        const QString unreadable =
            QStringLiteral("The data of position No.2 received from the controller (\"%1\") "
                           "cannot be read.\r\n\r\nThe data in the list have not been changed.");
        row("read: 1,5,2,0,2,0003E8 is VEL 5, ACC 2, 1000 pulses", false, {}, 100, -1, "Y", kRead,
            kReadFrames, "Read the data from controller?", kFromCt);
        row("read: a letter past F", false, kMine, 100, -1, "N",
            kDevice + QByteArrayList{"0CM1", "0RP152020003E8", "0RP2722200271G"},
            "0RD14 0RD13 0RD11 0CM1 0RP1 0RP2", unreadable.arg("0RP2722200271G"), kMine);
        row("read: the record of another position", false, kMine, 100, -1, "N",
            kDevice + QByteArrayList{"0CM1", "0RP152020003E8", "0RP37222002710"},
            "0RD14 0RD13 0RD11 0CM1 0RP1 0RP2", unreadable.arg("0RP37222002710"), kMine);
        row("read: other actuator, cancelled", false, {}, 50, -1, "YC", kRead, "0RD14 0RD13 0RD11",
            kOther + "Read Actuator setting inside of controller?", kEmpty);
        row("read: other actuator, taken over", false, {}, 50, -1, "YO", kRead, kReadFrames,
            kOther + "Read Actuator setting inside of controller?", kFromCt);
        row("write: option off sends code 2", true, kTable, 100, -1, "", kWrite,
            kWriteFrames + " 0WP11102000000 0WP29302004E20 0WP352020009A5", kDone, kTable);
        row("write: code 4 sends no record", true, kTable, 100, 4, "", kWrite, kWriteFrames,
            "The BK and C.D setting 4 is not between 0 and 3.\r\n\r\nWriting data is canceled.", kTable);
        row("write: one pulse beyond the stroke", true, kTable, 100, -1, "",
            {"0CM1", "0RD10004E1F02020202FF"}, "0CM1 0RD10",
            "Some position data exceed the soft limit in the Parameter(Stroke)\r\n\r\nConfirm the position "
            "data "
            "indicated bellow, and try it again.\r\n\r\n< Position No.2,>",
            kTable);
        row("write: stroke unreadable", true, kTable, 100, -1, "", {"0CM1", "0RD1000#E2002020202FF"},
            "0CM1 0RD10",
            "The stroke parameter received from the controller (\"0RD1000#E2002020202FF\") cannot be "
            "read.\r\n\r\n"
            "Writing data is canceled.",
            kTable);
        row("write: position 2 answered short", true, kTable, 100, -1, "",
            kWrite + QByteArrayList{"0WP11102000000", "0WP2930200", "0CM0"},
            kWriteFrames + " 0WP11102000000 0WP29302004E20 0CM0",
            "Communication data length error occurs!\r\n\r\nLength of data is wrong.", kTable);
        row("write: echo of another position", true, kTable, 100, -1, "",
            kWrite + QByteArrayList{"0WP21102000000"}, kWriteFrames + " 0WP11102000000",
            "Communication error occurs!\r\n\r\ntransmit data length is wrong", kTable);
        // 25 mm = 5000 = 001388 pulses.
        const QString within50 = QStringLiteral("1|1|0.000;9|3|25.000;5|2|12.345");
        const QString toOther =
            kOther + "Position data may not be written in correctly.\r\n\r\nIs writing continued?";
        row("write: other actuator, cancelled", true, within50, 50, -1, "OC", kWrite, kWriteFrames, toOther,
            within50);
        row("write: other actuator, written as it stands", true, within50, 50, -1, "OO", kWrite,
            kWriteFrames + " 0WP11102000000 0WP29302001388 0WP352020009A5", kDone, within50);
    }

    void dialogue() {
        QFETCH(bool, write);
        QFETCH(QString, before);
        QFETCH(int, stroke);
        QFETCH(int, brakeCode);
        QFETCH(QString, answers);
        QFETCH(QByteArrayList, replies);
        QFETCH(QString, frames);
        QFETCH(QString, message);
        QFETCH(QString, after);
        Scripted f;
        DeviceState& dev = f.t.ctx.device;
        dev.DevStroke = qint16(stroke);
        conv::recomputeLimits(dev);
        f.t.ctx.options.BkCdChangeFlag = brakeCode >= 0;
        f.t.ctx.options.BkCdCode = qint16(brakeCode);
        OperationState& state = f.t.ctx.operation;
        state.LastPosNo = 2;
        state.MoveDataReadFlag = state.DataChangeFlag = true;
        if (!before.isEmpty())
            f.rig.fill(before);
        for (const QChar a : answers)
            f.t.op.answer(Answer(QStringLiteral("OCYN").indexOf(a)));
        for (const QByteArray& reply : replies)
            f.port.scriptText(reply + "\r\n");
        for (const QString& frame : frames.split(QLatin1Char(' ')))
            if (frame.startsWith(QStringLiteral("0WP")))
                f.port.scriptText(frame.toLatin1() + "\r\n");

        const int result = write ? f.rig.transfer.writeToCt() : f.rig.transfer.readFromCt();
        QCOMPARE(f.sent(), frames);
        QCOMPARE(f.t.op.lastText(), message);
        QCOMPARE(f.rig.shown(), after);
        const bool done =
            write ? message == kDone : f.rig.table.CurrentDataName() == QStringLiteral("Inside of C/T");
        QCOMPARE(result, done ? 0 : 1);
        QCOMPARE(state.DataChangeFlag, write || !done);
        QCOMPARE(state.LastPosNo == -1 && !state.MoveDataReadFlag, write && done);
        QCOMPARE(f.link.state.CommErrorFlag, message.startsWith(QStringLiteral("Communication")));
        // A read that fails leaves both arrays as they were: empty here.
        if (!write)
            QCOMPARE(f.rig.table.workPosDA[1][PfVel].isValid() ||
                         f.rig.table.PosiDataArray[1][PfVel].isValid(),
                     done);
        QCOMPARE(f.view.panels[1], QString(!write && done ? "The version of this C/T is 120" : ""));
        // Taken over: stored, limits, full label and unit line.
        const bool adopted = !write && done && stroke == 50;
        const QStringList device{f.t.settings.readText(QStringLiteral("DevStroke"), {}),
                                 QString::number(dev.DevMaxPulse), f.rig.deviceView.label,
                                 f.rig.deviceView.mmLine};
        QCOMPARE(device.join(QLatin1Char('|')), adopted
                                                    ? QStringLiteral("100|20000|VQ- 28L-100|1mm = 200Pulse")
                                                    : QStringLiteral("|%1||").arg(stroke * 200));
        if (write)
            QCOMPARE(f.rig.progress.value(0), QStringLiteral("[3 Communication checking"));
        QVERIFY(f.rig.progress.isEmpty() || f.rig.progress.last() == QStringLiteral("]"));
        QVERIFY(!f.port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestPositionTransfer)
#include "tst_position_transfer.moc"
