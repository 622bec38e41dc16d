// The main window's printing: the print selection, the data it chose, and the printout on the printer,
// in the print preview or in a PDF file.
#include "app/AppContext.h"
#include "parameter/ParameterTransfer.h"
#include "print/PageRenderer.h"
#include "print/PrintPreparation.h"
#include "session/ControllerSession.h"
#include "ui/FrmMain.h"
#include "ui/FrmPrintSelect.h"
#include "ui/MainDeviceView.h"
#include "ui/PrintPdf.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace zovi {

namespace {

bool printerInstalled() {
    return !QPrinterInfo::availablePrinters().isEmpty();
}

// The name offered for the PDF: the data's own name with ".pdf".
QString pdfName(const Printout& printout, const QString& extension) {
    const QString base = QFileInfo(printout.dataName).completeBaseName();
    return base.isEmpty() ? QString() : base + QLatin1Char('.') + extension;
}

} // namespace

void FrmMain::buildPrintMenuItems() {
    // Preview and export are usable whenever Print is: they follow its enabling.
    for (QAction* item : {mnuFilePrintPreview, mnuFileExportPdf}) {
        item->setEnabled(mnuFilePrint->isEnabled());
        connect(mnuFilePrint, &QAction::enabledChanged, item, &QAction::setEnabled);
    }
    connect(mnuFilePrintPreview, &QAction::triggered, this, &FrmMain::mnuFilePrintPreview_Click);
    connect(mnuFileExportPdf, &QAction::triggered, this, &FrmMain::mnuFileExportPdf_Click);
}

// Print (the menu and the tool bar's Print key): on the printer of File > Printer. Without a printer
// it says so and points to the PDF export.
void FrmMain::mnuFilePrint_Click() {
    if (!printerInstalled()) {
        ctx_.op.message(ctx_.msg(790), Buttons::Ok, Icon::Exclamation);
        return;
    }
    runPrint(PrintTarget::Printer);
}

void FrmMain::mnuFilePrintPreview_Click() {
    runPrint(PrintTarget::Preview);
}

void FrmMain::mnuFileExportPdf_Click() {
    runPrint(PrintTarget::Pdf);
}

void FrmMain::runPrint(PrintTarget target) {
    runPositionCommand(Busy::Yes, [this, target] {
        FrmPrintSelect select(ctx_, this);
        if (select.exec() != QDialog::Accepted)
            return;

        PrintPreparation preparation(ctx_, *positionTable_, positionFiles());
        preparation.deviceTypeName = deviceLabel();
        preparation.readController = [this]() -> int {
            if (!controller_)
                return 1;
            TranceProgress progress(ctx_, *this);
            ParameterTransfer transfer(ctx_, controller_->link, progress);
            return transfer.GetParametaValueProc();
        };
        const std::optional<Printout> printout =
            preparation.prepare(select.request(), QDateTime::currentDateTime());
        if (!printout)
            return;

        const bool japanese = ctx_.japanese();
        switch (target) {
        case PrintTarget::Printer: {
            // A printer added while the program runs replaces the PDF printer made without one.
            if (printer().outputFormat() != QPrinter::NativeFormat)
                printer().setOutputFormat(QPrinter::NativeFormat);
            printer().setDocName(printout->dataName);
            if (!renderPrintout(printer(), *printout, ctx_.texts, japanese))
                ctx_.op.message(ctx_.msg(797).arg(printer().printerName()), Buttons::Ok, Icon::Exclamation);
            break;
        }
        case PrintTarget::Preview: {
            QPrintPreviewDialog preview(&printer(), this);
            preview.setObjectName(QStringLiteral("dlgPrintPreview"));
            preview.setWindowTitle(ctx_.msg(798));
            connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                    [&](QPrinter* device) { renderPrintout(*device, *printout, ctx_.texts, japanese); });
            preview.exec();
            break;
        }
        case PrintTarget::Pdf: {
            FileDialogRequest request;
            request.title = ctx_.msg(793);
            request.defaultExtension = ctx_.msg(794);
            request.filter = ctx_.msg(795);
            request.initialName = pdfName(*printout, request.defaultExtension);
            request.overwritePrompt = true;
            const auto path = ctx_.op.saveFile(request);
            if (!path)
                return;
            if (!writePrintoutPdf(*path, printer().pageLayout(), *printout, ctx_.texts, japanese))
                ctx_.op.message(ctx_.msg(796).arg(QDir::toNativeSeparators(*path)), Buttons::Ok,
                                Icon::Exclamation);
            break;
        }
        }
    });
}

} // namespace zovi
