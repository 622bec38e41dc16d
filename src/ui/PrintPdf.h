#pragma once

#include <QString>

class QPageLayout;

namespace zovi {

class Texts;
struct Printout;

// The printout written as a PDF file, on the paper the printer set-up chose. The file is written whole
// or not at all (app/WholeFile), so a failed export (a full disk, a folder that cannot be written to)
// leaves any file of that name as it was and nothing beside it. The texts stay text (the PDF can be
// searched); the fonts are embedded, Japanese ones included. False when the file could not be written.
bool writePrintoutPdf(const QString& path, const QPageLayout& paper, const Printout& printout,
                      const Texts& texts, bool japanese);

} // namespace zovi
