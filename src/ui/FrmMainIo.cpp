// The main window's I/O menu: the I/O monitor with its output change.
#include "ui/FrmMain.h"

namespace zovi {

void FrmMain::mnuShowState_Click() {}
void FrmMain::mnuChangeOut_Click() {}

} // namespace zovi
