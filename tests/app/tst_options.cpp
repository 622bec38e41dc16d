// The options dialog's rules: the key filter, what the dialog shows, and what OK applies and stores.
#include "app/Options.h"
#include "support/TestContext.h"

#include <QtTest>
#include <tuple>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::TestContext;

class TestOptions : public QObject {
    Q_OBJECT
private slots:
    void keyFilterTakesOneDigitFromZeroToThree() {
        // Characters typed into an empty box, then into a box that holds one digit (13 Enter, 8 Backspace, 9
        // Tab).
        const std::tuple<int, int, bool> keys[] = {
            {0, '0', true}, {0, '3', true}, {0, '4', false}, {0, 'a', false}, {0, 8, true}, {0, 9, true},
            {0, 13, false}, {1, 13, false}, {1, '1', false}, {1, 8, true},    {1, 9, false}};
        for (const auto& [length, key, accepted] : keys)
            QVERIFY2(optionDigitKeyAccepted(length, key) == accepted,
                     qPrintable(u"%1 into %2"_s.arg(key).arg(length)));
    }

    void loadShowsTheRunState() {
        // PortNo, stored "PortNo", BkCdChangeFlag, BkCdCode -> shown port, current-down choice, txtBreakNo.
        const std::tuple<int, const char*, bool, int, const char*, int, const char*> rows[] = {
            {1, "5", false, 0, "1", 0, ""},
            {9, "5", true, 2, "9", 0, "2"},
            {0, "5", true, 0, "5", 1, "0"},
            {10, "6", false, 2, "6", 0, ""},
            {0, nullptr, false, 0, "1", 0, ""}};
        for (const auto& [portNo, stored, changeFlag, code, shownPort, choice, breakNo] : rows) {
            TestContext t;
            if (stored)
                t.settings.writeText(u"PortNo"_s, QString::fromLatin1(stored));
            t.ctx.options.PortNo = static_cast<qint16>(portNo);
            t.ctx.options.BkCdChangeFlag = changeFlag;
            t.ctx.options.BkCdCode = static_cast<qint16>(code);
            const OptionsForm form = loadOptionsForm(t.ctx);
            const QString row = u"port %1"_s.arg(portNo);
            QVERIFY2(form.portText == QLatin1String(shownPort), qPrintable(row));
            QVERIFY2(form.changeBk == changeFlag && form.breakSetVisible == changeFlag, qPrintable(row));
            QVERIFY2(form.currentDownEnabled == changeFlag && form.currentDown == choice, qPrintable(row));
            QVERIFY2(form.breakNoText == QLatin1String(breakNo), qPrintable(row));
        }
        // A language number that is neither 1 nor 2 is read again from the store.
        TestContext t;
        t.ctx.lang.LangNo = 7;
        t.settings.writeText(u"Languege"_s, u"1"_s);
        QCOMPARE(loadOptionsForm(t.ctx).language, 0);
        QCOMPARE(t.ctx.lang.LangNo, qint16(1));
    }

    void okPortOutsideOneToNineTakesTheStoredPort() {
        for (const auto& [typed, portNo] :
             {std::pair{"2", 2}, {"9", 9}, {"0", 4}, {"", 4}, {"10", 4}, {"x", 4}}) {
            TestContext t;
            t.settings.writeText(u"PortNo"_s, u"4"_s);
            t.ctx.options.PortNo = 7;
            OptionsForm form = loadOptionsForm(t.ctx);
            form.portText = QString::fromLatin1(typed);
            applyOptionsOk(t.ctx, form);
            QVERIFY2(t.ctx.options.PortNo == portNo, typed);
            QCOMPARE(t.settings.readText(u"PortNo"_s, {}), u"4"_s);
        }
    }

    void okCurrentDown() {
        // Flag before, box checked, option chosen -> flag after, code sent.
        const std::tuple<bool, bool, int, bool, int> rows[] = {{false, true, 0, true, 2},
                                                               {false, true, 1, true, 0},
                                                               {false, false, 0, false, 2},
                                                               {true, false, 0, true, 2}};
        for (const auto& [flagBefore, checked, choice, flagAfter, code] : rows) {
            TestContext t;
            t.ctx.options.BkCdChangeFlag = flagBefore;
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
    }

    void languageChosenTwiceKeepsTheFlag() {
        TestContext t; // English run
        for (int time = 1; time <= 2; ++time) {
            OptionsForm form = loadOptionsForm(t.ctx);
            QCOMPARE(form.language, 1); // the dialog shows this run's language
            form.language = 0;
            applyOptionsOk(t.ctx, form);
            QVERIFY2(t.ctx.lang.LangChangeFlag && t.ctx.lang.LangNo == 2,
                     "choosing Japanese again keeps the change");
        }
        QCOMPARE(languageChangeNotice(t.ctx),
                 u"Language Setting has been changed.\r\n\r\nFinish ZO-VI and restart again."_s);
        OptionsForm form = loadOptionsForm(t.ctx);
        form.language = 1;
        applyOptionsOk(t.ctx, form);
        QVERIFY(!t.ctx.lang.LangChangeFlag);
        QVERIFY(languageChangeNotice(t.ctx).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestOptions)
#include "tst_options.moc"
