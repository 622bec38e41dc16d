// The main window's position data commands on files: New, Open, Save and Save As, and
// the verification with its choice of a file or the controller.
#include "app/AppContext.h"
#include "ui/FrmMain.h"

namespace zovi {

void FrmMain::cmdFileOpen_Click() {}
void FrmMain::cmdSaveFile_Click() {}
void FrmMain::mnuFileNew_Click() {}
void FrmMain::mnuFileOpen_Click() {}
void FrmMain::mnuFileSave_Click() {}
void FrmMain::mnuFileSaveAs_Click() {}
void FrmMain::cmdPosiDataShogo_Click() {}
void FrmMain::mnuFileShogoFile_Click() {}
void FrmMain::PosiDataFileShogo() {}

bool FrmMain::runSaveAs() {
    FileDialogRequest request;
    request.title = ctx_.msg(489);
    request.filter = ctx_.msg(405);
    request.defaultExtension = ctx_.msg(404);
    request.initialName = ctx_.msg(490);
    request.overwritePrompt = true;
    const auto path = ctx_.op.saveFile(request);
    if (!path)
        return true;
    saveFileAs(*path);
    return false;
}

void FrmMain::saveFileAs(const QString&) {
    // Placeholder until the position data file can be written: the chosen name is not used yet.
}

} // namespace zovi
