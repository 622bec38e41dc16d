#pragma once

#include <QList>
#include <QString>

namespace zovi {

class Texts;
struct Printout;

// The printed page as a list of texts and rules placed in millimetres from the top left corner of the
// printable area, so that where everything lands can be checked without a printer. The renderer
// (print/PageRenderer.h) draws the list.
//
// Every text fills one line of height LH: a text anchored at its top fills [y, y + LH], one anchored
// at its bottom fills [y - LH, y]. The page:
//   header      the title at (10, LH), "File Name:" and the data name at 80 mm, the date and time at the
//               right edge, a rule below; the date and time again at the foot (ending at lines x LH)
//   positions   the device line at 3 LH, "Position Data" at 5 LH, rules at 7 and 8 LH, rows 0 (the
//               headings) to 3 two lines apart from 7 LH, cells at 20, 40, 60, 80, 100 (the pulses,
//               only with the pulse display) and 120 mm
//   parameters  from 15 LH below the positions, else from 4 LH: "Parameters" and the source at 40 mm,
//               rules below, then the 24 lines 1.5 LH apart, label at 10 mm and value at 60 mm; lines
//               that would reach the foot go on a further page under the same header

struct PrintFont {
    double points = 11;
    bool bold = false;
    bool italic = false;
    bool operator==(const PrintFont&) const = default;
};

// The font that LH is measured in.
inline constexpr PrintFont kBodyFont{11, false, false};

struct PrintText {
    enum class Anchor { Top, Bottom };
    double x = 0; // mm; where the text begins, or ends when alignRight
    double y = 0; // mm; see Anchor
    QString text;
    PrintFont font;
    Anchor anchor = Anchor::Top;
    bool alignRight = false;
    double limit = 0; // mm; a longer left-aligned text is shortened with an ellipsis to end there; 0: none
};

struct PrintRule {
    double left = 0; // mm
    double right = 0;
    double y = 0;
};

struct PrintPage {
    QList<PrintText> texts;
    QList<PrintRule> rules;
};

// The printable area in mm and the line unit LH.
struct PageGeometry {
    int lineHeight = 4;
    double width = 0;
    double height = 0;
    int linesPerPage() const { return lineHeight > 0 ? int(height / lineHeight) : 0; }
    // Rules run from the left margin to here.
    int ruleRight() const { return int(width) - 10; }
};

QList<PrintPage> layoutPrintout(const Printout& printout, const PageGeometry& geometry, const Texts& texts);

} // namespace zovi
