// Move Mode / Edit Mode, the move panels and the wait time, and the View toggles.
#include "ui/FrmMainFixture.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QtTest>
#include <tuple>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;

namespace {

// The named controls (space-separated) whose usability is not the expected one.
QString wronglyEnabled(const MainWindowFixture& f, const char* names, bool expected) {
    QString wrong;
    for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
        if (f.usable(name) != expected)
            wrong += name + QLatin1Char(' ');
    }
    return wrong;
}

} // namespace

class TestFrmMainModes : public QObject {
    Q_OBJECT
private slots:
    void modesEnableTheirControls() {
        MainWindowFixture f;
        FrmMain& w = f.load();
        // A few of each group: the buttons and panels of moves, the data commands, and what is always usable.
        const char* moving = "frmMoveRepeat optSelectMove_0 imgButton_0";
        const char* editing = "frmDataEdit cmdGetfromCt mnuModeChange tbButton_Open";
        const char* always = "mnuFileExit mnuViewOption cmdReset mnuInputOutput";
        QCOMPARE(w.mode(), FrmMain::EditMode);
        for (int mode : {FrmMain::MoveMode, FrmMain::EditMode}) {
            f.find<QRadioButton>(u"optModeSelect_%1"_s.arg(mode))->click();
            QCOMPARE(int(w.mode()), mode);
            QCOMPARE(wronglyEnabled(f, moving, mode == FrmMain::MoveMode), QString());
            QCOMPARE(wronglyEnabled(f, editing, mode == FrmMain::EditMode), QString());
            QCOMPARE(wronglyEnabled(f, always, true), QString());
        }
    }

    void selectMovePanelsAndTheWaitTime() {
        MainWindowFixture f;
        FrmMain& w = f.load();
        w.optModeSelect_Click(FrmMain::MoveMode);
        auto* program = f.find<QWidget>(u"pictRenzoku"_s);
        auto* buttons = f.find<QWidget>(u"pictSentaku"_s);
        f.find<QRadioButton>(u"optSelectMove_1"_s)->click();
        QVERIFY(program->isHidden() && !buttons->isHidden() && buttons->isEnabled());
        f.find<QRadioButton>(u"optSelectMove_0"_s)->click();
        QVERIFY(!program->isHidden() && program->isEnabled() && buttons->isHidden());
        // The wait time is usable only while waiting between steps is chosen, also after a move.
        auto* check = f.find<QCheckBox>(u"chkTimerUse"_s);
        QCOMPARE(wronglyEnabled(f, "txtTimer lblTimer", false), QString());
        check->click();
        QCOMPARE(wronglyEnabled(f, "txtTimer lblTimer", true), QString());
        w.MoveHomeMuko();
        QVERIFY(!f.usable(u"txtTimer"_s));
        w.MoveHomeYuko();
        QVERIFY(f.usable(u"txtTimer"_s));
        check->click();
        w.MoveHomeYuko();
        QCOMPARE(wronglyEnabled(f, "txtTimer lblTimer", false), QString());
    }

    void viewToggles() {
        // Hiding a bar shortens the window by its height; hiding the tool bar also raises the frames.
        for (const auto& [item, bar, framesMove] : {std::tuple{"mnuViewToolbar", "tbToolBar", true},
                                                    std::tuple{"mnuViewStatusBar", "sbStatusBar", false}}) {
            MainWindowFixture f;
            FrmMain& w = f.load();
            const auto tops = [&f](int shift) {
                QList<int> y;
                for (const char* name : {"frmTrancefer", "frmMoveRepeat", "frmDataEdit", "framAlarm",
                                         "optModeSelect_0", "optModeSelect_1"})
                    y << f.find<QWidget>(QString::fromLatin1(name))->y() + shift;
                return y;
            };
            const QList<int> shown = tops(0);
            const QSize full = w.size();
            auto* toggle = f.find<QAction>(QString::fromLatin1(item));
            auto* barWidget = f.find<QWidget>(QString::fromLatin1(bar));
            const int barHeight = barWidget->height();
            QVERIFY2(barHeight > 0 && toggle->isChecked(), item);

            toggle->trigger();
            QVERIFY2(barWidget->isHidden() && !toggle->isChecked(), item);
            QCOMPARE(w.size(), full - QSize(0, barHeight));
            QCOMPARE(tops(framesMove ? barHeight : 0), shown);
            toggle->trigger();
            QCOMPARE(w.size(), full);
        }
    }
};

QTEST_MAIN(TestFrmMainModes)
#include "tst_frmmain_modes.moc"
