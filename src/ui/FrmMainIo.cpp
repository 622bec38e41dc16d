// The main window's I/O menu: the I/O monitor with its output change.
#include "app/AppContext.h"
#include "session/ControllerSession.h"
#include "ui/FrmInputOutput.h"
#include "ui/FrmMain.h"

namespace zovi {

void FrmMain::mnuShowState_Click() {
    showInputOutput();
}

// The outputs are changed in the monitor window itself: Change Out opens it too.
void FrmMain::mnuChangeOut_Click() {
    showInputOutput();
}

void FrmMain::showInputOutput() {
    if (!controller_)
        return;
    const bool wasBusy = ctx_.operation.CtBusyFlag;
    ctx_.operation.CtBusyFlag = true;
    FrmInputOutput window(ctx_, controller_->link, this);
    window.exec();
    ctx_.operation.CtBusyFlag = wasBusy;
}

} // namespace zovi
