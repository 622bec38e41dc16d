// The settings read at start, the stored numbers and the platform's store.
#include "app/Startup.h"
#include "support/TestContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::TestContext;

namespace {
// Stores "key=value" pairs separated by ";".
void store(SettingsStore& settings, const QString& pairs) {
    for (const QString& pair : pairs.split(u';'))
        settings.writeText(pair.section(u'=', 0, 0), pair.section(u'=', 1));
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults() {
        TestContext t;
        t.ctx.setLanguage(1);
        readStartupSettings(t.ctx);
        QCOMPARE(t.ctx.lang.LangNo, qint16(2));
        QCOMPARE(t.ctx.lang.LangOffset, qint16(10000));
        QVERIFY(!t.ctx.options.PortOccupyFlag && !t.ctx.options.PlsPosFlag && t.ctx.options.MmRoundUpFlag);
        QVERIFY(t.ctx.operation.LastPosNo == -1 && !t.ctx.operation.MoveDataReadFlag);
        QVERIFY2(t.settings.values().isEmpty(), "loading must not write");
    }

    void storedNumbersAreRead() {
        const std::pair<const char*, int> stored[] = {{"7", 7},     {" 3 ", 3},  {"-1", -1}, {"32767", 32767},
                                                      {"32768", 5}, {"COM2", 5}, {"", 5},    {"1.5", 5}};
        for (const auto& [text, expected] : stored) {
            MemorySettingsStore store;
            store.writeText(u"PortNo"_s, QString::fromLatin1(text));
            QVERIFY2(store.readInt(u"PortNo"_s, 5) == expected, text);
        }
    }

    void startupFlagsFollowStoredNumbers() {
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

    void platformStoreKeepsValuesInItsSection() {
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
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
