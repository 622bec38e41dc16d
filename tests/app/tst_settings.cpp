#include "app/DeviceSettings.h"
#include "app/Startup.h"
#include "device/DeviceListLookup.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::TestContext;

namespace {

// A device list that can be read and answers one lead for every model.
class FixedLeadLookup : public DeviceListLookup {
public:
    explicit FixedLeadLookup(qint16 lead)
        : lead_(lead) {}
    bool listReadable(bool, bool) override { return true; }
    qint16 lookupLead(bool isVq, bool isNew, const QString& size, const QString& speed,
                      qint16 stroke) override {
        asked = QStringLiteral("%1 %2 [%3] %4 %5").arg(isVq).arg(isNew).arg(size, speed).arg(stroke);
        return lead_;
    }
    QString asked;

private:
    qint16 lead_;
};

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults();
    void storedNumbersAreRead_data();
    void storedNumbersAreRead();
    void startupFlagsFollowStoredNumbers_data();
    void startupFlagsFollowStoredNumbers();
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
    void platformStoreKeepsValuesInItsSection();
};

void TestSettings::emptyStoreGivesDefaults() {
    TestContext t;
    t.ctx.setLanguage(1);
    readStartupSettings(t.ctx);
    QCOMPARE(t.ctx.lang.LangNo, qint16(2));
    QCOMPARE(t.ctx.lang.LangOffset, qint16(10000));
    QVERIFY(!t.ctx.options.PortOccupyFlag);
    QVERIFY(!t.ctx.options.PlsPosFlag);
    QVERIFY(t.ctx.options.MmRoundUpFlag);
    QCOMPARE(t.ctx.operation.LastPosNo, qint16(-1));
    QVERIFY(!t.ctx.operation.MoveDataReadFlag);
    QCOMPARE(t.settings.readInt(QStringLiteral("PortNo"), 1), qint16(1));

    QCOMPARE(loadDeviceSettings(t.ctx), 0);
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
    QVERIFY2(t.settings.values().isEmpty(), "loading must not write");
}

void TestSettings::storedNumbersAreRead_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<int>("expected");
    QTest::newRow("plain") << "7" << 7;
    QTest::newRow("blank around") << " 3 " << 3;
    QTest::newRow("negative") << "-1" << -1;
    QTest::newRow("largest 16-bit") << "32767" << 32767;
    QTest::newRow("too large gives default") << "32768" << 5;
    QTest::newRow("not a number gives default") << "COM2" << 5;
    QTest::newRow("empty gives default") << "" << 5;
    QTest::newRow("decimal point gives default") << "1.5" << 5;
}

void TestSettings::storedNumbersAreRead() {
    QFETCH(QString, stored);
    QFETCH(int, expected);
    MemorySettingsStore store;
    store.writeText(QStringLiteral("PortNo"), stored);
    QCOMPARE(int(store.readInt(QStringLiteral("PortNo"), 5)), expected);
}

void TestSettings::startupFlagsFollowStoredNumbers_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<int>("langNo");
    QTest::addColumn<int>("offset");
    QTest::addColumn<bool>("on");
    QTest::newRow("Japanese, flags on") << u"1"_s << u"1"_s << 1 << 0 << true;
    QTest::newRow("English, flags off") << u"2"_s << u"0"_s << 2 << 10000 << false;
    QTest::newRow("other language is English, any non-zero is on") << u"3"_s << u"-1"_s << 3 << 10000 << true;
    QTest::newRow("garbage language is the default") << u"ja"_s << u"5"_s << 2 << 10000 << true;
}

void TestSettings::startupFlagsFollowStoredNumbers() {
    QFETCH(QString, language);
    QFETCH(QString, flags);
    QFETCH(int, langNo);
    QFETCH(int, offset);
    QFETCH(bool, on);
    TestContext t;
    t.settings.writeText(QStringLiteral("Languege"), language);
    for (const char* key : {"PortOccupy", "PLSPos", "MmRoundUp"})
        t.settings.writeText(QString::fromLatin1(key), flags);
    readStartupSettings(t.ctx);
    QCOMPARE(int(t.ctx.lang.LangNo), langNo);
    QCOMPARE(int(t.ctx.lang.LangOffset), offset);
    QCOMPARE(t.ctx.options.PortOccupyFlag, on);
    QCOMPARE(t.ctx.options.PlsPosFlag, on);
    QCOMPARE(t.ctx.options.MmRoundUpFlag, on);
}

void TestSettings::deviceCheckRejectsUnusableValues_data() {
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<QString>("stroke");
    QTest::addColumn<int>("result");
    QTest::newRow("usable") << u" 35"_s << u"H"_s << u"50"_s << 0;
    QTest::newRow("size with letter, longest stroke") << u"42D"_s << u"L"_s << u"700"_s << 0;
    QTest::newRow("shortest stroke") << u" 28"_s << u"L"_s << u"10"_s << 0;
    QTest::newRow("stroke 9") << u" 28"_s << u"L"_s << u"9"_s << 1;
    QTest::newRow("stroke 701") << u" 28"_s << u"L"_s << u"701"_s << 1;
    QTest::newRow("size of two characters") << u"28"_s << u"L"_s << u"100"_s << 1;
    QTest::newRow("size of four characters") << u" 28 "_s << u"L"_s << u"100"_s << 1;
    QTest::newRow("lower-case speed") << u" 28"_s << u"l"_s << u"100"_s << 1;
    QTest::newRow("empty speed") << u" 28"_s << QString() << u"100"_s << 1;
    QTest::newRow("speed beyond Z") << u" 28"_s << u"["_s << u"100"_s << 1;
    QTest::newRow("only the first speed letter counts") << u" 28"_s << u"Hx"_s << u"100"_s << 0;
}

void TestSettings::deviceCheckRejectsUnusableValues() {
    QFETCH(QString, size);
    QFETCH(QString, speed);
    QFETCH(QString, stroke);
    QFETCH(int, result);
    TestContext t;
    t.settings.writeText(QStringLiteral("DevSize"), size);
    t.settings.writeText(QStringLiteral("DevSpeed"), speed);
    t.settings.writeText(QStringLiteral("DevStroke"), stroke);
    t.ctx.device.DevSize = QStringLiteral("old");
    QCOMPARE(loadDeviceSettings(t.ctx), result);
    if (result == 0) {
        QCOMPARE(t.ctx.device.DevSize, size);
        QCOMPARE(t.ctx.device.PrevDevSize, size);
        QCOMPARE(t.ctx.device.PrevDevSpeed, speed);
        QCOMPARE(int(t.ctx.device.PrevDevStroke), stroke.toInt());
    } else {
        QCOMPARE(t.ctx.device.DevSize, QStringLiteral("old"));
    }
}

void TestSettings::storedLeadIsUsedWhenNoListCanBeRead_data() {
    QTest::addColumn<QString>("lead");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("devLead");
    QTest::newRow("2 is the smallest") << "2" << 0 << 2;
    QTest::newRow("10 is the largest") << "10" << 0 << 10;
    QTest::newRow("1 fails") << "1" << 1 << 7;
    QTest::newRow("11 fails") << "11" << 1 << 7;
}

void TestSettings::storedLeadIsUsedWhenNoListCanBeRead() {
    QFETCH(QString, lead);
    QFETCH(int, result);
    QFETCH(int, devLead);
    TestContext t;
    t.ctx.device.DevLead = 7;
    t.settings.writeText(QStringLiteral("DevLead"), lead);
    t.settings.writeText(QStringLiteral("DevPPR"), QStringLiteral("500"));
    QCOMPARE(loadDeviceSettings(t.ctx), result);
    QCOMPARE(int(t.ctx.device.DevLead), devLead);
    QCOMPARE(t.ctx.device.MmPerPulse, devLead / 500.0);
}

void TestSettings::leadComesFromTheDeviceList() {
    TestContext t;
    FixedLeadLookup lists(6);
    t.ctx.deviceLists = &lists;
    t.settings.writeText(QStringLiteral("DevLead"), QStringLiteral("99")); // ignored: the list is readable
    t.settings.writeText(QStringLiteral("DevSpeed"), QStringLiteral("H"));
    QCOMPARE(loadDeviceSettings(t.ctx), 0);
    QCOMPARE(t.ctx.device.DevLead, qint16(6));
    QCOMPARE(lists.asked, QStringLiteral("1 1 [ 28] H 100"));
    QCOMPARE(t.ctx.device.MmPerPulse, 6.0 / 400.0);
}

void TestSettings::deviceNotInListFails() {
    TestContext t;
    FixedLeadLookup lists(0);
    t.ctx.deviceLists = &lists;
    QCOMPARE(loadDeviceSettings(t.ctx), 1);
}

void TestSettings::newTypeWithoutVerticalRoundTrip() {
    TestContext t;
    t.settings.writeText(QStringLiteral("NewType"), QStringLiteral("1"));
    t.settings.writeText(QStringLiteral("Vertical"), QStringLiteral("0"));
    bool showOld = true;
    QCOMPARE(loadDeviceSettings(t.ctx, &showOld), 0);
    QVERIFY(t.ctx.device.IsNewType);
    QVERIFY(!showOld);
    QVERIFY2(!t.ctx.device.VerticalFlag, "the stored vertical setting overrides the NEW type");

    saveDeviceSettings(t.ctx);
    QCOMPARE(t.settings.readText(QStringLiteral("NewType"), {}), QStringLiteral("1"));
    QCOMPARE(t.settings.readText(QStringLiteral("Vertical"), {}), QStringLiteral("1"));
    QVERIFY(t.ctx.device.VerticalFlag);
}

void TestSettings::seriesAndTypeGiveTheListKind_data() {
    QTest::addColumn<QString>("device");
    QTest::addColumn<QString>("newType");
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("isNew");
    QTest::newRow("VQ NEW") << u"VQ"_s << u"1"_s << 0 << true;
    QTest::newRow("VQ OLD") << u"VQ"_s << u"0"_s << 1 << false;
    QTest::newRow("VQ, NewType 2 is OLD") << u"VQ"_s << u"2"_s << 1 << false;
    QTest::newRow("JM") << u"JM"_s << u"1"_s << 2 << true;
    QTest::newRow("anything else is JM") << u"vq"_s << u"0"_s << 2 << false;
}

void TestSettings::seriesAndTypeGiveTheListKind() {
    QFETCH(QString, device);
    QFETCH(QString, newType);
    QFETCH(int, kind);
    QFETCH(bool, isNew);
    TestContext t;
    t.settings.writeText(u"Device"_s, device);
    t.settings.writeText(u"NewType"_s, newType);
    bool oldShown = isNew;
    loadDeviceSettings(t.ctx, &oldShown);
    QCOMPARE(int(t.ctx.device.DevListKind), kind);
    QCOMPARE(t.ctx.device.IsNewType, isNew);
    QCOMPARE(t.ctx.device.NewOldText, isNew ? u"NEW"_s : u"OLD"_s);
    QCOMPARE(oldShown, !isNew);
}

void TestSettings::savedDeviceLoadsBack() {
    TestContext t;
    DeviceState& dev = t.ctx.device;
    dev.IsVqSeries = false;
    dev.IsNewType = false;
    dev.DevSize = QStringLiteral(" 35");
    dev.DevSpeed = QStringLiteral("H");
    dev.DevStroke = 250;
    dev.DevLead = 8;
    dev.DevPPR = 800;
    dev.VerticalFlag = false;
    saveDeviceSettings(t.ctx);
    const QHash<QString, QString> expected{{QStringLiteral("Device"), QStringLiteral("JM")},
                                           {QStringLiteral("DevSize"), QStringLiteral(" 35")},
                                           {QStringLiteral("DevSpeed"), QStringLiteral("H")},
                                           {QStringLiteral("DevStroke"), QStringLiteral("250")},
                                           {QStringLiteral("DevLead"), QStringLiteral("8")},
                                           {QStringLiteral("DevPPR"), QStringLiteral("800")},
                                           {QStringLiteral("NewType"), QStringLiteral("0")},
                                           {QStringLiteral("Vertical"), QStringLiteral("0")}};
    QCOMPARE(t.settings.values(), expected);

    TestContext fresh;
    for (auto it = expected.begin(); it != expected.end(); ++it)
        fresh.settings.writeText(it.key(), it.value());
    QCOMPARE(loadDeviceSettings(fresh.ctx), 0);
    QVERIFY(!fresh.ctx.device.IsVqSeries);
    QVERIFY(!fresh.ctx.device.IsNewType);
    QCOMPARE(fresh.ctx.device.DevSize, QStringLiteral(" 35"));
    QCOMPARE(fresh.ctx.device.DevStroke, qint16(250));
    QCOMPARE(fresh.ctx.device.DevLead, qint16(8));
    QCOMPARE(fresh.ctx.device.DevPPR, qint16(800));
    QVERIFY(!fresh.ctx.device.VerticalFlag);
}

void TestSettings::platformStoreKeepsValuesInItsSection() {
    QTemporaryDir home;
    QVERIFY(home.isValid());
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    {
        QtSettingsStore store;
        QVERIFY2(store.fileName().startsWith(home.path()), qPrintable(store.fileName()));
        store.writeInt(QStringLiteral("PortNo"), 4);
        store.writeText(QStringLiteral("DevSize"), QStringLiteral(" 28"));
    }
    QtSettingsStore reopened;
    QCOMPARE(reopened.readInt(QStringLiteral("PortNo"), 1), qint16(4));
    QCOMPARE(reopened.readText(QStringLiteral("DevSize"), {}), QStringLiteral(" 28"));
    QCOMPARE(reopened.readText(QStringLiteral("Absent"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    QFile file(reopened.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY2(contents.contains("[Settings]") && contents.contains("PortNo=4"), contents.constData());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
