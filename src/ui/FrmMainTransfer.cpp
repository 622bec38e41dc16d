// The main window's position data commands with the controller: Read from C/T, Write to C/T and
// the verification against the controller.
#include "ui/FrmMain.h"

namespace zovi {

void FrmMain::cmdGetfromCt_Click() {}
void FrmMain::cmdLoadtoCt_Click() {}
void FrmMain::mnuFileGetfromCt_Click() {}
void FrmMain::mnuFileLoadtoCt_Click() {}
void FrmMain::mnuFileShogoCt_Click() {}
void FrmMain::PosiDataCtShogo() {}

} // namespace zovi
