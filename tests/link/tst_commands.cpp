#include "link/CtCommands.h"
#include "link/ReplyFields.h"
#include "operation/ControllerModes.h"
#include "support/LinkFixture.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The real callers of the commands, over a scripted far end.
struct Callers : LinkFixture {
    CtCommands commands{link};
    ControllerModes modes{t.ctx, link, view, view, alarms};
};
using Caller = std::function<void(Callers&)>;

} // namespace

Q_DECLARE_METATYPE(Caller)

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void hexFieldsReadAsFarAsTheirDigits() {
        const QList<std::pair<QByteArray, qint64>> cases{
            {"004E20", 20000}, {"FFFFFF", 16777215}, {"ff", 255}, {"1G", 1}, {"G1", 0}, {"", 0}};
        for (const auto& [digits, value] : cases)
            QVERIFY2(hexValue(digits) == value, digits.constData());
    }

    // Known answers written out by hand from the block layout: D1-D2 size, D3-D4 speed letter code,
    // D5-D8 stroke, D9-D10 type (block 14); D11-D12 lead, D13-D16 pulses (block 13); D11-D12 homing
    // method, 0 = sensor (block 11).
    void controllerDeviceIsDecoded() {
        // Blocks 14, 13 and 11; the model code, then type, lead, pulses per revolution and vertical.
        const QList<std::tuple<QByteArrayList, QString, QList<int>>> cases{
            {{"2345003201FFFFFF", "050A1401010600C0", "14283C010401FFFF"}, "E35L-050", {1, 6, 192, 0}},
            {{"2348000502FFFFFF", "050A140101080320", "14283C0104FFFFFF"}, " 35H-005", {2, 8, 800, 0}},
            {{"2A4C03E800FFFFFF", "050A140101020190", "14283C010400FFFF"}, " 42L-X", {0, 2, 400, 1}}};
        for (const auto& [blocks, model, fields] : cases) {
            const CtDevice device = decodeCtDevice(blocks[0], blocks[1], blocks[2]);
            QCOMPARE(device.modelCode(), model);
            QCOMPARE((QList<int>{device.kind, device.lead, device.ppr, device.vertical}), fields);
        }
    }

    void failedReadsStopAndReleaseThePort() {
        Callers c;
        for (const char* reply : {"0RH1", "0RH10", "0CM0", "0RP15212000FA0", "0RX2", "0CM0"})
            c.port.scriptText(QByteArray(reply) + "\r\n");
        QCOMPARE(c.commands.ReadCtHomeState(), 1);
        QVERIFY2(c.commands.move.HomeDoneFlag && !c.port.isOpen(), "released after a success too");
        QCOMPARE(c.commands.ReadCtHomeState(), -1);
        QVERIFY(!c.port.isOpen());
        QCOMPARE(c.commands.ReadCtPositions(), 1);
        QCOMPARE(c.port.written.mid(3), (QByteArrayList{"0RP1\r\n", "0RP2\r\n", "0CM0\r\n"}));
        QVERIFY(!c.port.isOpen());
    }

    // A reply that passes the exchange's checks but holds a character that is not a hexadecimal digit
    // where a number is read fails the read with its message: nothing of it is stored (a number read
    // as far as its digits go would be), and the port is released.
    void unreadableNumbersFailTheRead_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("request");
        QTest::newRow("home state") << QByteArray("0RHh") << "0RH";
        QTest::newRow("speed of position 1") << QByteArray("0RP1.212000FA0") << "0RP1";
        QTest::newRow("pulses of position 1") << QByteArray("0RP15212000FAx") << "0RP1";
        QTest::newRow("present position") << QByteArray("0RC000000003Eg") << "0RC";
        QTest::newRow("stroke for a move") << QByteArray("0RD10004E2 02020202FF") << "0RD10";
        QTest::newRow("actuator of the device read") << QByteArray("0RD141C4C00640\x01"
                                                                   "FFFFFF")
                                                     << "0RD14";
    }

    void unreadableNumbersFailTheRead() {
        QFETCH(QByteArray, reply);
        QFETCH(QString, request);
        Callers c;
        c.port.scriptText(reply + "\r\n");
        CtCommands& k = c.commands;
        const bool failed = request == u"0RH"     ? k.ReadCtHomeState() == -1
                            : request == u"0RP1"  ? k.ReadCtPositions() == 1
                            : request == u"0RC"   ? k.ReadCtPresentPos() == 1
                            : request == u"0RD10" ? k.ReadCtParaForMove() == 1
                                                  : k.ReadCtDevice() == 1;
        QVERIFY(failed);
        QCOMPARE(k.move.HomeDoneFlag + k.move.PosVel[1] + k.move.PosPulse[1] + k.move.PresentPulse +
                     k.move.StrokePulse + k.device.stroke,
                 0);
        const QString shown = QString::fromLatin1(reply).replace(QChar(1), u'?');
        QCOMPARE(c.t.op.texts(),
                 QStringList{QStringLiteral("The C/T's answer to %1 cannot be used: \"%2\" holds "
                                            "a character that is not a hexadecimal digit where "
                                            "a number is read.")
                                 .arg(request, shown)});
        QVERIFY(!c.port.isOpen());
    }

    // Each row: what the operator or the program does, the far end's replies, and every frame written
    // with the reply limit in force as it went out ("-": none).
    void eachCommandWaitsItsOwnTime_data() {
        QTest::addColumn<Caller>("caller");
        QTest::addColumn<QByteArrayList>("replies");
        QTest::addColumn<QStringList>("frames");
        const auto row = [](const char* name, const Caller& caller, const QByteArrayList& replies,
                            const QStringList& frames) {
            QTest::newRow(name) << caller << replies << frames;
        };
        const auto move = [](Callers& c) {
            c.link.state.MyTimerLimit = 7.5f;
            c.link.SendCtMoveCommand("0MP", 16, "1");
        };
        row("port check", [](Callers& c) { c.link.CheckCommPort(); }, {"0CM1"}, {"0CM1 1000"});
        row("recovery keeps the failed command's time-out", [](Callers& c) { c.link.CheckCommPort(); },
            {"0CM", "0CM0"}, {"0CM1 1000", "0CM0 1000"});
        row("external start mode", [](Callers& c) { c.modes.mnuModeGaibu_Click(); }, {"0CM1", "0CM0"},
            {"0CM1 1000", "0CM0 5000"});
        row("version", [](Callers& c) { c.modes.mnuShowCtversion_Click(); }, {"0CM1", "0RV120000"},
            {"0CM1 1000", "0RV 5000"});
        row("version answered by an alarm", [](Callers& c) { c.modes.mnuShowCtversion_Click(); },
            {"0CM1", "0%%0E", "0%C00"}, {"0CM1 1000", "0RV 5000", "0%C 5000"});
        row("reset button", [](Callers& c) { c.modes.cmdReset_Click(); }, {"0%C00"}, {"0%C 5000"});
        row("controller reset", [](Callers& c) { c.modes.ResetCtByCommand(c.view); }, {"0CM1"},
            {"0CM1 1000", "0CM3 -"});
        row("home state", [](Callers& c) { c.commands.ReadCtHomeState(); }, {"0RH1"}, {"0RH 5000"});
        row("present position", [](Callers& c) { c.commands.ReadCtPresentPos(); }, {"0RC00000000FA0"},
            {"0RC 5000"});
        row("positions", [](Callers& c) { c.commands.ReadCtPositions(); },
            {"0RP15212000FA0", "0RP27222002710", "0RP39332003E80"}, {"0RP1 5000", "0RP2 5000", "0RP3 5000"});
        row("parameters for a move", [](Callers& c) { c.commands.ReadCtParaForMove(); },
            {"0RD10004E2002020202FF", "0RD1114283C010400FFFF", "0RD12506478A0C8F0FFFF"},
            {"0RD10 5000", "0RD11 5000", "0RD12 5000"});
        row("device", [](Callers& c) { c.commands.ReadCtDevice(); },
            {"0RD141C4C006400FFFFFF", "0RD13050A140101020190", "0RD1114283C010400FFFF"},
            {"0RD14 5000", "0RD13 5000", "0RD11 5000"});
        row("no time-out",
            [](Callers& c) {
                c.link.state.TimeoutMsec = 0;
                c.link.SendCtCommand("0RH", 6);
            },
            {"0RH1"}, {"0RH -"});
        row("move", move, {"0MP15212000FA0"}, {"0MP1 7500"});
        row("move recovery keeps the move's limit", move, {"0XP15212000FA0", "0CM0"},
            {"0MP1 7500", "0CM0 7500"});
    }

    void eachCommandWaitsItsOwnTime() {
        QFETCH(Caller, caller);
        QFETCH(QByteArrayList, replies);
        QFETCH(QStringList, frames);
        Callers c;
        for (const QByteArray& reply : replies)
            c.port.scriptText(reply + "\r\n");
        c.link.state.TimeoutMsec = 2345; // left by an earlier exchange: every caller sets its own
        caller(c);
        QStringList written;
        for (qsizetype i = 0; i < c.port.written.size(); ++i) {
            const int limit = c.port.limits[i];
            written << QString::fromLatin1(c.port.written[i].chopped(2)) + QLatin1Char(' ') +
                           (limit < 0 ? QStringLiteral("-") : QString::number(limit));
        }
        QCOMPARE(written, frames);
    }
};

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
