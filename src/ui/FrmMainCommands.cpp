// Handlers of the main window's commands that the position, operation, parameter, I/O and
// printing features fill in. Until then a click does nothing.
#include "ui/FrmMain.h"

namespace zovi {

void FrmMain::cmdMove_Click() {}
void FrmMain::cmdStop_Click() {}
void FrmMain::cmdTmpStop_Click() {}
void FrmMain::cmdDataClear_Click() {}
void FrmMain::cmdInp1toF_Click() {}
void FrmMain::imgButton_Click(int) {}
void FrmMain::mnuFilePageSetup_Click() {}
void FrmMain::mnuFilePrint_Click() {}
void FrmMain::mnuShowState_Click() {}
void FrmMain::mnuChangeOut_Click() {}
void FrmMain::mnuShowParameta_Click() {}

// Copy, Cut, Paste, Undo and the Window menu's arrangements have no effect in this window.
void FrmMain::mnuEdit_Click() {}
void FrmMain::mnuWindow_Click() {}

} // namespace zovi
