// The main window's printing: the print selection and the printout.
#include "ui/FrmMain.h"

namespace zovi {

void FrmMain::mnuFilePrint_Click() {}

} // namespace zovi
