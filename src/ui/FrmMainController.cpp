// The main window's commands that run over the serial link: alarm reset, modes and version. Each
// runs inside the exchange bracket, so no second exchange can be started while one waits. Attaching
// the controller also gives the session the window's side of the test moves (FrmMainMoves.cpp).
#include "session/ControllerSession.h"
#include "ui/FrmMain.h"

namespace zovi {

void FrmMain::attachController(ControllerSession& controller) {
    controller_ = &controller;
    loadErrorList = [&controller] {
        controller.alarms.Get_ErrorList();
    };
    portIsOpen = [&controller] {
        return controller.link.portIsOpen();
    };
    closePort = [&controller] {
        controller.link.CloseCommPort();
    };
    attachMoves(controller);
}

void FrmMain::cmdReset_Click() {
    if (controller_)
        runExchange([this] { controller_->modes.cmdReset_Click(); });
}

void FrmMain::mnuShowCtversion_Click() {
    if (controller_)
        runExchange([this] { controller_->modes.mnuShowCtversion_Click(); });
}

void FrmMain::mnuModeTrancefer_Click() {
    if (controller_)
        runExchange([this] { controller_->modes.mnuModeTrancefer_Click(); });
}

void FrmMain::mnuModeGaibu_Click() {
    if (controller_)
        runExchange([this] { controller_->modes.mnuModeGaibu_Click(); });
}

} // namespace zovi
