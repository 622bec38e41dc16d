#include "link/CtCommands.h"
#include "link/ReplyFields.h"
#include "operation/ControllerModes.h"
#include "support/LinkFixture.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

using ModelFixture = LinkFixture<ModelPort>;

// The real callers of every command over a scripted far end.
struct Callers : LinkFixture<ScriptedPort> {
    CtCommands commands{link};
    ControllerModes modes{t.ctx, link, view, view, alarms};
};

} // namespace

using Caller = std::function<void(Callers&)>;
Q_DECLARE_METATYPE(Caller)

class TestCommands : public QObject {
    Q_OBJECT
private slots:
    void hexFieldsReadAsFarAsTheirDigits_data();
    void hexFieldsReadAsFarAsTheirDigits();
    void controllerDeviceIsDecoded_data();
    void controllerDeviceIsDecoded();
    void deviceOfTheSimulatedController();
    void moveDataOfTheSimulatedController();
    void homeStateReleasesThePortEveryTime_data();
    void homeStateReleasesThePortEveryTime();
    void failedReadStopsAndReleases();
    void eachCommandWaitsItsOwnTime_data();
    void eachCommandWaitsItsOwnTime();
};

void TestCommands::hexFieldsReadAsFarAsTheirDigits_data() {
    QTest::addColumn<QByteArray>("digits");
    QTest::addColumn<qint64>("value");
    QTest::newRow("six digits") << QByteArray("004E20") << qint64(20000);
    QTest::newRow("largest") << QByteArray("FFFFFF") << qint64(16777215);
    QTest::newRow("lower case") << QByteArray("ff") << qint64(255);
    QTest::newRow("stops at a foreign character") << QByteArray("1G") << qint64(1);
    QTest::newRow("foreign first") << QByteArray("G1") << qint64(0);
    QTest::newRow("empty") << QByteArray() << qint64(0);
}

void TestCommands::hexFieldsReadAsFarAsTheirDigits() {
    QFETCH(QByteArray, digits);
    QFETCH(qint64, value);
    QCOMPARE(hexValue(digits), value);
    QCOMPARE(hexField16(QByteArray("0RD00FF02") + "8000", 10), qint16(-32768));
}

// Known answers written out by hand from the block layout: D1-D2 size, D3-D4 speed letter code,
// D5-D8 stroke, D9-D10 type (block 14); D11-D12 lead, D13-D16 pulses (block 13); D11-D12 homing
// method, 0 = sensor (block 11).
void TestCommands::controllerDeviceIsDecoded_data() {
    QTest::addColumn<QByteArray>("block14");
    QTest::addColumn<QByteArray>("block13");
    QTest::addColumn<QByteArray>("block11");
    QTest::addColumn<QString>("model");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("VQ NEW 28L-100") << QByteArray("1C4C006400FFFFFF") << QByteArray("050A140101020190")
                                    << QByteArray("14283C010400FFFF") << " 28L-100" << 0 << 2 << 400 << true;
    QTest::newRow("size sent with speed E")
        << QByteArray("2345003201FFFFFF") << QByteArray("050A1401010600C0") << QByteArray("14283C010401FFFF")
        << "E35L-050" << 1 << 6 << 192 << false;
    QTest::newRow("JM 35H-005") << QByteArray("2348000502FFFFFF") << QByteArray("050A140101080320")
                                << QByteArray("14283C0104FFFFFF") << " 35H-005" << 2 << 8 << 800 << false;
    QTest::newRow("stroke too wide for three digits")
        << QByteArray("2A4C03E800FFFFFF") << QByteArray("050A140101020190") << QByteArray("14283C010400FFFF")
        << " 42L-X" << 0 << 2 << 400 << true;
}

void TestCommands::controllerDeviceIsDecoded() {
    QFETCH(QByteArray, block14);
    QFETCH(QByteArray, block13);
    QFETCH(QByteArray, block11);
    QFETCH(QString, model);
    QFETCH(int, kind);
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(bool, vertical);
    const CtDevice device = decodeCtDevice(block14, block13, block11);
    QCOMPARE(device.modelCode(), model);
    QCOMPARE(device.kind, kind);
    QCOMPARE(device.lead, lead);
    QCOMPARE(device.ppr, ppr);
    QCOMPARE(device.vertical, vertical);
}

void TestCommands::deviceOfTheSimulatedController() {
    ModelFixture f;
    CtCommands commands(f.link);
    QCOMPARE(f.link.OpenCommPort(), 0);
    QCOMPARE(f.link.CheckCommPort(), 0);
    QCOMPARE(commands.ReadCtDevice(), 0);
    QCOMPARE(commands.device.modelCode(), QStringLiteral(" 28L-100"));
    QCOMPARE(commands.device.size, QStringLiteral(" 28"));
    QCOMPARE(commands.device.speed, QStringLiteral("L"));
    QCOMPARE(commands.device.stroke, 100);
    QCOMPARE(commands.device.kind, 0);
    QCOMPARE(commands.device.lead, 2);
    QCOMPARE(commands.device.ppr, 400);
    QVERIFY(commands.device.vertical);
    QCOMPARE(f.port.written.mid(1), (QByteArrayList{"0RD14\r\n", "0RD13\r\n", "0RD11\r\n"}));
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestCommands::moveDataOfTheSimulatedController() {
    ModelFixture f;
    CtCommands commands(f.link);
    f.link.CheckCommPort();
    QCOMPARE(commands.ReadCtParaForMove(), 0);
    QCOMPARE(commands.ReadCtPositions(), 0);
    QCOMPARE(commands.ReadCtPresentPos(), 0);
    const ctsim::ControllerState& ct = f.port.model.state();
    QCOMPARE(quint32(commands.move.StrokePulse), ct.parameters.strokePulse());
    QCOMPARE(int(commands.move.SpeedTable[0]), ct.parameters.homingVelocity());
    for (int vel = 1; vel <= 9; ++vel)
        QCOMPARE(int(commands.move.SpeedTable[vel]), ct.parameters.speedByte(vel));
    for (int p = 1; p <= 3; ++p) {
        QCOMPARE(int(commands.move.PosVel[p]), ct.positions.at(p).vel);
        QCOMPARE(quint32(commands.move.PosPulse[p]), ct.positions.at(p).pulses);
    }
    QCOMPARE(quint32(commands.move.PresentPulse), ct.presentPulse);
    QCOMPARE(f.port.written.mid(1, 3), (QByteArrayList{"0RD10\r\n", "0RD11\r\n", "0RD12\r\n"}));
    QCOMPARE(f.port.written.mid(4, 3), (QByteArrayList{"0RP1\r\n", "0RP2\r\n", "0RP3\r\n"}));
}

void TestCommands::homeStateReleasesThePortEveryTime_data() {
    QTest::addColumn<bool>("garbled");
    QTest::addColumn<int>("result");
    QTest::newRow("answered") << false << 0;
    QTest::newRow("reply one character too long") << true << -1;
}

void TestCommands::homeStateReleasesThePortEveryTime() {
    QFETCH(bool, garbled);
    QFETCH(int, result);
    ModelFixture f;
    CtCommands commands(f.link);
    f.link.CheckCommPort();
    if (garbled)
        f.port.model.faults().setLengthError(1, true);
    commands.move.HomeDoneFlag = true;
    QCOMPARE(commands.ReadCtHomeState(), result);
    QVERIFY(!f.port.isOpen());
    if (result == 0)
        QVERIFY(!commands.move.HomeDoneFlag);
}

void TestCommands::failedReadStopsAndReleases() {
    ModelFixture f;
    CtCommands commands(f.link);
    f.link.CheckCommPort();
    f.port.model.faults().setWrongEcho(false);
    QCOMPARE(commands.ReadCtPositions(), 1);
    QCOMPARE(f.port.written.mid(1), (QByteArrayList{"0RP1\r\n", "0CM0\r\n"}));
    QVERIFY(!f.port.isOpen());
    QCOMPARE(f.t.op.messages.size(), 1);
    QCOMPARE(f.t.op.messages[0].text, QStringLiteral("Communication error occurs!"));
}

// Each row: what the operator or the program does, the far end's replies, and every frame written
// with the reply limit in force as it went out ("-": none).
void TestCommands::eachCommandWaitsItsOwnTime_data() {
    QTest::addColumn<Caller>("caller");
    QTest::addColumn<QByteArrayList>("replies");
    QTest::addColumn<QStringList>("frames");
    const auto row = [](const char* name, const Caller& caller, const QByteArrayList& replies,
                        const QStringList& frames) {
        QTest::newRow(name) << caller << replies << frames;
    };
    const auto raw = [](qint16 timeoutMsec, const QByteArray& command, int length, const QByteArray& data) {
        return [=](Callers& c) {
            c.link.state.TimeoutMsec = timeoutMsec;
            c.link.SendCtCommand(command, length, data);
        };
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
    row("parameter write", raw(5000, "0WD", 23, "10004E2002020202FF"), {"0WD10004E2002020202FF"},
        {"0WD10004E2002020202FF 5000"});
    row("position write", raw(5000, "0WP", 16, "15212000FA0"), {"0WP15212000FA0"}, {"0WP15212000FA0 5000"});
    row("outputs", raw(5000, "0RS", 7, {}), {"0RS00"}, {"0RS 5000"});
    row("register read", raw(5000, "0RB", 10, "105"), {"0RB105FF"}, {"0RB105 5000"});
    row("register write", raw(5000, "0WB107", 10, "F3"), {"0WB107F3"}, {"0WB107F3 5000"});
    row("no time-out", raw(0, "0RH", 6, {}), {"0RH1"}, {"0RH -"});
    const auto move = [](Callers& c) {
        c.link.state.MyTimerLimit = 7.5f;
        c.link.SendCtMoveCommand("0MP", 16, "1");
    };
    row("move", move, {"0MP15212000FA0"}, {"0MP1 7500"});
    row("move recovery keeps the move's limit", move, {"0XP15212000FA0", "0CM0"}, {"0MP1 7500", "0CM0 7500"});
}

void TestCommands::eachCommandWaitsItsOwnTime() {
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

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
