#include "DeviceFixture.h"
#include "device/DeviceSettings.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

const QString kNoListMessage = QStringLiteral("No device list file.\r\n\r\nPut device list file in the "
                                              "folder in which the program is saved in order to "
                                              "indicate device information correctly.");

} // namespace

class TestDeviceSettings : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesTheDefaultDevice();
    void deviceCheckRejectsUnusableValues_data();
    void deviceCheckRejectsUnusableValues();
    void storedLeadIsUsedWhenNoListCanBeRead_data();
    void storedLeadIsUsedWhenNoListCanBeRead();
    void leadComesFromTheDeviceList();
    void deviceNotInListFails();
    void newTypeWithoutVerticalRoundTrip();
    void seriesAndTypeGiveTheListKind_data();
    void seriesAndTypeGiveTheListKind();
    void savedDeviceLoadsBack();
};

void TestDeviceSettings::emptyStoreGivesTheDefaultDevice() {
    TestContext t; // the shipped lists beside the test program
    DeviceCatalogue catalogue(t.ctx);
    QCOMPARE(loadDeviceSettings(t.ctx, catalogue), 0);
    const DeviceState& dev = t.ctx.device;
    QVERIFY(dev.IsVqSeries);
    QVERIFY(dev.IsNewType);
    QCOMPARE(dev.NewOldText, QStringLiteral("NEW"));
    QCOMPARE(dev.DevListKind, qint16(0));
    QCOMPARE(dev.DevSize, QStringLiteral(" 28"));
    QCOMPARE(dev.DevSpeed, QStringLiteral("L"));
    QCOMPARE(dev.DevStroke, qint16(100));
    QCOMPARE(dev.DevLead, qint16(2));
    QCOMPARE(dev.DevPPR, qint16(400));
    QVERIFY(dev.VerticalFlag);
    QCOMPARE(dev.MmPerPulse, 2.0 / 400.0);
    QVERIFY(t.op.messages.isEmpty());
    QVERIFY2(t.settings.values().isEmpty(), "loading must not write");
}

void TestDeviceSettings::deviceCheckRejectsUnusableValues_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("stroke");
    QTest::addColumn<int>("result");
    QTest::newRow("usable") << " 35"
                            << "H"
                            << "50" << 0;
    QTest::newRow("size with letter") << "42D"
                                      << "L"
                                      << "700" << 0;
    QTest::newRow("shortest stroke") << " 28"
                                     << "L"
                                     << "10" << 0;
    QTest::newRow("stroke 9") << " 28"
                              << "L"
                              << "9" << 1;
    QTest::newRow("stroke 701") << " 28"
                                << "L"
                                << "701" << 1;
    QTest::newRow("size of two characters") << "28"
                                            << "L"
                                            << "100" << 1;
    QTest::newRow("size of four characters") << " 28 "
                                             << "L"
                                             << "100" << 1;
    QTest::newRow("lower-case speed") << " 28"
                                      << "l"
                                      << "100" << 1;
    QTest::newRow("empty speed") << " 28"
                                 << ""
                                 << "100" << 1;
    QTest::newRow("speed beyond Z") << " 28"
                                    << "["
                                    << "100" << 1;
    QTest::newRow("only the first speed letter counts") << " 28"
                                                        << "Hx"
                                                        << "100" << 0;
}

void TestDeviceSettings::deviceCheckRejectsUnusableValues() {
    QFETCH(QString, size);
    QFETCH(QString, speed);
    QFETCH(QString, stroke);
    QFETCH(int, result);
    DeviceFixture f; // no lists: the stored lead is used
    f.t.settings.writeText(QStringLiteral("DevSize"), size);
    f.t.settings.writeText(QStringLiteral("DevSpeed"), speed);
    f.t.settings.writeText(QStringLiteral("DevStroke"), stroke);
    f.t.ctx.device.DevSize = QStringLiteral("old");
    QCOMPARE(loadDeviceSettings(f.t.ctx, f.catalogue), result);
    const DeviceState& dev = f.t.ctx.device;
    if (result == 0) {
        QCOMPARE(dev.DevSize, size);
        QCOMPARE(dev.PrevDevSize, size);
        QCOMPARE(dev.PrevDevSpeed, speed);
        QCOMPARE(int(dev.PrevDevStroke), stroke.toInt());
    } else {
        QCOMPARE(dev.DevSize, QStringLiteral("old"));
    }
    QCOMPARE(f.texts(), QStringList{kNoListMessage});
}

void TestDeviceSettings::storedLeadIsUsedWhenNoListCanBeRead_data() {
    QTest::addColumn<QString>("list"); // the NEW list's contents; empty: no file
    QTest::addColumn<QString>("lead");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("devLead");
    QTest::newRow("2 is the smallest") << ""
                                       << "2" << 0 << 2;
    QTest::newRow("10 is the largest") << ""
                                       << "10" << 0 << 10;
    QTest::newRow("1 fails") << ""
                             << "1" << 1 << 7;
    QTest::newRow("11 fails") << ""
                              << "11" << 1 << 7;
    QTest::newRow("a truncated list cannot be read") << "2\n\" 28L-100\",6,400,30,1\n"
                                                     << "4" << 0 << 4;
}

void TestDeviceSettings::storedLeadIsUsedWhenNoListCanBeRead() {
    QFETCH(QString, list);
    QFETCH(QString, lead);
    QFETCH(int, result);
    QFETCH(int, devLead);
    DeviceFixture f;
    if (!list.isEmpty())
        f.write(QStringLiteral("nvqdevice.lst"), list.toUtf8());
    f.t.ctx.device.DevLead = 7;
    f.t.settings.writeText(QStringLiteral("DevLead"), lead);
    f.t.settings.writeText(QStringLiteral("DevPPR"), QStringLiteral("500"));
    QCOMPARE(loadDeviceSettings(f.t.ctx, f.catalogue), result);
    QCOMPARE(int(f.t.ctx.device.DevLead), devLead);
    QCOMPARE(f.t.ctx.device.MmPerPulse, devLead / 500.0);
    QCOMPARE(f.t.op.messages.size(), 1);
    QVERIFY(f.t.op.lastText().startsWith(kNoListMessage));
}

void TestDeviceSettings::leadComesFromTheDeviceList() {
    DeviceFixture f;
    f.write(QStringLiteral("nvqdevice.lst"), "2\n\" 28L-100\",2,400,30,1\n\" 28H-100\",6,400,30,1\n");
    f.t.settings.writeText(QStringLiteral("DevLead"), QStringLiteral("99")); // ignored: the list is readable
    f.t.settings.writeText(QStringLiteral("DevSpeed"), QStringLiteral("H"));
    QCOMPARE(loadDeviceSettings(f.t.ctx, f.catalogue), 0);
    QCOMPARE(f.t.ctx.device.DevLead, qint16(6));
    QCOMPARE(f.t.ctx.device.MmPerPulse, 6.0 / 400.0);
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestDeviceSettings::deviceNotInListFails() {
    DeviceFixture f;
    f.write(QStringLiteral("jmdevice.lst"), "1\n\" 28L-100\",6,400,30,0\n");
    f.t.settings.writeText(QStringLiteral("Device"), QStringLiteral("JM"));
    f.t.settings.writeText(QStringLiteral("DevStroke"), QStringLiteral("150"));
    f.t.ctx.device.DevLead = 8;
    QCOMPARE(loadDeviceSettings(f.t.ctx, f.catalogue), 1);
    QCOMPARE(f.t.ctx.device.DevLead, qint16(8));
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestDeviceSettings::newTypeWithoutVerticalRoundTrip() {
    TestContext t;
    DeviceCatalogue catalogue(t.ctx);
    t.settings.writeText(QStringLiteral("NewType"), QStringLiteral("1"));
    t.settings.writeText(QStringLiteral("Vertical"), QStringLiteral("0"));
    bool showOld = true;
    QCOMPARE(loadDeviceSettings(t.ctx, catalogue, &showOld), 0);
    QVERIFY(t.ctx.device.IsNewType);
    QVERIFY(!showOld);
    QVERIFY2(!t.ctx.device.VerticalFlag, "the stored vertical setting overrides the NEW type");

    saveDeviceSettings(t.ctx);
    QCOMPARE(t.settings.readText(QStringLiteral("NewType"), {}), QStringLiteral("1"));
    QCOMPARE(t.settings.readText(QStringLiteral("Vertical"), {}), QStringLiteral("1"));
    QVERIFY(t.ctx.device.VerticalFlag);
}

void TestDeviceSettings::seriesAndTypeGiveTheListKind_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("newType");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<bool>("showOld");
    QTest::newRow("VQ NEW") << "VQ"
                            << "1" << 0 << true << false;
    QTest::newRow("VQ OLD") << "VQ"
                            << "0" << 1 << false << true;
    QTest::newRow("VQ, NewType 2 is OLD") << "VQ"
                                          << "2" << 1 << false << true;
    QTest::newRow("JM") << "JM"
                        << "1" << 2 << true << false;
    QTest::newRow("anything else is JM") << "vq"
                                         << "0" << 2 << false << true;
}

void TestDeviceSettings::seriesAndTypeGiveTheListKind() {
    QFETCH(QString, device);
    QFETCH(QString, newType);
    QFETCH(int, kind);
    QFETCH(bool, isNew);
    QFETCH(bool, showOld);
    TestContext t;
    DeviceCatalogue catalogue(t.ctx);
    t.settings.writeText(QStringLiteral("Device"), device);
    t.settings.writeText(QStringLiteral("NewType"), newType);
    bool oldShown = !showOld;
    QCOMPARE(loadDeviceSettings(t.ctx, catalogue, &oldShown), 0);
    QCOMPARE(int(t.ctx.device.DevListKind), kind);
    QCOMPARE(t.ctx.device.IsNewType, isNew);
    QCOMPARE(t.ctx.device.NewOldText, isNew ? QStringLiteral("NEW") : QStringLiteral("OLD"));
    QCOMPARE(oldShown, showOld);
}

void TestDeviceSettings::savedDeviceLoadsBack() {
    TestContext t;
    DeviceState& dev = t.ctx.device;
    dev.IsVqSeries = false;
    dev.IsNewType = false;
    dev.DevSize = QStringLiteral(" 35");
    dev.DevSpeed = QStringLiteral("H");
    dev.DevStroke = 400;
    dev.DevLead = 8;
    dev.DevPPR = 800;
    dev.VerticalFlag = false;
    saveDeviceSettings(t.ctx);
    const QHash<QString, QString> expected{{QStringLiteral("Device"), QStringLiteral("JM")},
                                           {QStringLiteral("DevSize"), QStringLiteral(" 35")},
                                           {QStringLiteral("DevSpeed"), QStringLiteral("H")},
                                           {QStringLiteral("DevStroke"), QStringLiteral("400")},
                                           {QStringLiteral("DevLead"), QStringLiteral("8")},
                                           {QStringLiteral("DevPPR"), QStringLiteral("800")},
                                           {QStringLiteral("NewType"), QStringLiteral("0")},
                                           {QStringLiteral("Vertical"), QStringLiteral("0")}};
    QCOMPARE(t.settings.values(), expected);

    TestContext fresh;
    DeviceCatalogue catalogue(fresh.ctx);
    for (auto it = expected.begin(); it != expected.end(); ++it)
        fresh.settings.writeText(it.key(), it.value());
    QCOMPARE(loadDeviceSettings(fresh.ctx, catalogue), 0);
    QVERIFY(!fresh.ctx.device.IsVqSeries);
    QVERIFY(!fresh.ctx.device.IsNewType);
    QCOMPARE(fresh.ctx.device.DevSize, QStringLiteral(" 35"));
    QCOMPARE(fresh.ctx.device.DevStroke, qint16(400));
    QCOMPARE(fresh.ctx.device.DevLead, qint16(8)); // JM-35H in the shipped JM list
    QCOMPARE(fresh.ctx.device.DevPPR, qint16(800));
    QVERIFY(!fresh.ctx.device.VerticalFlag);
}

QTEST_GUILESS_MAIN(TestDeviceSettings)
#include "tst_device_settings.moc"
