// The options dialog's rules: the key filter, what the dialog shows, and what OK applies and stores.
#include "app/Options.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::TestContext;

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void keyFilterTakesOneDigitFromZeroToThree_data();
    void keyFilterTakesOneDigitFromZeroToThree();
    void loadShowsTheRunState_data();
    void loadShowsTheRunState();
    void loadRereadsAnUnknownLanguage();
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

void TestOptions::loadShowsTheRunState_data() {
    QTest::addColumn<int>("portNo");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("shownPort");
    QTest::addColumn<bool>("changeFlag");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("choice");
    QTest::addColumn<QString>("breakNo");
    QTest::newRow("port 1, no current-down change") << 1 << u"5"_s << u"1"_s << false << 0 << 0 << QString();
    QTest::newRow("port 9, carried out") << 9 << u"5"_s << u"9"_s << true << 2 << 0 << u"2"_s;
    QTest::newRow("port 0 takes the stored one, not carried out")
        << 0 << u"5"_s << u"5"_s << true << 0 << 1 << u"0"_s;
    QTest::newRow("port 10 takes the stored one") << 10 << u"6"_s << u"6"_s << false << 2 << 0 << QString();
    QTest::newRow("nothing stored gives 1") << 0 << QString() << u"1"_s << false << 0 << 0 << QString();
}

void TestOptions::loadShowsTheRunState() {
    QFETCH(int, portNo);
    QFETCH(QString, stored);
    QFETCH(QString, shownPort);
    QFETCH(bool, changeFlag);
    QFETCH(int, code);
    QFETCH(int, choice);
    QFETCH(QString, breakNo);
    TestContext t;
    if (!stored.isEmpty())
        t.settings.writeText(u"PortNo"_s, stored);
    t.ctx.options.PortNo = static_cast<qint16>(portNo);
    t.ctx.options.BkCdChangeFlag = changeFlag;
    t.ctx.options.BkCdCode = static_cast<qint16>(code);
    t.ctx.options.PortOccupyFlag = changeFlag;
    t.ctx.options.PlsPosFlag = !changeFlag;
    t.ctx.options.ParametaShow = changeFlag;
    const OptionsForm form = loadOptionsForm(t.ctx);
    QCOMPARE(form.portText, shownPort);
    QCOMPARE(form.changeBk, changeFlag);
    QCOMPARE(form.breakSetVisible, changeFlag);
    QCOMPARE(form.currentDownEnabled, changeFlag);
    QCOMPARE(form.currentDown, choice);
    QCOMPARE(form.breakNoText, breakNo);
    QCOMPARE(form.portOccupy, changeFlag);
    QCOMPARE(form.dispPulsPosi, !changeFlag);
    QCOMPARE(form.parametaShow, changeFlag);
    QCOMPARE(form.language, 1);
}

void TestOptions::loadRereadsAnUnknownLanguage() {
    TestContext t;
    t.ctx.lang.LangNo = 7;
    t.settings.writeText(u"Languege"_s, u"1"_s);
    QCOMPARE(loadOptionsForm(t.ctx).language, 0);
    QCOMPARE(t.ctx.lang.LangNo, qint16(1));
}

void TestOptions::okPortOutsideOneToNineTakesTheStoredPort_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("portNo");
    for (const auto& [typed, portNo] : {std::pair{"2", 2}, {"9", 9}, {"0", 4}, {"", 4}, {"10", 4}, {"x", 4}})
        QTest::newRow(typed) << QString::fromLatin1(typed) << portNo;
}

void TestOptions::okPortOutsideOneToNineTakesTheStoredPort() {
    QFETCH(QString, typed);
    QFETCH(int, portNo);
    TestContext t;
    t.settings.writeText(u"PortNo"_s, u"4"_s);
    t.ctx.options.PortNo = 7;
    OptionsForm form = loadOptionsForm(t.ctx);
    form.portText = typed;
    applyOptionsOk(t.ctx, form);
    QCOMPARE(int(t.ctx.options.PortNo), portNo);
    QCOMPARE(t.settings.readText(u"PortNo"_s, {}), u"4"_s);
}

void TestOptions::okStoresFlagsAndNotThePort() {
    TestContext t;
    OptionsForm form = loadOptionsForm(t.ctx);
    form.portText = u"2"_s;
    for (bool on : {true, false}) {
        form.portOccupy = form.dispPulsPosi = form.parametaShow = on;
        applyOptionsOk(t.ctx, form);
        const QString stored = on ? u"1"_s : u"0"_s;
        QCOMPARE(t.settings.readText(u"PortOccupy"_s, {}), stored);
        QCOMPARE(t.settings.readText(u"PLSPos"_s, {}), stored);
        QVERIFY(t.ctx.options.PortOccupyFlag == on && t.ctx.options.PlsPosFlag == on);
        QCOMPARE(t.ctx.options.ParametaShow, on);
    }
    QVERIFY2(!t.settings.values().contains(u"PortNo"_s), "the port number is stored at the end of the run");
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
    form.currentDown = 1;
    setChangeBk(form, checked);
    QCOMPARE(form.currentDownEnabled, checked);
    if (checked)
        form.currentDown = choice;
    QCOMPARE(form.currentDown, choice); // unchecking selects the first option
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
             u"Language Setting has been changed.\r\n\r\nFinish ZO-VI and restart again."_s);

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
    form.dispPulsPosi = false;
    applyOptionsOk(t.ctx, form);
    QVERIFY2(t.ctx.options.PulsDispChangeFlag, "the flag is never cleared");
}

void TestOptions::portDeviceMapping() {
    TestContext t;
    QCOMPARE(portDeviceName(t.ctx, 1), platformPortName(1));
#ifndef Q_OS_WIN
    QCOMPARE(platformPortName(9), u"/dev/ttyS8"_s);
#endif
    OptionsForm form = loadOptionsForm(t.ctx);
    form.portText = u"2"_s;
    form.portDevice = u" /dev/pts/7 "_s;
    applyOptionsOk(t.ctx, form);
    QCOMPARE(portDeviceName(t.ctx, 2), u"/dev/pts/7"_s);
    QCOMPARE(portDeviceName(t.ctx, 1), platformPortName(1));
    QCOMPARE(loadOptionsForm(t.ctx).portDevice, u"/dev/pts/7"_s);

    form.portDevice.clear();
    applyOptionsOk(t.ctx, form);
    QCOMPARE(portDeviceName(t.ctx, 2), platformPortName(2));

    form.portText = u"0"_s;
    form.portDevice = u"/dev/pts/9"_s;
    applyOptionsOk(t.ctx, form);
    QVERIFY2(!t.settings.values().contains(u"PortDevice0"_s), "no mapping for an invalid port");
}

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
