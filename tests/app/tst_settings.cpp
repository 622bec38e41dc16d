#include "app/Startup.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

class TestSettings : public QObject {
    Q_OBJECT
private slots:
    void emptyStoreGivesDefaults();
    void storedNumbersAreRead_data();
    void storedNumbersAreRead();
    void startupFlagsFollowStoredNumbers_data();
    void startupFlagsFollowStoredNumbers();
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
    QTest::newRow("Japanese, flags on") << "1"
                                        << "1" << 1 << 0 << true;
    QTest::newRow("English, flags off") << "2"
                                        << "0" << 2 << 10000 << false;
    QTest::newRow("other language is English, any non-zero is on") << "3"
                                                                   << "-1" << 3 << 10000 << true;
    QTest::newRow("garbage language is the default") << "ja"
                                                     << "5" << 2 << 10000 << true;
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
