// The settings read at start, the stored numbers, the stored device, and the platform's store.
#include "app/DeviceSettings.h"
#include "app/Startup.h"
#include "device/DeviceListLookup.h"
#include "support/TestContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

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
        asked = u"%1 %2 [%3] %4 %5"_s.arg(isVq).arg(isNew).arg(size, speed).arg(stroke);
        return lead_;
    }
    QString asked;

private:
    qint16 lead_;
};

// The loaded device in one line: series, type, list kind, [size], speed, stroke, lead, pulses per
// revolution, millimetres per pulse and mounting.
QString describe(const DeviceState& d) {
    return u"%1 %2 %3 [%4] %5 %6 %7 %8 %9 %10"_s.arg(
        d.IsVqSeries ? u"VQ"_s : u"JM"_s, d.NewOldText, QString::number(d.DevListKind), d.DevSize, d.DevSpeed,
        QString::number(d.DevStroke), QString::number(d.DevLead), QString::number(d.DevPPR),
        QString::number(d.MmPerPulse), d.VerticalFlag ? u"vertical"_s : u"horizontal"_s);
}

// Stores "key=value" pairs separated by ";".
void store(SettingsStore& settings, const QString& pairs) {
    for (const QString& pair : pairs.split(u';'))
        settings.writeText(pair.section(u'=', 0, 0), pair.section(u'=', 1));
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults();
    void storedNumbersAreRead();
    void startupFlagsFollowStoredNumbers();
    void deviceCheckRejectsUnusableValues();
    void leadFromTheListOrTheStore();
    void seriesTypeAndMounting();
    void savedDeviceLoadsBack();
    void platformStoreKeepsValuesInItsSection();
};

void TestSettings::emptyStoreGivesDefaults() {
    TestContext t;
    t.ctx.setLanguage(1);
    readStartupSettings(t.ctx);
    QCOMPARE(t.ctx.lang.LangNo, qint16(2));
    QCOMPARE(t.ctx.lang.LangOffset, qint16(10000));
    QVERIFY(!t.ctx.options.PortOccupyFlag && !t.ctx.options.PlsPosFlag && t.ctx.options.MmRoundUpFlag);
    QVERIFY(t.ctx.operation.LastPosNo == -1 && !t.ctx.operation.MoveDataReadFlag);
    QCOMPARE(loadDeviceSettings(t.ctx), 0);
    QCOMPARE(describe(t.ctx.device), u"VQ NEW 0 [ 28] L 100 2 400 0.005 vertical"_s);
    QVERIFY2(t.settings.values().isEmpty(), "loading must not write");
}

void TestSettings::storedNumbersAreRead() {
    const std::pair<const char*, int> stored[] = {{"7", 7},     {" 3 ", 3},  {"-1", -1}, {"32767", 32767},
                                                  {"32768", 5}, {"COM2", 5}, {"", 5},    {"1.5", 5}};
    for (const auto& [text, expected] : stored) {
        MemorySettingsStore store;
        store.writeText(u"PortNo"_s, QString::fromLatin1(text));
        QVERIFY2(store.readInt(u"PortNo"_s, 5) == expected, text);
    }
}

void TestSettings::startupFlagsFollowStoredNumbers() {
    // Stored language and flag value -> LangNo, LangOffset, the three flags.
    const std::tuple<const char*, const char*, int, int, bool> rows[] = {{"1", "1", 1, 0, true},
                                                                         {"2", "0", 2, 10000, false},
                                                                         {"3", "-1", 3, 10000, true},
                                                                         {"ja", "5", 2, 10000, true}};
    for (const auto& [language, flags, langNo, offset, on] : rows) {
        TestContext t;
        store(t.settings, u"Languege=%1;PortOccupy=%2;PLSPos=%2;MmRoundUp=%2"_s.arg(language, flags));
        readStartupSettings(t.ctx);
        QVERIFY2(t.ctx.lang.LangNo == langNo && t.ctx.lang.LangOffset == offset, language);
        const OptionsState& o = t.ctx.options;
        QVERIFY2(o.PortOccupyFlag == on && o.PlsPosFlag == on && o.MmRoundUpFlag == on, flags);
    }
}

// The stored size must be 3 characters, the speed start with "A" to "Z", the stroke lie in 10..700.
void TestSettings::deviceCheckRejectsUnusableValues() {
    const std::tuple<const char*, const char*, const char*, int> rows[] = {
        {" 35", "H", "50", 0},  {"42D", "L", "700", 0}, {" 28", "L", "10", 0},   {" 28", "L", "9", 1},
        {" 28", "L", "701", 1}, {"28", "L", "100", 1},  {" 28 ", "L", "100", 1}, {" 28", "l", "100", 1},
        {" 28", "", "100", 1},  {" 28", "[", "100", 1}, {" 28", "Hx", "100", 0}};
    for (const auto& [size, speed, stroke, result] : rows) {
        TestContext t;
        store(t.settings, u"DevSize=%1;DevSpeed=%2;DevStroke=%3"_s.arg(size, speed, stroke));
        t.ctx.device.DevSize = u"old"_s;
        const QString row =
            u"[%1] %2 %3"_s.arg(QLatin1String(size), QLatin1String(speed), QLatin1String(stroke));
        QVERIFY2(loadDeviceSettings(t.ctx) == result, qPrintable(row));
        const DeviceState& d = t.ctx.device;
        const QString taken = u"[%1] %2 %3"_s.arg(d.PrevDevSize, d.PrevDevSpeed).arg(d.PrevDevStroke);
        QVERIFY2(result == 0 ? (taken == row && d.DevSize == QLatin1String(size)) : d.DevSize == u"old"_s,
                 qPrintable(row));
    }
}

void TestSettings::leadFromTheListOrTheStore() {
    // The list's lead (-1: no list can be read), the stored lead -> result, DevLead.
    const std::tuple<int, const char*, int, int> rows[] = {{-1, "2", 0, 2}, {-1, "10", 0, 10},
                                                           {-1, "1", 1, 7}, {-1, "11", 1, 7},
                                                           {6, "99", 0, 6}, {0, "2", 1, 0}};
    for (const auto& [listLead, stored, result, devLead] : rows) {
        TestContext t;
        FixedLeadLookup lists(static_cast<qint16>(listLead));
        if (listLead >= 0)
            t.ctx.deviceLists = &lists;
        t.ctx.device.DevLead = 7;
        store(t.settings, u"DevLead=%1;DevSpeed=H;DevPPR=500"_s.arg(stored));
        QCOMPARE(loadDeviceSettings(t.ctx), result);
        QCOMPARE(int(t.ctx.device.DevLead), devLead);
        QCOMPARE(t.ctx.device.MmPerPulse, devLead / 500.0);
        QCOMPARE(lists.asked, listLead >= 0 ? u"1 1 [ 28] H 100"_s : QString());
    }
}

void TestSettings::seriesTypeAndMounting() {
    // "Device", "NewType", "Vertical" -> series, type, list kind and mounting; the stored mounting
    // wins over the NEW type's vertical.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"VQ", "1", "1", "VQ NEW 0 vertical"}, {"VQ", "1", "0", "VQ NEW 0 horizontal"},
        {"VQ", "0", "1", "VQ OLD 1 vertical"}, {"VQ", "2", "2", "VQ OLD 1 horizontal"},
        {"JM", "1", "1", "JM NEW 2 vertical"}, {"vq", "0", "0", "JM OLD 2 horizontal"}};
    for (const auto& [device, newType, vertical, loaded] : rows) {
        TestContext t;
        store(t.settings, u"Device=%1;NewType=%2;Vertical=%3"_s.arg(device, newType, vertical));
        bool oldShown = false;
        loadDeviceSettings(t.ctx, &oldShown);
        const QStringList parts = describe(t.ctx.device).split(u' ');
        QCOMPARE(QStringList({parts[0], parts[1], parts[2], parts.last()}).join(u' '), QLatin1String(loaded));
        QCOMPARE(oldShown, !t.ctx.device.IsNewType);
    }
}

void TestSettings::savedDeviceLoadsBack() {
    TestContext t;
    DeviceState& dev = t.ctx.device;
    dev.IsVqSeries = dev.IsNewType = dev.VerticalFlag = false;
    dev.DevSize = u" 35"_s;
    dev.DevSpeed = u"H"_s;
    dev.DevStroke = 250;
    dev.DevLead = 8;
    dev.DevPPR = 800;
    saveDeviceSettings(t.ctx);
    QStringList stored;
    for (const char* key :
         {"Device", "DevSize", "DevSpeed", "DevStroke", "DevLead", "DevPPR", "NewType", "Vertical"})
        stored << t.settings.readText(QString::fromLatin1(key), u"(none)"_s);
    QCOMPARE(stored.join(u'|'), u"JM| 35|H|250|8|800|0|0"_s);
    TestContext fresh;
    for (auto it = t.settings.values().begin(); it != t.settings.values().end(); ++it)
        fresh.settings.writeText(it.key(), it.value());
    QCOMPARE(loadDeviceSettings(fresh.ctx), 0);
    QCOMPARE(describe(fresh.ctx.device), u"JM OLD 2 [ 35] H 250 8 800 0.01 horizontal"_s);

    // A NEW device is always saved as vertical.
    dev.IsNewType = true;
    saveDeviceSettings(t.ctx);
    QCOMPARE(t.settings.readText(u"Vertical"_s, {}), u"1"_s);
    QVERIFY(dev.VerticalFlag);
}

void TestSettings::platformStoreKeepsValuesInItsSection() {
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    {
        QtSettingsStore store;
        QVERIFY2(store.fileName().startsWith(home.path()), qPrintable(store.fileName()));
        store.writeInt(u"PortNo"_s, 4);
        store.writeText(u"DevSize"_s, u" 28"_s);
    }
    QtSettingsStore reopened;
    QVERIFY(reopened.readInt(u"PortNo"_s, 1) == 4 && reopened.readText(u"DevSize"_s, {}) == u" 28"_s);
    QCOMPARE(reopened.readText(u"Absent"_s, u"dflt"_s), u"dflt"_s);
    QFile file(reopened.fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray contents = file.readAll();
    QVERIFY2(contents.contains("[Settings]") && contents.contains("PortNo=4"), contents.constData());
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
