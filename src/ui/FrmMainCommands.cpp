// Handlers of the main window's smaller commands: the program grid's Clear, printer set-up and the
// menus that have no effect.
#include "app/AppContext.h"
#include "operation/ProgramGridModel.h"
#include "ui/FrmMain.h"

#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zovi {

void FrmMain::cmdInp1toF_Click() {}

// Copy, Cut, Paste, Undo and the Window menu's arrangements have no effect in this window.
void FrmMain::mnuEdit_Click() {}
void FrmMain::mnuWindow_Click() {}

// Clear: every step of the move program is emptied.
void FrmMain::cmdDataClear_Click() {
    programModel_->clearSteps();
}

QPrinter& FrmMain::printer() {
    if (!printer_) {
        printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::availablePrinters().isEmpty())
            printer_->setOutputFormat(QPrinter::PdfFormat);
    }
    return *printer_;
}

// File > Printer: paper, orientation and margins for later printing on the system's printer.
// Cancelling keeps what was set. The set-up needs a printer of the system: without one it says so.
void FrmMain::mnuFilePageSetup_Click() {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        ctx_.op.message(ctx_.msg(730), Buttons::Ok, Icon::Exclamation);
        return;
    }
    // A printer installed while the program runs replaces the PDF printer made without one.
    if (printer().outputFormat() != QPrinter::NativeFormat)
        printer().setOutputFormat(QPrinter::NativeFormat);
    CMDBTN_Muko();
    ToolBar_Muko();
    {
        QPageSetupDialog dialog(&printer(), this);
        dialog.exec();
    }
    CMDBTN_Yuko();
    ToolBar_Yuko();
}

} // namespace zovi
