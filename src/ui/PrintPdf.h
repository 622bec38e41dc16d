#pragma once

#include <QString>

class QPageLayout;

namespace zovi {

class Texts;
struct Printout;

// The printout written as a PDF file through the printer's PDF output, on the paper the printer set-up
// chose. The pages go to a temporary file beside `path` that replaces `path` only once it is
// complete, so a failed export leaves any file of that name as it was. The texts stay text (the PDF
// can be searched); the fonts are embedded, Japanese ones included.
// False when the file could not be written (the temporary file is then gone).
bool writePrintoutPdf(const QString& path, const QPageLayout& paper, const Printout& printout,
                      const Texts& texts, bool japanese);

} // namespace zovi
