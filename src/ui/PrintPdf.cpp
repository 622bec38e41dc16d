#include "ui/PrintPdf.h"

#include "print/PageRenderer.h"
#include "print/Printout.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>
#include <filesystem>
#include <system_error>

namespace zovi {

bool writePrintoutPdf(const QString& path, const QPageLayout& paper, const Printout& printout,
                      const Texts& texts, bool japanese) {
    const QFileInfo target(path);
    // In the target's folder, so the rename that puts it in place cannot cross file systems.
    QTemporaryFile part(
        target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(target.fileName())));
    if (!part.open())
        return false;
    part.close();
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageLayout(paper);
        printer.setOutputFileName(part.fileName());
        printer.setCreator(QStringLiteral("ZO-VI"));
        printer.setDocName(printout.dataName);
        // The PDF is complete only once the painter has ended and the printer is gone.
        if (!renderPrintout(printer, printout, texts, japanese))
            return false;
    }
    if (QFileInfo(part.fileName()).size() == 0)
        return false;
    // A temporary file is private to its owner; the exported file is an ordinary document.
    part.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                        QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(part.fileName().toStdU16String()),
                            std::filesystem::path(target.absoluteFilePath().toStdU16String()), error);
    if (error)
        return false;
    part.setAutoRemove(false); // it is the target now
    return true;
}

} // namespace zovi
