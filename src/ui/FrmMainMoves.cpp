// Test operation on the main window: a position button moves the actuator home or to a position and
// blinks while the move runs; cmdMove runs the move program, which cmdStop ends and cmdTmpStop pauses
// between steps. The moves and the program are the controller session's; this file disables what
// could start another exchange while they run and gives it back afterwards, whatever the outcome.
#include "app/AppContext.h"
#include "operation/MoveCommands.h"
#include "operation/MoveProgram.h"
#include "operation/MoveView.h"
#include "session/ControllerSession.h"
#include "ui/FrmMain.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

namespace zovi {

class FrmMain::MoveFaces : public MoveView {
public:
    explicit MoveFaces(FrmMain& window)
        : window_(window) {}
    void setButtonPicture(int index, int picture) override { window_.setButtonPicture(index, picture); }
    void setCompletedPosition(const QString& text) override { window_.setCompletedPosition(text); }

private:
    FrmMain& window_;
};

void FrmMain::attachMoves(ControllerSession& controller) {
    if (!moveFaces_)
        moveFaces_ = std::make_shared<MoveFaces>(*this);
    controller.attachMoves(*moveFaces_, *programModel_, timerMoving, Timer2);
}

void FrmMain::enableFileViewHelpMenus(bool enabled) {
    for (QMenu* menu : {mnuFile, mnuView, mnuHelp})
        menu->menuAction()->setEnabled(enabled);
}

// The mode-change menu stays disabled afterwards: the buttons are used in Move Mode, which keeps it so.
void FrmMain::imgButton_Click(int index) {
    MoveCommands* moves = controller_ ? controller_->moves() : nullptr;
    if (!moves || ctx_.operation.CtBusyFlag)
        return;
    ctx_.operation.CtBusyFlag = true;
    cmdMove->setEnabled(false);
    CTModeChange_Muko();
    cmdReset->setEnabled(false);
    for (QRadioButton* option : optSelectMove)
        option->setEnabled(false);
    AllPosNoLabel_Muko();
    enableFileViewHelpMenus(false);
    // The buttons themselves, and the mode choice: Edit Mode would give the data commands back mid-move.
    pictureSelectMove->setEnabled(false);
    for (QRadioButton* option : optModeSelect)
        option->setEnabled(false);

    moves->SelectMove(index);
    controller_->link.ReleaseCommPort();

    enableFileViewHelpMenus(true);
    MoveHomeYuko();
    cmdReset->setEnabled(true);
    AllPosNoLabel_Yuko();
    pictureSelectMove->setEnabled(true);

    controller_->link.state.MovingFlag = false;
    ctx_.operation.CtBusyFlag = false;
    moves->blink.waitUntilStopped();
    txtDummy->setFocus();
}

// cmdStop and cmdTmpStop stay usable during the run: the window handles events while the program waits
// for a move or between steps, and the requests are honoured after the step under way.
void FrmMain::cmdMove_Click() {
    MoveProgram* program = controller_ ? controller_->program() : nullptr;
    if (!program || program->running() || ctx_.operation.CtBusyFlag)
        return;
    MoveHomeMuko();
    CTModeChange_Muko();
    enableFileViewHelpMenus(false);
    ctx_.operation.CtBusyFlag = true;

    ProgramOptions options;
    options.continuous = optSelectMode[0]->isChecked();
    options.repeat = chkRepeat->isChecked();
    options.timerUse = chkTimerUse->isChecked();
    options.timerText = txtTimer->text();
    program->ContinualMove2(options);

    enableFileViewHelpMenus(true);
    MoveHomeYuko();
    ctx_.operation.CtBusyFlag = false;
}

// Only while a program runs (cmdMove disabled); nothing is sent to the controller.
void FrmMain::cmdStop_Click() {
    if (controller_ && controller_->program() && !cmdMove->isEnabled())
        controller_->program()->cmdStop_Click();
}

void FrmMain::cmdTmpStop_Click() {
    if (controller_ && controller_->program() && !cmdMove->isEnabled())
        controller_->program()->cmdTmpStop_Click();
}

} // namespace zovi
