#include "position/PositionGridEdit.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zovi {

namespace {

using Grid = PositionGridModel;

constexpr int kFirstRow = 1;
constexpr int kLastRow = PositionTable::kPositions;
constexpr int kCellWidth = 7; // mm and pulse cells are right-aligned to 7 characters

// The number a typed text begins with (blanks skipped); nothing when it does not begin with one, so
// that an emptied or mistyped cell is refused rather than taken as 0.
std::optional<double> typedNumber(const QString& text) {
    static const QRegularExpression start(QStringLiteral("^\\s*[+-]?(\\d|\\.\\d)"));
    if (!start.match(text).hasMatch())
        return std::nullopt;
    return conv::leadingNumber(text);
}

// An mm entry keeps at most 7 characters and at most three decimals: cut, not rounded.
QString cutMmText(const QString& text) {
    QString cut;
    qsizetype pointAt = -1;
    for (const QChar c : text) {
        if (cut.size() >= kCellWidth || (pointAt >= 0 && cut.size() - pointAt > 3))
            break;
        if (c == QLatin1Char('.') && pointAt < 0)
            pointAt = cut.size();
        cut += c;
    }
    return cut;
}

QString padded(const QString& text) {
    return conv::rightAlign(text, kCellWidth).value_or(text);
}

int nextRow(int row) {
    return row >= kLastRow ? kFirstRow : row + 1;
}

int previousRow(int row) {
    return row <= kFirstRow ? kLastRow : row - 1;
}

} // namespace

PositionGridEdit::PositionGridEdit(AppContext& ctx, PositionTable& table)
    : ctx_(ctx)
    , table_(table) {}

int PositionGridEdit::maxLength(int column) {
    switch (column) {
    case Grid::ColVel:
    case Grid::ColAcc:
        return 2;
    case Grid::ColMm:
        return 8;
    case Grid::ColPulse:
        return 7;
    case Grid::ColComment:
        return 20;
    default:
        return 0;
    }
}

bool PositionGridEdit::editable(GridCell cell) const {
    if (cell.row < kFirstRow || cell.row > kLastRow || cell.col < Grid::ColVel || cell.col > Grid::ColComment)
        return false;
    return cell.col != Grid::ColPulse || table_.grid().pulseShown();
}

QString PositionGridEdit::openingText(const QString& typed, const QString& cellText) {
    return !typed.isEmpty() && typed.front().unicode() > 32 ? typed : cellText;
}

bool PositionGridEdit::mmEntry(const QString& editorText, Entry& entry) const {
    const DeviceState& dev = ctx_.device;
    const auto mm = typedNumber(cutMmText(editorText));
    if (!mm || *mm < 0 || *mm > dev.DevMaxMm)
        return false;
    const double snapped =
        conv::snapMmToPulseStep(dev.DevLead, ctx_.options.MmRoundUpFlag ? 1 : 0, dev.DevPPR, *mm);
    entry.pulses = static_cast<qint32>(conv::mmToPulse(dev.DevLead, dev.DevPPR, snapped));
    entry.text = padded(conv::fixedDecimals(snapped, 3));
    entry.companion = padded(QString::number(entry.pulses));
    return true;
}

bool PositionGridEdit::pulseEntry(const QString& editorText, Entry& entry) const {
    const DeviceState& dev = ctx_.device;
    const auto pulses = typedNumber(editorText);
    if (!pulses || *pulses != std::trunc(*pulses) || *pulses < 0 || *pulses > dev.DevMaxPulse ||
        conv::pulseToMm(dev.DevLead, dev.DevPPR, *pulses) > dev.DevMaxMm)
        return false;
    entry.pulses = static_cast<qint32>(*pulses);
    entry.text = padded(QString::number(entry.pulses));
    entry.companion = conv::mmCellText(dev.DevLead, dev.DevPPR, entry.pulses);
    return true;
}

bool PositionGridEdit::entryFor(int column, const QString& editorText, Entry& entry) const {
    switch (column) {
    case Grid::ColVel:
    case Grid::ColAcc: {
        const auto number = typedNumber(editorText);
        const int value = number ? static_cast<int>(std::trunc(*number)) : 0;
        entry.text = QString::number(value);
        return number && value >= 1 && value <= (column == Grid::ColVel ? 9 : 3);
    }
    case Grid::ColMm:
        return mmEntry(editorText, entry);
    case Grid::ColPulse:
        return pulseEntry(editorText, entry);
    default:
        entry.text = editorText.trimmed();
        return true;
    }
}

CellEditResult PositionGridEdit::commit(const GridBlock& block, const QString& editorText,
                                        ChangeFlag change) {
    CellEditResult result;
    const GridCell cell = block.current;
    if (!editable(cell))
        return result;
    // A block spanning several columns is narrowed to the current one.
    result.column = cell.col;
    result.firstRow = std::clamp(std::min(cell.row, block.end.row), kFirstRow, kLastRow);
    result.lastRow = std::clamp(std::max(cell.row, block.end.row), kFirstRow, kLastRow);

    Entry entry;
    const bool accepted = entryFor(cell.col, editorText, entry);
    Grid& grid = table_.grid();
    const bool positionColumn = cell.col == Grid::ColMm || cell.col == Grid::ColPulse;
    const int companion = cell.col == Grid::ColMm ? Grid::ColPulse : Grid::ColMm;
    for (int row = result.firstRow; row <= result.lastRow; ++row) {
        grid.setText(row, cell.col, accepted ? entry.text : QString());
        if (!positionColumn)
            continue;
        // A refused position leaves the row without one, so that no old pulses come back later.
        if (accepted) {
            if (companion == Grid::ColMm || grid.pulseShown())
                grid.setText(row, companion, entry.companion);
            table_.PosiDataArray[row][PfPulse] = entry.pulses;
        } else {
            grid.setText(row, companion, QString());
            table_.PosiDataArray[row][PfPulse] = QVariant();
        }
    }
    if (!accepted)
        ctx_.op.beep();
    if (change == ChangeFlag::Set)
        ctx_.operation.DataChangeFlag = true;
    result.outcome = accepted ? CellEditResult::Accepted : CellEditResult::Rejected;
    result.text = accepted ? entry.text : QString();
    return result;
}

GridCell PositionGridEdit::editorKeyTarget(Key key, GridCell from, bool pulseShown) {
    switch (key) {
    case Key::Enter:
        // Enter in a position column goes on to the comment, past the pulse column.
        if (from.col == Grid::ColMm || from.col == Grid::ColPulse)
            return {from.row, Grid::ColComment};
        return gridEnterTarget(from, pulseShown);
    case Key::Up:
        return {previousRow(from.row), from.col};
    case Key::Down:
        return {nextRow(from.row), from.col};
    case Key::Right:
        if (from.col == Grid::ColComment)
            return {from.row, Grid::ColVel};
        if (from.col == Grid::ColMm && !pulseShown)
            return {from.row, Grid::ColComment};
        return {from.row, from.col + 1};
    case Key::Escape:
        break;
    }
    return from;
}

GridCell PositionGridEdit::gridEnterTarget(GridCell from, bool pulseShown) {
    switch (from.col) {
    case Grid::ColVel:
    case Grid::ColAcc:
    case Grid::ColPulse:
        return {from.row, from.col + 1};
    case Grid::ColMm:
        return {from.row, pulseShown ? Grid::ColPulse : Grid::ColComment};
    case Grid::ColComment:
        return {nextRow(from.row), Grid::ColVel};
    default:
        return from;
    }
}

} // namespace zovi
