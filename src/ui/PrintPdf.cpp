#include "ui/PrintPdf.h"

#include "app/WholeFile.h"
#include "print/PageRenderer.h"
#include "print/Printout.h"

#include <QBuffer>
#include <QPdfWriter>

namespace zovi {

bool writePrintoutPdf(const QString& path, const QPageLayout& paper, const Printout& printout,
                      const Texts& texts, bool japanese) {
    // The document is made in memory and written whole: the PDF engine does not report a write that
    // fails half-way (a full disk), so it never writes the file itself.
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&document);
        writer.setPageLayout(paper);
        writer.setResolution(1200);
        writer.setCreator(QStringLiteral("ZO-VI"));
        writer.setTitle(printout.dataName);
        // The PDF is complete only once the painter has ended and the writer is gone.
        if (!renderPrintout(writer, printout, texts, japanese))
            return false;
    }
    if (document.data().isEmpty())
        return false;
    return writeWholeFile(path, document.data()).isEmpty();
}

} // namespace zovi
