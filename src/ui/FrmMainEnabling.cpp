// The main window's enable groups and the Move Mode / Edit Mode choice.
#include "app/AppContext.h"
#include "ui/FrmMain.h"
#include "ui/MainPositionButton.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace zovi {

namespace {

void enableAll(std::initializer_list<QWidget*> widgets, bool enabled) {
    for (QWidget* widget : widgets)
        widget->setEnabled(enabled);
}

void enableAll(std::initializer_list<QAction*> actions, bool enabled) {
    for (QAction* action : actions)
        action->setEnabled(enabled);
}

} // namespace

void FrmMain::enableCommandButtons(bool enabled) {
    enableAll({cmdFileOpen, cmdSaveFile, cmdLoadtoCt, cmdGetfromCt, cmdPosiDataShogo, cmdReset}, enabled);
}

void FrmMain::enableToolBarButtons(bool enabled) {
    for (int index : {1, 2, 3, 5, 7, 8, 9})
        tbButtons_[index]->setEnabled(enabled);
}

void FrmMain::enableMenus(bool enabled) {
    enableAll({mnuFileNew, mnuFileOpen, mnuFileGetfromCt, mnuFileSave, mnuFileSaveAs,
               mnuFileShogo->menuAction(), mnuFileLoadtoCt, mnuFilePageSetup, mnuFilePrint, mnuShowCtversion,
               mnuModeChange->menuAction(), mnuView->menuAction()},
              enabled);
}

// The wait time itself stays usable only while waiting between steps is chosen.
void FrmMain::enableMoveControls(bool enabled) {
    enableAll({cmdMove, cmdDataClear, cmdInp1toF, chkTimerUse, cmdReset, optSelectMove[0], optSelectMove[1],
               pictureSelectMode, optSelectMode[0], optSelectMode[1], chkRepeat, flgdProgram,
               optModeSelect[MoveMode], optModeSelect[EditMode]},
              enabled);
    txtTimer->setEnabled(enabled && chkTimerUse->isChecked());
}

QList<QWidget*> FrmMain::exchangeStarters() const {
    // The mode choice too: switching to Edit Mode would enable the data commands again.
    QList<QWidget*> starters = {cmdFileOpen,
                                cmdSaveFile,
                                cmdLoadtoCt,
                                cmdGetfromCt,
                                cmdPosiDataShogo,
                                cmdReset,
                                cmdChangeDev,
                                cmdMove,
                                cmdStop,
                                cmdTmpStop,
                                optModeSelect[MoveMode],
                                optModeSelect[EditMode]};
    for (PositionButton* button : imgButton)
        starters << button;
    return starters;
}

// The long commands' bracket (CMDBTN_Muko, ToolBar_Muko, Menyu_Muko ... then the Yuko), widened to
// every control that can start an exchange, and closed by giving each control back the state it
// had: a Move Mode window keeps its data commands disabled after a reset.
void FrmMain::runExchange(const std::function<void()>& exchange) {
    QList<std::pair<QPointer<QWidget>, bool>> widgets;
    const QList<QWidget*> starters = exchangeStarters();
    for (QWidget* widget : starters)
        widgets.append({widget, !widget->testAttribute(Qt::WA_ForceDisabled)});
    QList<std::pair<QPointer<QAction>, bool>> actions;
    for (QAction* action : findChildren<QAction*>())
        actions.append({action, action->isEnabled()});

    CMDBTN_Muko();
    ToolBar_Muko();
    Menyu_Muko();
    for (QWidget* widget : starters)
        widget->setEnabled(false);
    exchange();
    for (const auto& [widget, enabled] : widgets) {
        if (widget)
            widget->setEnabled(enabled);
    }
    for (const auto& [action, enabled] : actions) {
        if (action)
            action->setEnabled(enabled);
    }
}

void FrmMain::runPositionCommand(Busy busy, const std::function<void()>& command) {
    const bool wasBusy = ctx_.operation.CtBusyFlag;
    if (busy == Busy::Yes)
        ctx_.operation.CtBusyFlag = true;
    runExchange(command);
    ctx_.operation.CtBusyFlag = wasBusy;
    flgdData->viewport()->update();
    flgdProgram->viewport()->update();
}

void FrmMain::CMDBTN_Muko() {
    enableCommandButtons(false);
}

void FrmMain::CMDBTN_Yuko() {
    enableCommandButtons(true);
    txtDummy->setFocus();
}

void FrmMain::ToolBar_Muko() {
    enableToolBarButtons(false);
}

void FrmMain::ToolBar_Yuko() {
    enableToolBarButtons(true);
}

void FrmMain::Menyu_Muko() {
    enableMenus(false);
}

void FrmMain::Menyu_Yuko() {
    enableMenus(true);
}

void FrmMain::CTModeChange_Muko() {
    mnuModeChange->menuAction()->setEnabled(false);
}

void FrmMain::CTModeChange_Yuko() {
    mnuModeChange->menuAction()->setEnabled(true);
}

void FrmMain::MoveHomeMuko() {
    enableMoveControls(false);
}

void FrmMain::MoveHomeYuko() {
    enableMoveControls(true);
    txtDummy->setFocus();
}

void FrmMain::setResetEnabled(bool enabled) {
    cmdReset->setEnabled(enabled);
}

void FrmMain::AllPosNoLabel_Muko() {
    lblSelectPosNo->setEnabled(false);
}

void FrmMain::AllPosNoLabel_Yuko() {
    lblSelectPosNo->setEnabled(true);
}

FrmMain::Mode FrmMain::mode() const {
    return optModeSelect[MoveMode]->isChecked() ? MoveMode : EditMode;
}

void FrmMain::optModeSelect_Click(int index) {
    if (index != MoveMode && index != EditMode)
        return;
    optModeSelect[index]->setChecked(true);
    const bool moving = index == MoveMode;
    setMoveControlsEnabled(moving);
    setDataControlsEnabled(!moving);
}

void FrmMain::setMoveControlsEnabled(bool enabled) {
    enableAll({frmMoveRepeat,    frmTimer,        chkRepeat,    chkTimerUse,      cmdMove,
               cmdStop,          cmdDataClear,    cmdTmpStop,   cmdInp1toF,       lblSelectPos,
               lblSelectPosNo,   framOut,         lblOutLamp1,  lblOutLamp2,      imgOut1Green,
               imgOut2Green,     imgOut1White,    imgOut2White, optSelectMove[0], optSelectMove[1],
               optSelectMode[0], optSelectMode[1]},
              enabled);
    for (PositionButton* button : imgButton)
        button->setEnabled(enabled);
    // The wait time and its label follow the wait check box.
    const bool timerUsable = enabled && chkTimerUse->isChecked();
    enableAll({lblTimer, txtTimer}, timerUsable);
}

void FrmMain::setDataControlsEnabled(bool enabled) {
    enableAll(
        {frmDataEdit, cmdFileOpen, cmdSaveFile, cmdLoadtoCt, cmdGetfromCt, cmdPosiDataShogo, cmdChangeDev},
        enabled);
    for (int index : {1, 2, 3, 5, 7, 8, 9})
        tbButtons_[index]->setEnabled(enabled);
    // Of the View menu only the three show items and the mode change follow the mode; Change Out stays.
    enableAll({mnuFileNew, mnuFileOpen, mnuFileGetfromCt, mnuFileSave, mnuFileSaveAs,
               mnuFileShogo->menuAction(), mnuFileLoadtoCt, mnuFilePageSetup, mnuFilePrint, mnuShowState,
               mnuShowParameta, mnuShowCtversion, mnuModeChange->menuAction()},
              enabled);
}

void FrmMain::chkTimerUse_Click() {
    const bool use = chkTimerUse->isChecked();
    lblTimer->setEnabled(use);
    txtTimer->setEnabled(use);
}

void FrmMain::optSelectMove_Click(int index) {
    if (index != 0 && index != 1)
        return;
    optSelectMove[index]->setChecked(true);
    const bool program = index == 0;
    pictRenzoku->setVisible(program);
    pictRenzoku->setEnabled(program);
    pictSentaku->setVisible(!program);
    pictSentaku->setEnabled(!program);
}

} // namespace zovi
