#include "print/PageLayout.h"

#include "app/Catalogue.h"
#include "print/Printout.h"

#include <array>

namespace zovi {

namespace {

constexpr double kLeft = 10;
constexpr double kFileNameX = 80;
constexpr double kDateRoom = 48; // kept free for the date and time at the right end of the header
constexpr double kSourceX = 40;
constexpr double kLabelX = 10;
constexpr double kValueX = 60;
constexpr double kGap = 1.5;           // between a cell and the next column
constexpr double kDoubleRule = 0.7;    // between the two rules under the parameters' heading
constexpr double kParameterStep = 1.5; // line units from one parameter to the next
constexpr std::array<double, PrintPositions::CellCount> kCellX = {20, 40, 60, 80, 100, 120};

constexpr PrintFont kTitleFont{14, true, true};
constexpr PrintFont kHeaderFont{11, true, true};
constexpr PrintFont kFootFont{9, false, true};
constexpr PrintFont kHeadingFont{11, true, false};
constexpr PrintFont kCellFont{9, false, false};

const QString kSeparator = QStringLiteral(" : ");

class PageWriter {
public:
    PageWriter(const Printout& printout, const PageGeometry& geometry, const Texts& texts)
        : printout_(printout)
        , geometry_(geometry)
        , texts_(texts)
        , lh_(geometry.lineHeight) {}

    QList<PrintPage> pages;

    void newPage() {
        pages.append(PrintPage());
        const QString when = printout_.printedAt.toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
        const double right = geometry_.ruleRight();
        text(kLeft, lh_, texts_(201), kTitleFont);
        text(kFileNameX, lh_, texts_(203) + QLatin1Char(' ') + printout_.dataName, kHeaderFont,
             right - kDateRoom);
        text(right, lh_, when, kHeaderFont).alignRight = true;
        rule(2.5 * lh_);
        text(kLeft, geometry_.linesPerPage() * lh_, when, kFootFont).anchor = PrintText::Anchor::Bottom;
    }

    void positions(const PrintPositions& part) {
        text(kLeft, 3 * lh_, part.deviceLine, kBodyFont, geometry_.width);
        text(kLeft, 5 * lh_, texts_(486), kHeadingFont);
        rule(7 * lh_);
        rule(8 * lh_);
        QList<int> cells;
        for (int cell = 0; cell < PrintPositions::CellCount; ++cell) {
            if (cell != PrintPositions::Pulse || printout_.pulseColumn)
                cells << cell;
        }
        for (int row = 0; row < int(part.rows.size()); ++row) {
            const double y = (7 + 2 * row) * lh_;
            for (qsizetype i = 0; i < cells.size(); ++i) {
                const int cell = cells[i];
                const double limit = i + 1 < cells.size() ? kCellX[cells[i + 1]] - kGap : geometry_.width;
                text(kCellX[cell], y, part.rows[row][cell], kCellFont, limit);
            }
        }
    }

    void parameters(const PrintParameters& part) {
        double y = parameterHeading(part, printout_.positions ? 15 * lh_ : 4 * lh_);
        const double lastLineEnd = (geometry_.linesPerPage() - 2) * lh_;
        bool linesOnPage = false;
        for (const PrintParameters::Line& line : part.lines) {
            if (linesOnPage && y + lh_ > lastLineEnd) {
                newPage();
                y = parameterHeading(part, 4 * lh_);
                linesOnPage = false;
            }
            text(kLabelX, y, line.label, kCellFont, kValueX - kGap);
            text(kValueX, y, line.value, kCellFont, geometry_.width);
            linesOnPage = true;
            y += kParameterStep * lh_;
        }
    }

private:
    PrintPage& page() { return pages.last(); }

    PrintText& text(double x, double y, const QString& text, const PrintFont& font, double limit = 0) {
        PrintText item;
        item.x = x;
        item.y = y;
        item.text = text;
        item.font = font;
        item.limit = limit;
        page().texts.append(item);
        return page().texts.last();
    }

    void rule(double y) { page().rules.append(PrintRule{kLeft, double(geometry_.ruleRight()), y}); }

    // The heading at `top`; the y of the first line below it.
    double parameterHeading(const PrintParameters& part, double top) {
        text(kLabelX, top, texts_(487), kHeadingFont, kSourceX - kGap);
        text(kSourceX, top, texts_(488) + kSeparator + part.sourceName, kBodyFont, geometry_.width);
        rule(top + 1.5 * lh_);
        rule(top + 1.5 * lh_ + kDoubleRule);
        return top + 2.5 * lh_;
    }

    const Printout& printout_;
    const PageGeometry& geometry_;
    const Texts& texts_;
    const double lh_;
};

} // namespace

QList<PrintPage> layoutPrintout(const Printout& printout, const PageGeometry& geometry, const Texts& texts) {
    PageWriter writer(printout, geometry, texts);
    writer.newPage();
    if (printout.positions)
        writer.positions(*printout.positions);
    if (printout.parameters)
        writer.parameters(*printout.parameters);
    return writer.pages;
}

} // namespace zovi
