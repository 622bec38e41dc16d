#pragma once

#include "print/PageLayout.h"

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QStringList>

class QPagedPaintDevice;
class QPaintDevice;

namespace zovi {

class Texts;
struct Printout;

// Draws the laid-out printout with QPainter on a paged device: a QPrinter for the printer, the print
// preview and the PDF export alike (or a QPdfWriter). Texts stay text, so a PDF can be searched.

// The font families of the printout, first choice first. The first that is installed is used and the
// next ones supply the characters it lacks (a Japanese comment in an English run). The IPA fonts come
// before Noto Sans CJK: a PDF embeds either, but Noto's kanji read back as radicals when text is
// taken out of the PDF.
QStringList printFontFamilies(bool japanese);
QFont printFont(const QStringList& families, const PrintFont& font);

// The printable area of the device in mm, and LH: the integer part of the height of "A" in the body
// font on the device, in mm (at least 1).
PageGeometry pageGeometry(const QPagedPaintDevice& device, const QStringList& families);

// A text as it is drawn, in device units: the text after any shortening, its baseline and the box
// from its ascent to its descent.
struct PlacedText {
    QString text;
    QFont font;
    QPointF baseline;
    QRectF box;
};
// A text fills its line of height LH down to the line's end: its descent ends where the line does.
QList<PlacedText> placeTexts(const PrintPage& page, int lineHeight, const QPaintDevice& device,
                             const QStringList& families);

// Lays the printout out for the device and draws it, one device page per page laid out. False when
// the device cannot be painted on or cannot start a page (a printer that does not start, an output
// file that cannot be written).
bool renderPrintout(QPagedPaintDevice& device, const Printout& printout, const Texts& texts, bool japanese);

} // namespace zovi
