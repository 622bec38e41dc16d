#include "app/Options.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void keyFilterTakesOneDigitFromZeroToThree_data();
    void keyFilterTakesOneDigitFromZeroToThree();
    void loadShowsTheRunState();
    void loadFallsBackToStoredPort_data();
    void loadFallsBackToStoredPort();
    void loadRereadsAnUnknownLanguage();
    void currentDownChoiceFollowsTheCode_data();
    void currentDownChoiceFollowsTheCode();
    void uncheckingChangeBkDisablesTheChoice();
    void okPortOutsideOneToNineTakesTheStoredPort_data();
    void okPortOutsideOneToNineTakesTheStoredPort();
    void okStoresFlagsAndNotThePort();
    void okCurrentDown_data();
    void okCurrentDown();
    void languageChosenTwiceKeepsTheFlag();
    void pulseDisplayChangeIsRemembered();
    void portDeviceMapping();
};

void TestOptions::keyFilterTakesOneDigitFromZeroToThree_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("0 into empty") << 0 << int('0') << true;
    QTest::newRow("3 into empty") << 0 << int('3') << true;
    QTest::newRow("4 into empty") << 0 << int('4') << false;
    QTest::newRow("9 into empty") << 0 << int('9') << false;
    QTest::newRow("letter into empty") << 0 << int('a') << false;
    QTest::newRow("Backspace into empty") << 0 << 8 << true;
    QTest::newRow("Tab into empty") << 0 << 9 << true;
    QTest::newRow("Enter is swallowed") << 0 << 13 << false;
    QTest::newRow("Enter is swallowed when full") << 1 << 13 << false;
    QTest::newRow("second digit refused") << 1 << int('1') << false;
    QTest::newRow("Backspace when full") << 1 << 8 << true;
    QTest::newRow("Tab refused when full") << 1 << 9 << false;
}

void TestOptions::keyFilterTakesOneDigitFromZeroToThree() {
    QFETCH(int, length);
    QFETCH(int, key);
    QFETCH(bool, accepted);
    QCOMPARE(optionDigitKeyAccepted(length, key), accepted);
}

void TestOptions::loadShowsTheRunState() {
    TestContext t;
    t.ctx.options.PortNo = 3;
    t.ctx.options.PortOccupyFlag = true;
    t.ctx.options.PlsPosFlag = true;
    t.ctx.options.ParametaShow = true;
    const OptionsForm form = loadOptionsForm(t.ctx);
    QCOMPARE(form.portText, QStringLiteral("3"));
    QVERIFY(form.portOccupy);
    QVERIFY(form.dispPulsPosi);
    QVERIFY(form.parametaShow);
    QVERIFY(!form.changeBk);
    QVERIFY(!form.breakSetVisible);
    QVERIFY(!form.currentDownEnabled);
    QCOMPARE(form.currentDown, 0);
    QCOMPARE(form.language, 1);
}

void TestOptions::loadFallsBackToStoredPort_data() {
    QTest::addColumn<int>("portNo");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("1 is used") << 1 << "5"
                               << "1";
    QTest::newRow("9 is used") << 9 << "5"
                               << "9";
    QTest::newRow("0 takes the stored port") << 0 << "5"
                                             << "5";
    QTest::newRow("10 takes the stored port") << 10 << "6"
                                              << "6";
    QTest::newRow("nothing stored gives 1") << 0 << ""
                                            << "1";
}

void TestOptions::loadFallsBackToStoredPort() {
    QFETCH(int, portNo);
    QFETCH(QString, stored);
    QFETCH(QString, shown);
    TestContext t;
    if (!stored.isEmpty())
        t.settings.writeText(QStringLiteral("PortNo"), stored);
    t.ctx.options.PortNo = static_cast<qint16>(portNo);
    QCOMPARE(loadOptionsForm(t.ctx).portText, shown);
}

void TestOptions::loadRereadsAnUnknownLanguage() {
    TestContext t;
    t.ctx.lang.LangNo = 7;
    t.settings.writeText(QStringLiteral("Languege"), QStringLiteral("1"));
    QCOMPARE(loadOptionsForm(t.ctx).language, 0);
    QCOMPARE(t.ctx.lang.LangNo, qint16(1));
}

void TestOptions::currentDownChoiceFollowsTheCode_data() {
    QTest::addColumn<bool>("changeFlag");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("breakNo");
    QTest::newRow("changed, carried out") << true << 2 << 0 << "2";
    QTest::newRow("changed, not carried out") << true << 0 << 1 << "0";
    QTest::newRow("not changed") << false << 0 << 0 << "";
}

void TestOptions::currentDownChoiceFollowsTheCode() {
    QFETCH(bool, changeFlag);
    QFETCH(int, code);
    QFETCH(int, choice);
    QFETCH(QString, breakNo);
    TestContext t;
    t.ctx.options.BkCdChangeFlag = changeFlag;
    t.ctx.options.BkCdCode = static_cast<qint16>(code);
    const OptionsForm form = loadOptionsForm(t.ctx);
    QCOMPARE(form.changeBk, changeFlag);
    QCOMPARE(form.breakSetVisible, changeFlag);
    QCOMPARE(form.currentDownEnabled, changeFlag);
    QCOMPARE(form.currentDown, choice);
    QCOMPARE(form.breakNoText, breakNo);
}

void TestOptions::uncheckingChangeBkDisablesTheChoice() {
    OptionsForm form;
    setChangeBk(form, true);
    QVERIFY(form.currentDownEnabled);
    form.currentDown = 1;
    setChangeBk(form, false);
    QVERIFY(!form.currentDownEnabled);
    QCOMPARE(form.currentDown, 0);
}

void TestOptions::okPortOutsideOneToNineTakesTheStoredPort_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("portNo");
    QTest::newRow("2") << "2" << 2;
    QTest::newRow("9") << "9" << 9;
    QTest::newRow("0") << "0" << 4;
    QTest::newRow("empty") << "" << 4;
    QTest::newRow("10") << "10" << 4;
    QTest::newRow("letters") << "x" << 4;
}

void TestOptions::okPortOutsideOneToNineTakesTheStoredPort() {
    QFETCH(QString, typed);
    QFETCH(int, portNo);
    TestContext t;
    t.settings.writeText(QStringLiteral("PortNo"), QStringLiteral("4"));
    t.ctx.options.PortNo = 7;
    OptionsForm form = loadOptionsForm(t.ctx);
    form.portText = typed;
    applyOptionsOk(t.ctx, form);
    QCOMPARE(int(t.ctx.options.PortNo), portNo);
    QCOMPARE(t.settings.readText(QStringLiteral("PortNo"), {}), QStringLiteral("4"));
}

void TestOptions::okStoresFlagsAndNotThePort() {
    TestContext t;
    OptionsForm form = loadOptionsForm(t.ctx);
    form.portText = QStringLiteral("2");
    form.portOccupy = true;
    form.dispPulsPosi = true;
    form.parametaShow = true;
    applyOptionsOk(t.ctx, form);
    QCOMPARE(t.settings.readText(QStringLiteral("PortOccupy"), {}), QStringLiteral("1"));
    QCOMPARE(t.settings.readText(QStringLiteral("PLSPos"), {}), QStringLiteral("1"));
    QVERIFY(!t.settings.values().contains(QStringLiteral("PortNo")));
    QVERIFY(t.ctx.options.PortOccupyFlag);
    QVERIFY(t.ctx.options.PlsPosFlag);
    QVERIFY(t.ctx.options.ParametaShow);

    form.portOccupy = false;
    form.dispPulsPosi = false;
    form.parametaShow = false;
    applyOptionsOk(t.ctx, form);
    QCOMPARE(t.settings.readText(QStringLiteral("PortOccupy"), {}), QStringLiteral("0"));
    QCOMPARE(t.settings.readText(QStringLiteral("PLSPos"), {}), QStringLiteral("0"));
    QVERIFY(!t.ctx.options.ParametaShow);
}

void TestOptions::okCurrentDown_data() {
    QTest::addColumn<bool>("flagBefore");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("flagAfter");
    QTest::addColumn<int>("code");
    QTest::newRow("checked, carried out") << false << true << 0 << true << 2;
    QTest::newRow("checked, not carried out") << false << true << 1 << true << 0;
    QTest::newRow("unchecked sends 2") << false << false << 0 << false << 2;
    QTest::newRow("unchecked keeps an earlier flag") << true << false << 0 << true << 2;
}

void TestOptions::okCurrentDown() {
    QFETCH(bool, flagBefore);
    QFETCH(bool, checked);
    QFETCH(int, choice);
    QFETCH(bool, flagAfter);
    QFETCH(int, code);
    TestContext t;
    t.ctx.options.BkCdChangeFlag = flagBefore;
    t.ctx.options.BkCdCode = 0;
    OptionsForm form = loadOptionsForm(t.ctx);
    setChangeBk(form, checked);
    form.currentDown = choice;
    applyOptionsOk(t.ctx, form);
    QCOMPARE(t.ctx.options.BkCdChangeFlag, flagAfter);
    QCOMPARE(int(t.ctx.options.BkCdCode), code);
}

void TestOptions::languageChosenTwiceKeepsTheFlag() {
    TestContext t; // English run
    OptionsForm form = loadOptionsForm(t.ctx);
    form.language = 0;
    applyOptionsOk(t.ctx, form);
    QVERIFY(t.ctx.lang.LangChangeFlag);
    QCOMPARE(t.ctx.lang.LangNo, qint16(2));
    QCOMPARE(languageChangeNotice(t.ctx),
             QStringLiteral("Language Setting has been changed.\r\n\r\nFinish ZO-VI and restart again."));

    form = loadOptionsForm(t.ctx);
    QCOMPARE(form.language, 1); // the dialog still shows this run's language
    form.language = 0;
    applyOptionsOk(t.ctx, form);
    QVERIFY2(t.ctx.lang.LangChangeFlag, "choosing the other language again keeps the change");

    form.language = 1;
    applyOptionsOk(t.ctx, form);
    QVERIFY(!t.ctx.lang.LangChangeFlag);
    QVERIFY(languageChangeNotice(t.ctx).isEmpty());
}

void TestOptions::pulseDisplayChangeIsRemembered() {
    TestContext t;
    OptionsForm form = loadOptionsForm(t.ctx);
    applyOptionsOk(t.ctx, form);
    QVERIFY(!t.ctx.options.PulsDispChangeFlag);
    form.dispPulsPosi = true;
    applyOptionsOk(t.ctx, form);
    QVERIFY(t.ctx.options.PulsDispChangeFlag);
    applyOptionsOk(t.ctx, form);
    QVERIFY2(t.ctx.options.PulsDispChangeFlag, "the flag is never cleared");
}

void TestOptions::portDeviceMapping() {
    TestContext t;
    QCOMPARE(portDeviceName(t.ctx, 1), platformPortName(1));
#ifndef Q_OS_WIN
    QCOMPARE(platformPortName(1), QStringLiteral("/dev/ttyS0"));
    QCOMPARE(platformPortName(9), QStringLiteral("/dev/ttyS8"));
#endif
    OptionsForm form = loadOptionsForm(t.ctx);
    form.portText = QStringLiteral("2");
    form.portDevice = QStringLiteral(" /dev/pts/7 ");
    applyOptionsOk(t.ctx, form);
    QCOMPARE(portDeviceName(t.ctx, 2), QStringLiteral("/dev/pts/7"));
    QCOMPARE(portDeviceName(t.ctx, 1), platformPortName(1));
    t.ctx.options.PortNo = 2;
    QCOMPARE(loadOptionsForm(t.ctx).portDevice, QStringLiteral("/dev/pts/7"));

    form.portDevice.clear();
    applyOptionsOk(t.ctx, form);
    QCOMPARE(portDeviceName(t.ctx, 2), platformPortName(2));

    form.portText = QStringLiteral("0");
    form.portDevice = QStringLiteral("/dev/pts/9");
    applyOptionsOk(t.ctx, form);
    QVERIFY2(!t.settings.values().contains(QStringLiteral("PortDevice0")), "no mapping for an invalid port");
}

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
