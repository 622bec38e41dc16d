// The main window's enable groups, Move Mode / Edit Mode, the move panels and the View toggles.
#include "ui/FrmMainFixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QtTest>

using namespace zovi;
using zovi::test::MainWindowFixture;

namespace {

// Whether a named control can be used: a widget's effective state, a menu's title item, an action.
bool usable(const MainWindowFixture& f, const QString& name) {
    if (name.startsWith(QLatin1String("tb:"))) {
        const QAction* button = f.window->toolBarButton(name.mid(3).toInt());
        return button && button->isEnabled();
    }
    QObject* object = f.find<QObject>(name);
    if (!object)
        qFatal("no control %s", qPrintable(name));
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->menuAction()->isEnabled();
    if (auto* action = qobject_cast<QAction*>(object))
        return action->isEnabled();
    return qobject_cast<QWidget*>(object)->isEnabled();
}

using Group = void (FrmMain::*)();

struct GroupPair {
    Group muko;
    Group yuko;
};

GroupPair groupByName(const QString& name) {
    if (name == QLatin1String("CMDBTN"))
        return {&FrmMain::CMDBTN_Muko, &FrmMain::CMDBTN_Yuko};
    if (name == QLatin1String("ToolBar"))
        return {&FrmMain::ToolBar_Muko, &FrmMain::ToolBar_Yuko};
    if (name == QLatin1String("Menyu"))
        return {&FrmMain::Menyu_Muko, &FrmMain::Menyu_Yuko};
    if (name == QLatin1String("CTModeChange"))
        return {&FrmMain::CTModeChange_Muko, &FrmMain::CTModeChange_Yuko};
    if (name == QLatin1String("MoveHome"))
        return {&FrmMain::MoveHomeMuko, &FrmMain::MoveHomeYuko};
    return {&FrmMain::AllPosNoLabel_Muko, &FrmMain::AllPosNoLabel_Yuko};
}

// Shows the move panel (program or position buttons) that holds the control, if either does.
void showPanelOf(MainWindowFixture& f, const QString& name) {
    auto* control = f.find<QWidget>(name);
    if (control && f.find<QWidget>("pictRenzoku")->isAncestorOf(control))
        f.window->optSelectMove_Click(0);
    else if (control && f.find<QWidget>("pictSentaku")->isAncestorOf(control))
        f.window->optSelectMove_Click(1);
}

const QStringList kToolBarButtons = {"tb:1", "tb:2", "tb:3", "tb:5", "tb:7", "tb:8", "tb:9"};

} // namespace

class TestFrmMainModes : public QObject {
    Q_OBJECT
private slots:
    void modeSelection_data();
    void modeSelection();
    void startsInEditMode();
    void enableGroups_data();
    void enableGroups();
    void yukoParksTheFocus_data();
    void yukoParksTheFocus();
    void resetButtonFollowsTheLogic();
    void selectMovePanels_data();
    void selectMovePanels();
    void timerCheckBoxEnablesTheWait();
    void viewToggles_data();
    void viewToggles();
};

void TestFrmMainModes::modeSelection_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inMoveMode");
    QTest::addColumn<bool>("inEditMode");
    const QStringList moveControls = {
        "frmMoveRepeat",   "frmTimer",        "chkRepeat",       "chkTimerUse",    "cmdMove",
        "cmdStop",         "cmdDataClear",    "cmdTmpStop",      "cmdInp1toF",     "lblSelectPos",
        "imgButton_0",     "imgButton_1",     "imgButton_2",     "imgButton_3",    "lblSelectPosNo",
        "framOut",         "lblOutLamp1",     "lblOutLamp2",     "imgOut1Green",   "imgOut2Green",
        "optSelectMove_0", "optSelectMove_1", "optSelectMode_0", "optSelectMode_1"};
    QStringList dataControls = {"frmDataEdit",      "cmdFileOpen",      "cmdSaveFile",      "cmdLoadtoCt",
                                "cmdGetfromCt",     "cmdPosiDataShogo", "mnuFileNew",       "mnuFileOpen",
                                "mnuFileGetfromCt", "mnuFileSave",      "mnuFileSaveAs",    "mnuFileLoadtoCt",
                                "mnuFileShogo",     "mnuFilePageSetup", "mnuFilePrint",     "mnuShowState",
                                "mnuChangeOut",     "mnuShowParameta",  "mnuShowCtversion", "mnuModeChange",
                                "cmdChangeDev",     "flgdData"};
    dataControls << kToolBarButtons;
    for (const QString& name : moveControls)
        QTest::newRow(qPrintable(name)) << name << true << false;
    for (const QString& name : dataControls)
        QTest::newRow(qPrintable(name)) << name << false << true;
    // Not part of the choice: usable in both modes.
    for (const char* name : {"mnuFileExit", "mnuView", "mnuViewOption", "mnuHelpContents", "cmdReset"})
        QTest::newRow(name) << QString::fromLatin1(name) << true << true;
}

void TestFrmMainModes::modeSelection() {
    QFETCH(QString, name);
    QFETCH(bool, inMoveMode);
    QFETCH(bool, inEditMode);
    MainWindowFixture f;
    FrmMain& w = f.load();
    showPanelOf(f, name);
    f.find<QRadioButton>("optModeSelect_0")->click();
    QCOMPARE(w.mode(), FrmMain::MoveMode);
    QCOMPARE(usable(f, name), inMoveMode);
    f.find<QRadioButton>("optModeSelect_1")->click();
    QCOMPARE(w.mode(), FrmMain::EditMode);
    QCOMPARE(usable(f, name), inEditMode);
}

void TestFrmMainModes::startsInEditMode() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    QCOMPARE(w.mode(), FrmMain::EditMode);
    QVERIFY(f.find<QRadioButton>("optModeSelect_1")->isChecked());
    QVERIFY(!usable(f, "cmdMove"));
    QVERIFY(!usable(f, "imgButton_0"));
    QVERIFY(usable(f, "cmdFileOpen"));
    QVERIFY(usable(f, "tb:1"));
}

void TestFrmMainModes::enableGroups_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("members");
    QTest::addColumn<QStringList>("outsiders");
    QTest::newRow("command buttons") << "CMDBTN" << int(FrmMain::EditMode)
                                     << QStringList{"cmdFileOpen",  "cmdSaveFile",      "cmdLoadtoCt",
                                                    "cmdGetfromCt", "cmdPosiDataShogo", "cmdReset"}
                                     << QStringList{"cmdChangeDev", "tb:1", "mnuFileOpen"};
    QTest::newRow("tool bar") << "ToolBar" << int(FrmMain::EditMode) << kToolBarButtons
                              << QStringList{"cmdFileOpen", "mnuFileNew"};
    QTest::newRow("menus") << "Menyu" << int(FrmMain::EditMode)
                           << QStringList{"mnuFileNew",       "mnuFileOpen",      "mnuFileGetfromCt",
                                          "mnuFileSave",      "mnuFileSaveAs",    "mnuFileShogo",
                                          "mnuFileLoadtoCt",  "mnuFilePageSetup", "mnuFilePrint",
                                          "mnuShowCtversion", "mnuModeChange",    "mnuView"}
                           << QStringList{"mnuFileExit", "mnuHelp", "cmdFileOpen", "tb:2"};
    QTest::newRow("mode change menu")
        << "CTModeChange" << int(FrmMain::EditMode) << QStringList{"mnuModeChange"}
        << QStringList{"mnuShowCtversion", "mnuView"};
    QTest::newRow("move controls") << "MoveHome" << int(FrmMain::MoveMode)
                                   << QStringList{"cmdMove",         "cmdDataClear",      "cmdInp1toF",
                                                  "chkTimerUse",     "cmdReset",          "optSelectMove_0",
                                                  "optSelectMove_1", "pictureSelectMode", "optSelectMode_0",
                                                  "optSelectMode_1", "chkRepeat",         "flgdProgram",
                                                  "optModeSelect_0", "optModeSelect_1"}
                                   << QStringList{"cmdStop", "cmdTmpStop", "framOut"};
    QTest::newRow("position number label")
        << "AllPosNoLabel" << int(FrmMain::MoveMode) << QStringList{"lblSelectPosNo"}
        << QStringList{"lblSelectPos", "imgButton_0"};
}

void TestFrmMainModes::enableGroups() {
    QFETCH(QString, group);
    QFETCH(int, mode);
    QFETCH(QStringList, members);
    QFETCH(QStringList, outsiders);
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(mode);
    for (const QString& name : members + outsiders)
        showPanelOf(f, name);
    const GroupPair pair = groupByName(group);
    for (const QString& name : members + outsiders)
        QVERIFY2(usable(f, name), qPrintable(name + " before"));
    (w.*pair.muko)();
    for (const QString& name : members)
        QVERIFY2(!usable(f, name), qPrintable(name + " after Muko"));
    for (const QString& name : outsiders)
        QVERIFY2(usable(f, name), qPrintable(name + " after Muko"));
    (w.*pair.yuko)();
    for (const QString& name : members + outsiders)
        QVERIFY2(usable(f, name), qPrintable(name + " after Yuko"));
}

void TestFrmMainModes::yukoParksTheFocus_data() {
    QTest::addColumn<QString>("group");
    QTest::newRow("command buttons") << "CMDBTN";
    QTest::newRow("move controls") << "MoveHome";
}

void TestFrmMainModes::yukoParksTheFocus() {
    QFETCH(QString, group);
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(FrmMain::MoveMode);
    w.optSelectMove_Click(0);
    w.show();
    QApplication::setActiveWindow(&w);
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto* txtTimer = f.find<QLineEdit>("txtTimer");
    f.find<QCheckBox>("chkTimerUse")->click();
    txtTimer->setFocus();
    QCOMPARE(QApplication::focusWidget(), txtTimer);
    const GroupPair pair = groupByName(group);
    (w.*pair.muko)();
    (w.*pair.yuko)();
    QCOMPARE(QApplication::focusWidget(), w.focusHolder());
}

void TestFrmMainModes::resetButtonFollowsTheLogic() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    MainControls& controls = w;
    controls.setResetEnabled(false);
    QVERIFY(!usable(f, "cmdReset"));
    QVERIFY(usable(f, "cmdFileOpen"));
    controls.setResetEnabled(true);
    QVERIFY(usable(f, "cmdReset"));
}

void TestFrmMainModes::selectMovePanels_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("programShown");
    QTest::newRow("continual motion: program") << 0 << true;
    QTest::newRow("selective motion: buttons") << 1 << false;
}

void TestFrmMainModes::selectMovePanels() {
    QFETCH(int, index);
    QFETCH(bool, programShown);
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(FrmMain::MoveMode);
    // Start from the other panel so that the click has something to change.
    w.optSelectMove_Click(1 - index);
    f.find<QRadioButton>(QStringLiteral("optSelectMove_%1").arg(index))->click();
    auto* program = f.find<QWidget>("pictRenzoku");
    auto* buttons = f.find<QWidget>("pictSentaku");
    QCOMPARE(!program->isHidden(), programShown);
    QCOMPARE(program->isEnabled(), programShown);
    QCOMPARE(!buttons->isHidden(), !programShown);
    QCOMPARE(buttons->isEnabled(), !programShown);
    QCOMPARE(usable(f, "cmdMove"), programShown);
    QCOMPARE(usable(f, "imgButton_2"), !programShown);
}

void TestFrmMainModes::timerCheckBoxEnablesTheWait() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.optModeSelect_Click(FrmMain::MoveMode);
    w.optSelectMove_Click(0);
    auto* check = f.find<QCheckBox>("chkTimerUse");
    QVERIFY(!check->isChecked());
    QVERIFY(!usable(f, "txtTimer"));
    QVERIFY(!usable(f, "lblTimer"));
    check->click();
    QVERIFY(usable(f, "txtTimer"));
    QVERIFY(usable(f, "lblTimer"));
    // The move bracket gives the box back in the state the check box asks for.
    w.MoveHomeMuko();
    w.MoveHomeYuko();
    QVERIFY(usable(f, "txtTimer"));
    check->click();
    QVERIFY(!usable(f, "txtTimer"));
    QVERIFY(!usable(f, "lblTimer"));
    w.MoveHomeYuko();
    QVERIFY(!usable(f, "txtTimer"));
}

void TestFrmMainModes::viewToggles_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("bar");
    QTest::addColumn<int>("barHeight");
    QTest::addColumn<bool>("framesMove");
    QTest::newRow("tool bar") << "mnuViewToolbar"
                              << "tbToolBar" << 34 << true;
    QTest::newRow("status bar") << "mnuViewStatusBar"
                                << "sbStatusBar" << 22 << false;
}

void TestFrmMainModes::viewToggles() {
    QFETCH(QString, item);
    QFETCH(QString, bar);
    QFETCH(int, barHeight);
    QFETCH(bool, framesMove);
    MainWindowFixture f;
    FrmMain& w = f.load();
    const QStringList frameNames = {"frmTrancefer", "frmMoveRepeat",   "frmDataEdit",
                                    "framAlarm",    "optModeSelect_0", "optModeSelect_1"};
    QList<int> tops;
    for (const QString& name : frameNames)
        tops << f.find<QWidget>(name)->y();
    auto* toggle = f.find<QAction>(item);
    auto* barWidget = f.find<QWidget>(bar);
    QCOMPARE(barWidget->height(), barHeight);
    QVERIFY(toggle->isChecked());

    toggle->trigger();
    QVERIFY(barWidget->isHidden());
    QVERIFY(!toggle->isChecked());
    QCOMPARE(w.height(), 505 - barHeight);
    QCOMPARE(w.width(), 775);
    for (int i = 0; i < frameNames.size(); ++i)
        QCOMPARE(f.find<QWidget>(frameNames[i])->y(), tops[i] - (framesMove ? barHeight : 0));

    toggle->trigger();
    QVERIFY(!barWidget->isHidden());
    QVERIFY(toggle->isChecked());
    QCOMPARE(w.height(), 505);
    for (int i = 0; i < frameNames.size(); ++i)
        QCOMPARE(f.find<QWidget>(frameNames[i])->y(), tops[i]);
}

QTEST_MAIN(TestFrmMainModes)
#include "tst_frmmain_modes.moc"
