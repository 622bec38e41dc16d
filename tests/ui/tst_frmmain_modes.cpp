// The main window's enable groups, Move Mode / Edit Mode, the move panels and the View toggles.
#include "ui/FrmMainFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>
#include <tuple>

using namespace zovi;
using zovi::test::MainWindowFixture;

namespace {

// Space-separated control names.
QStringList names(const char* list) {
    return QString::fromLatin1(list).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

const char* const kToolBarButtons =
    "tbButton_New tbButton_Open tbButton_Save tbButton_Print tbButton_Read tbButton_Load tbButton_Shogo";
const QStringList kMoveControls = names(
    "frmMoveRepeat frmTimer chkRepeat chkTimerUse cmdMove cmdStop cmdDataClear cmdTmpStop cmdInp1toF "
    "lblSelectPos imgButton_0 imgButton_1 imgButton_2 imgButton_3 lblSelectPosNo framOut lblOutLamp1 "
    "lblOutLamp2 imgOut1Green imgOut2Green optSelectMove_0 optSelectMove_1 optSelectMode_0 optSelectMode_1");
const QStringList kEditControls =
    names(
        "frmDataEdit cmdFileOpen cmdSaveFile cmdLoadtoCt cmdGetfromCt cmdPosiDataShogo cmdChangeDev flgdData "
        "mnuFileNew mnuFileOpen mnuFileGetfromCt mnuFileSave mnuFileSaveAs mnuFileLoadtoCt mnuFileShogo "
        "mnuFilePageSetup mnuFilePrint mnuShowState mnuChangeOut mnuShowParameta mnuShowCtversion "
        "mnuModeChange") +
    names(kToolBarButtons);
const QStringList kBothModes = names("mnuFileExit mnuView mnuViewOption mnuHelpContents cmdReset");

// An enable group: Muko disables the members and leaves the outsiders alone, Yuko enables them again.
// In the given mode members and outsiders are all usable; some Yuko park the focus on the focus holder.
struct EnableGroup {
    const char* name;
    void (FrmMain::*muko)();
    void (FrmMain::*yuko)();
    FrmMain::Mode mode;
    bool parksFocus;
    const char* members;
    const char* outsiders;
};

const EnableGroup kGroups[] = {
    {"command buttons", &FrmMain::CMDBTN_Muko, &FrmMain::CMDBTN_Yuko, FrmMain::EditMode, true,
     "cmdFileOpen cmdSaveFile cmdLoadtoCt cmdGetfromCt cmdPosiDataShogo cmdReset",
     "cmdChangeDev tbButton_New mnuFileOpen"},
    {"tool bar", &FrmMain::ToolBar_Muko, &FrmMain::ToolBar_Yuko, FrmMain::EditMode, false, kToolBarButtons,
     "cmdFileOpen mnuFileNew"},
    {"menus", &FrmMain::Menyu_Muko, &FrmMain::Menyu_Yuko, FrmMain::EditMode, false,
     "mnuFileNew mnuFileOpen mnuFileGetfromCt mnuFileSave mnuFileSaveAs mnuFileShogo mnuFileLoadtoCt "
     "mnuFilePageSetup mnuFilePrint mnuShowCtversion mnuModeChange mnuView",
     "mnuFileExit mnuHelp cmdFileOpen tbButton_Open"},
    {"mode change menu", &FrmMain::CTModeChange_Muko, &FrmMain::CTModeChange_Yuko, FrmMain::EditMode, false,
     "mnuModeChange", "mnuShowCtversion mnuView"},
    {"move controls", &FrmMain::MoveHomeMuko, &FrmMain::MoveHomeYuko, FrmMain::MoveMode, true,
     "cmdMove cmdDataClear cmdInp1toF chkTimerUse cmdReset optSelectMove_0 optSelectMove_1 pictureSelectMode "
     "optSelectMode_0 optSelectMode_1 chkRepeat flgdProgram optModeSelect_0 optModeSelect_1",
     "cmdStop cmdTmpStop framOut"},
    {"position number label", &FrmMain::AllPosNoLabel_Muko, &FrmMain::AllPosNoLabel_Yuko, FrmMain::MoveMode,
     false, "lblSelectPosNo", "lblSelectPos imgButton_0"},
};

// Whether a named control can be used: a widget's effective state, a menu's title item, an action.
bool usable(const MainWindowFixture& f, const QString& name) {
    QObject* object = f.find<QObject>(name);
    if (!object)
        qFatal("no control %s", qPrintable(name));
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->menuAction()->isEnabled();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->isEnabled();
    return qobject_cast<QWidget*>(object)->isEnabled();
}

// The controls whose usability is not the expected one, each looked at with its move panel shown.
QString wronglyEnabled(MainWindowFixture& f, const QStringList& names, bool expected) {
    QString wrong;
    for (const QString& name : names) {
        auto* control = f.find<QWidget>(name);
        if (control && f.find<QWidget>("pictRenzoku")->isAncestorOf(control))
            f.window->optSelectMove_Click(0);
        else if (control && f.find<QWidget>("pictSentaku")->isAncestorOf(control))
            f.window->optSelectMove_Click(1);
        if (usable(f, name) != expected)
            wrong += name + QLatin1Char(' ');
    }
    return wrong;
}

} // namespace

class TestFrmMainModes : public QObject {
    Q_OBJECT
private slots:
    void modesEnableTheirControls();
    void enableGroups_data();
    void enableGroups();
    void yukoParksTheFocus();
    void resetButtonFollowsTheLogic();
    void selectMovePanels();
    void timerCheckBoxEnablesTheWait();
    void viewToggles();
};

void TestFrmMainModes::modesEnableTheirControls() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    const auto wrong = [&] {
        const bool moving = w.mode() == FrmMain::MoveMode;
        return wronglyEnabled(f, kMoveControls, moving) + wronglyEnabled(f, kEditControls, !moving) +
               wronglyEnabled(f, kBothModes, true);
    };
    QCOMPARE(w.mode(), FrmMain::EditMode);
    QCOMPARE(wrong(), QString());
    for (int mode : {FrmMain::MoveMode, FrmMain::EditMode}) {
        f.find<QRadioButton>(QStringLiteral("optModeSelect_%1").arg(mode))->click();
        QCOMPARE(int(w.mode()), mode);
        QCOMPARE(wrong(), QString());
    }
}

void TestFrmMainModes::enableGroups_data() {
    QTest::addColumn<int>("group");
    for (int i = 0; i < int(std::size(kGroups)); ++i)
        QTest::newRow(kGroups[i].name) << i;
}

void TestFrmMainModes::enableGroups() {
    QFETCH(int, group);
    const EnableGroup& g = kGroups[group];
    const QStringList members = names(g.members);
    const QStringList outsiders = names(g.outsiders);
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(g.mode);
    QCOMPARE(wronglyEnabled(f, members + outsiders, true), QString());
    (w.*g.muko)();
    QCOMPARE(wronglyEnabled(f, members, false), QString());
    QCOMPARE(wronglyEnabled(f, outsiders, true), QString());
    (w.*g.yuko)();
    QCOMPARE(wronglyEnabled(f, members + outsiders, true), QString());
}

void TestFrmMainModes::yukoParksTheFocus() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(FrmMain::MoveMode);
    w.optSelectMove_Click(0);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* txtTimer = f.find<QLineEdit>("txtTimer");
    f.find<QCheckBox>("chkTimerUse")->click();
    for (const EnableGroup& g : kGroups) {
        if (!g.parksFocus)
            continue;
        txtTimer->setFocus();
        QCOMPARE(QApplication::focusWidget(), txtTimer);
        (w.*g.muko)();
        (w.*g.yuko)();
        QVERIFY2(QApplication::focusWidget() == w.focusHolder(), g.name);
    }
}

void TestFrmMainModes::resetButtonFollowsTheLogic() {
    MainWindowFixture f;
    MainControls& controls = f.load();
    controls.setResetEnabled(false);
    QVERIFY(!usable(f, "cmdReset"));
    QVERIFY(usable(f, "cmdFileOpen"));
    controls.setResetEnabled(true);
    QVERIFY(usable(f, "cmdReset"));
}

void TestFrmMainModes::selectMovePanels() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(FrmMain::MoveMode);
    auto* program = f.find<QWidget>("pictRenzoku");
    auto* buttons = f.find<QWidget>("pictSentaku");
    // Selective motion is chosen at the start: each click changes the panel.
    for (int index : {0, 1}) {
        f.find<QRadioButton>(QStringLiteral("optSelectMove_%1").arg(index))->click();
        const bool programShown = index == 0;
        QCOMPARE(!program->isHidden() && program->isEnabled(), programShown);
        QCOMPARE(!buttons->isHidden() && buttons->isEnabled(), !programShown);
        QCOMPARE(usable(f, "cmdMove"), programShown);
        QCOMPARE(usable(f, "imgButton_2"), !programShown);
    }
}

void TestFrmMainModes::timerCheckBoxEnablesTheWait() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(FrmMain::MoveMode);
    w.optSelectMove_Click(0);
    auto* check = f.find<QCheckBox>("chkTimerUse");
    QVERIFY(!check->isChecked());
    QCOMPARE(wronglyEnabled(f, names("txtTimer lblTimer"), false), QString());
    check->click();
    QCOMPARE(wronglyEnabled(f, names("txtTimer lblTimer"), true), QString());
    // The move bracket gives the box back in the state the check box asks for.
    w.MoveHomeMuko();
    w.MoveHomeYuko();
    QVERIFY(usable(f, "txtTimer"));
    check->click();
    QCOMPARE(wronglyEnabled(f, names("txtTimer lblTimer"), false), QString());
    w.MoveHomeYuko();
    QVERIFY(!usable(f, "txtTimer"));
}

void TestFrmMainModes::viewToggles() {
    // Hiding a bar shortens the window by its height; hiding the tool bar also raises the frames.
    for (const auto& [item, bar, framesMove] : {std::tuple{"mnuViewToolbar", "tbToolBar", true},
                                                std::tuple{"mnuViewStatusBar", "sbStatusBar", false}}) {
        MainWindowFixture f;
        FrmMain& w = f.load();
        const auto tops = [&f](int shift) {
            QList<int> y;
            for (const QString& name :
                 names("frmTrancefer frmMoveRepeat frmDataEdit framAlarm optModeSelect_0 optModeSelect_1"))
                y << f.find<QWidget>(name)->y() + shift;
            return y;
        };
        const QList<int> shown = tops(0);
        const QSize full = w.size();
        auto* toggle = f.find<QAction>(item);
        auto* barWidget = f.find<QWidget>(bar);
        const int barHeight = barWidget->height();
        QVERIFY2(barHeight > 0 && toggle->isChecked(), item);

        toggle->trigger();
        QVERIFY2(barWidget->isHidden() && !toggle->isChecked(), item);
        QCOMPARE(w.size(), full - QSize(0, barHeight));
        QCOMPARE(tops(framesMove ? barHeight : 0), shown);

        toggle->trigger();
        QVERIFY2(!barWidget->isHidden() && toggle->isChecked(), item);
        QCOMPARE(w.size(), full);
        QCOMPARE(tops(0), shown);
    }
}

QTEST_MAIN(TestFrmMainModes)
#include "tst_frmmain_modes.moc"
