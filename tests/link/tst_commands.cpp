#include "link/CtCommands.h"
#include "link/ReplyFields.h"
#include "support/LinkFixture.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

using ModelFixture = LinkFixture<ModelPort>;

} // namespace

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

QTEST_GUILESS_MAIN(TestCommands)
#include "tst_commands.moc"
