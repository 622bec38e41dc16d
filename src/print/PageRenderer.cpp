#include "print/PageRenderer.h"

#include "print/Printout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPen>
#include <cmath>

namespace zovi {

namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kRuleWidthMm = 0.25;

// Device units per millimetre.
double unitsPerMm(const QPaintDevice& device) {
    return device.logicalDpiY() / kMmPerInch;
}

} // namespace

QStringList printFontFamilies(bool japanese) {
    const QStringList latin = {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                               QStringLiteral("Arial")};
    const QStringList kanji = {QStringLiteral("IPAPGothic"), QStringLiteral("IPAGothic"),
                               QStringLiteral("Meiryo"), QStringLiteral("MS UI Gothic"),
                               QStringLiteral("Noto Sans CJK JP")};
    return japanese ? kanji + latin : latin + kanji;
}

QFont printFont(const QStringList& families, const PrintFont& font) {
    QFont result;
    result.setFamilies(families);
    result.setPointSizeF(font.points);
    result.setBold(font.bold);
    result.setItalic(font.italic);
    // No ligatures: a PDF that shows "ﬀ" for "ff" cannot be searched for the word.
    result.setStyleStrategy(QFont::PreferNoShaping);
    return result;
}

PageGeometry pageGeometry(const QPagedPaintDevice& device, const QStringList& families) {
    const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
    const QFontMetricsF metrics(printFont(families, kBodyFont), &device);
    PageGeometry geometry;
    geometry.width = area.width();
    geometry.height = area.height();
    geometry.lineHeight =
        std::max(1, int(std::floor(metrics.boundingRect(QStringLiteral("A")).height() / unitsPerMm(device))));
    return geometry;
}

QList<PlacedText> placeTexts(const PrintPage& page, int lineHeight, const QPaintDevice& device,
                             const QStringList& families) {
    const double unit = unitsPerMm(device);
    QList<PlacedText> placed;
    for (const PrintText& item : page.texts) {
        PlacedText text;
        text.font = printFont(families, item.font);
        const QFontMetricsF metrics(text.font, &device);
        text.text =
            item.limit > 0 && !item.alignRight
                ? metrics.elidedText(item.text, Qt::ElideRight, std::max(0.0, (item.limit - item.x) * unit))
                : item.text;
        const double width = metrics.horizontalAdvance(text.text);
        const double left = item.alignRight ? item.x * unit - width : item.x * unit;
        const double lineEnd = item.anchor == PrintText::Anchor::Top ? item.y + lineHeight : item.y;
        text.baseline = QPointF(left, lineEnd * unit - metrics.descent());
        text.box =
            QRectF(left, text.baseline.y() - metrics.ascent(), width, metrics.ascent() + metrics.descent());
        placed.append(text);
    }
    return placed;
}

bool renderPrintout(QPagedPaintDevice& device, const Printout& printout, const Texts& texts, bool japanese) {
    const QStringList families = printFontFamilies(japanese);
    const PageGeometry geometry = pageGeometry(device, families);
    const QList<PrintPage> pages = layoutPrintout(printout, geometry, texts);
    const double unit = unitsPerMm(device);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QPen pen(Qt::black);
    pen.setWidthF(kRuleWidthMm * unit);
    for (qsizetype i = 0; i < pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        painter.setPen(pen);
        for (const PrintRule& rule : pages[i].rules)
            painter.drawLine(QPointF(rule.left * unit, rule.y * unit),
                             QPointF(rule.right * unit, rule.y * unit));
        for (const PlacedText& text : placeTexts(pages[i], geometry.lineHeight, device, families)) {
            painter.setFont(text.font);
            painter.drawText(text.baseline, text.text);
        }
    }
    return painter.end();
}

} // namespace zovi
