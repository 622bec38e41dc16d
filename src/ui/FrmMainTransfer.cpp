// The main window's position data commands with the controller: Read from C/T, Write to C/T and
// the verification against the controller.
#include "position/PositionTransfer.h"
#include "session/ControllerSession.h"
#include "ui/FrmMain.h"
#include "ui/MainDeviceView.h"

namespace zovi {

void FrmMain::runTransfer(const std::function<void(PositionTransfer&)>& command) {
    if (!controller_ || !devices_)
        return;
    MainDeviceView view(*this);
    TranceProgress progress(ctx_, *this);
    PositionTransfer transfer(ctx_, *positionTable_, *devices_, controller_->link, controller_->commands,
                              controller_->modes, progress, view);
    transfer.saveAs = [this] {
        runSaveAs();
    };
    backUpBeforeWriting(transfer);
    command(transfer);
}

void FrmMain::cmdGetfromCt_Click() {
    runPositionCommand(Busy::Yes, [this] { runTransfer([](PositionTransfer& t) { t.readFromCt(); }); });
}

void FrmMain::cmdLoadtoCt_Click() {
    runPositionCommand(Busy::Yes, [this] { runTransfer([](PositionTransfer& t) { t.writeToCt(); }); });
}

void FrmMain::mnuFileGetfromCt_Click() {
    cmdGetfromCt_Click();
}

void FrmMain::mnuFileLoadtoCt_Click() {
    cmdLoadtoCt_Click();
}

// The menu's controller verification skips the guard checks and the choice of source.
void FrmMain::mnuFileShogoCt_Click() {
    runPositionCommand(Busy::Yes, [this] { PosiDataCtShogo(); });
}

// Also the controller choice of the verify button, which brackets it itself.
void FrmMain::PosiDataCtShogo() {
    runTransfer([](PositionTransfer& t) { t.PosiDataCtShogo(); });
}

} // namespace zovi
