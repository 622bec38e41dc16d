#include "DeviceFixture.h"
#include "app/Options.h"
#include "app/Startup.h"
#include "device/DeviceSettings.h"

#include <QSettings>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

class TestDeviceSettings : public QObject {
    Q_OBJECT
private slots:
    void load_data() {
        QTest::addColumn<QString>("keys"); // key=value;... over an empty store
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("device");
        QTest::newRow("empty store") << "" << 0 << "VQ NEW 0 [ 28]L-100 2/400 vertical";
        QTest::newRow("lead from the list")
            << "DevSpeed=H;DevLead=9" << 0 << "VQ NEW 0 [ 28]H-100 6/400 vertical";
        QTest::newRow("NEW but not vertical") << "Vertical=0" << 0 << "VQ NEW 0 [ 28]L-100 2/400";
        QTest::newRow("OLD, NewType 2")
            << "NewType=2;DevSize=42D;DevStroke=500" << 0 << "VQ OLD 1 [42D]L-500 4/400 vertical";
        QTest::newRow("anything but VQ is JM") << "Device=vq;DevSize= 42;DevSpeed=Hx;DevStroke=600" << 1
                                               << "JM NEW 2 [ 42]Hx-600 7/400 vertical";
        QTest::newRow("JM") << "Device=JM;NewType=0;DevSpeed=H;DevStroke=200;DevPPR=800;Vertical=0" << 0
                            << "JM OLD 2 [ 28]H-200 6/800";
        QTest::newRow("not in the list: lead kept")
            << "DevStroke=250;DevSpeed=H" << 1 << "VQ NEW 0 [ 28]H-250 7/400 vertical";
        QTest::newRow("stroke 9") << "DevStroke=9" << 1 << "VQ NEW 0 [old]?-0 7/400 vertical";
        QTest::newRow("stroke 701") << "DevStroke=701" << 1 << "VQ NEW 0 [old]?-0 7/400 vertical";
        QTest::newRow("size of two characters") << "DevSize=28" << 1 << "VQ NEW 0 [old]?-0 7/400 vertical";
        QTest::newRow("lower-case speed") << "DevSpeed=l" << 1 << "VQ NEW 0 [old]?-0 7/400 vertical";
        QTest::newRow("empty speed") << "DevSpeed=" << 1 << "VQ NEW 0 [old]?-0 7/400 vertical";
    }

    void load() {
        QFETCH(QString, keys);
        QFETCH(int, result);
        QFETCH(QString, device);
        TestContext t; // the shipped lists beside the test program
        DeviceCatalogue catalogue(t.ctx);
        for (const QString& pair : keys.split(QLatin1Char(';'), Qt::SkipEmptyParts))
            t.settings.writeText(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
        const auto before = t.settings.values();
        t.ctx.device.DevSize = QStringLiteral("old");
        t.ctx.device.DevSpeed = QStringLiteral("?");
        t.ctx.device.DevStroke = 0;
        t.ctx.device.DevLead = 7;
        bool oldShown = false;
        QCOMPARE(loadDeviceSettings(t.ctx, catalogue, &oldShown), result);
        QCOMPARE(describe(t.ctx.device), device);
        QCOMPARE(oldShown, !t.ctx.device.IsNewType);
        QCOMPARE(t.ctx.device.MmPerPulse, double(t.ctx.device.DevLead) / t.ctx.device.DevPPR);
        if (result == 0)
            QCOMPARE(t.ctx.device.PrevDevSize + t.ctx.device.PrevDevSpeed,
                     t.ctx.device.DevSize + t.ctx.device.DevSpeed);
        QVERIFY(t.op.messages.isEmpty());
        QVERIFY2(t.settings.values() == before, "loading must not write");
    }

    // A damaged settings file starts the run on the default of every value that cannot be read, and can be
    // written again. Read: language, port, the three flags, the port's device | device | load result.
    void damagedSettingsFile_data() {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QString>("read");
        const QString defaults = u"2 1 001 COM1|VQ NEW 0 [ 28]L-100 2/400 vertical|"_s;
        QTest::newRow("garbage, huge numbers") << "[Settings]\nLanguege=99999999999\nPortNo=0\nPortOccupy="
                                                  "yes\nDevStroke=1e9\nDevPPR=0\nPLSPos=1e300\n"
                                                  "MmRoundUp=\n"_ba
                                               << defaults + u"1"_s;
        QTest::newRow("no section, lists, variants")
            << "PortNo=3\n[Other]\nLanguege=1\n[Settings]\nPortNo=1, 2\nDevice=@Variant(\0\0\0\x7f\xff)\n"
               "DevSize=@ByteArray( 42)\n"_ba
            << defaults + u"0"_s;
        QTest::newRow("binary junk")
            << "[Settings]\nPortNo=\x01\xff\nDevSize=\xff\xfe\xfd\nPortDevice1=/dev/\x01tty\n"
               "Languege=\xc3\x28\n\0\0\n[Settings\n"_ba +
                   QByteArray(200000, '9') + "\n[Settings\0\xff]\nPortNo=5\n"_ba
            << defaults + u"1"_s;
    }
    void damagedSettingsFile() {
        QFETCH(QByteArray, ini);
        QFETCH(QString, read);
        QTemporaryDir dir;
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
        QFile file(dir.filePath(u"ZO-VI/ZO-VI.ini"_s));
        QVERIFY(QDir(dir.path()).mkdir(u"ZO-VI"_s) && file.open(QIODevice::WriteOnly) &&
                file.write(ini) == ini.size() && file.flush());
        QtSettingsStore store;
        TestContext t;
        AppContext ctx(store, t.catalogue, t.op, t.folder);
        readStartupSettings(ctx);
        OptionsState& o = ctx.options;
        o.PortNo = storedPortNo(ctx);
        DeviceCatalogue catalogue(ctx);
        const int result = loadDeviceSettings(ctx, catalogue);
        const QString flags = u"%1%2%3"_s.arg(o.PortOccupyFlag).arg(o.PlsPosFlag).arg(o.MmRoundUpFlag);
        QCOMPARE(u"%1 %2 %3 %4|%5|%6"_s.arg(ctx.lang.LangNo)
                     .arg(o.PortNo)
                     .arg(flags, portDeviceName(ctx, o.PortNo), describe(ctx.device))
                     .arg(result),
                 QString(read).replace(u"COM1"_s, platformPortName(1)));
        store.writeInt(u"PortNo"_s, 4);
        QCOMPARE(QtSettingsStore().readInt(u"PortNo"_s, 1), qint16(4));
    }

    void leadWhenNoListCanBeRead_data() {
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("devLead");
        QTest::newRow("2 is the smallest") << 2 << 0 << 2;
        QTest::newRow("10 is the largest") << 10 << 0 << 10;
        QTest::newRow("1 fails") << 1 << 1 << 7;
        QTest::newRow("11 fails") << 11 << 1 << 7;
    }

    void leadWhenNoListCanBeRead() {
        QFETCH(int, lead);
        QFETCH(int, result);
        QFETCH(int, devLead);
        DeviceFixture f; // an empty data folder
        f.t.ctx.device.DevLead = 7;
        f.t.settings.writeInt(QStringLiteral("DevLead"), lead);
        QCOMPARE(loadDeviceSettings(f.t.ctx, f.catalogue), result);
        QCOMPARE(int(f.t.ctx.device.DevLead), devLead);
        QVERIFY(f.t.op.texts().size() == 1 && f.t.op.lastText().startsWith(f.t.ctx.texts.joined({551, 552})));
    }

    void savedDeviceLoadsBack() {
        TestContext t;
        DeviceState& dev = t.ctx.device;
        dev.IsVqSeries = dev.IsNewType = dev.VerticalFlag = false;
        dev.DevSize = QStringLiteral(" 35");
        dev.DevSpeed = QStringLiteral("H");
        dev.DevStroke = 400;
        dev.DevLead = 8;
        dev.DevPPR = 800;
        saveDeviceSettings(t.ctx);
        QStringList keys;
        for (const char* key :
             {"Device", "DevSize", "DevSpeed", "DevStroke", "DevLead", "DevPPR", "NewType", "Vertical"})
            keys << t.settings.readText(QString::fromLatin1(key), QStringLiteral("?"));
        QCOMPARE(keys.join(QLatin1Char('|')), QStringLiteral("JM| 35|H|400|8|800|0|0"));
        DeviceCatalogue catalogue(t.ctx);
        dev = DeviceState();
        QCOMPARE(loadDeviceSettings(t.ctx, catalogue), 0);
        QCOMPARE(describe(dev), QStringLiteral("JM OLD 2 [ 35]H-400 8/800"));

        // A NEW device is saved as vertical whatever was loaded.
        dev.IsVqSeries = dev.IsNewType = true;
        saveDeviceSettings(t.ctx);
        QCOMPARE(t.settings.readText(QStringLiteral("NewType"), {}) +
                     t.settings.readText(QStringLiteral("Vertical"), {}),
                 QStringLiteral("11"));
        QVERIFY(dev.VerticalFlag);
    }
};

QTEST_GUILESS_MAIN(TestDeviceSettings)
#include "tst_device_settings.moc"
