#include "position/PositionTable.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "position/PositionGridModel.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace zovi {

namespace {

using Grid = PositionGridModel;

// A VEL or ACC text taken as a 16-bit integer: the whole text must be a number (blanks around it
// allowed); halves go to the even neighbour.
std::optional<qint16> wholeNumber16(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? conv::toInt16(value) : std::nullopt;
}

std::optional<qint32> pulsesOfMmText(const DeviceState& dev, const QString& mmText) {
    const qint64 pulses = conv::mmToPulse(dev.DevLead, dev.DevPPR, conv::leadingNumber(mmText));
    if (pulses < std::numeric_limits<qint32>::min() || pulses > std::numeric_limits<qint32>::max())
        return std::nullopt;
    return static_cast<qint32>(pulses);
}

QString numberText(const QVariant& cell) {
    return cell.isValid() ? cell.toString().trimmed() : QString();
}

// A number cell of the grid: right-aligned to 7 characters, empty when there is no number.
QString paddedCell(const QString& text) {
    return text.isEmpty() ? QString() : conv::rightAlign(text, 7).value_or(QString());
}

} // namespace

PositionTable::PositionTable(AppContext& ctx, PositionGridModel& grid)
    : ctx_(ctx)
    , grid_(grid) {}

void PositionTable::setCurrentDataName(const QString& name) {
    currentDataPath_.clear();
    currentDataName_ = name;
    if (showDataName)
        showDataName(name);
}

void PositionTable::setCurrentDataFile(const QString& path) {
    const QFileInfo file(path);
    const QString name = file.fileName();
    const QString stem = name.left(std::max<qsizetype>(0, name.size() - 4));
    setCurrentDataName(stem);
    currentDataPath_ = stem.isEmpty() ? QString() : QDir(file.absolutePath()).filePath(stem);
}

QString PositionTable::cellText(int position, int column) const {
    return grid_.text(position, column);
}

QString PositionTable::positionEntry(int position) const {
    return QLatin1Char('<') + ctx_.msg(409) + QString::number(position) + QLatin1Char('>') + kParagraph;
}

int PositionTable::CheckEmptyPositions() {
    EmptyPosCount = 0;
    EmptyPosList.clear();
    for (int p = 1; p <= kPositions; ++p) {
        PosErrFlags[p] = false;
        if (cellText(p, Grid::ColVel).isEmpty() || cellText(p, Grid::ColAcc).isEmpty() ||
            cellText(p, Grid::ColMm).isEmpty()) {
            PosErrFlags[p] = true;
            ++EmptyPosCount;
            EmptyPosList += positionEntry(p);
        }
    }
    return EmptyPosCount > 0 ? 1 : 0;
}

int PositionTable::CheckPositionValues(int showMessage) {
    const DeviceState& dev = ctx_.device;
    BadPosFlag = false;
    BadPosList.clear();
    for (int p = 1; p <= kPositions; ++p) {
        const double vel = std::trunc(conv::leadingNumber(cellText(p, Grid::ColVel)));
        const double acc = std::trunc(conv::leadingNumber(cellText(p, Grid::ColAcc)));
        const double mm = conv::leadingNumber(cellText(p, Grid::ColMm));
        const qint64 pulses = conv::mmToPulse(dev.DevLead, dev.DevPPR, mm);
        const bool invalid = vel < 1 || vel > 9 || acc < 1 || acc > 3 || mm < 0 || mm > dev.DevMaxMm ||
                             pulses < 0 || pulses > dev.DevMaxPulse;
        if (invalid) {
            PosErrFlags[p] = true;
            BadPosFlag = true;
            BadPosList += positionEntry(p);
        }
    }
    if (showMessage == 1 && BadPosFlag)
        ctx_.op.message(ctx_.msg(467) + kParagraph + BadPosList);
    return BadPosFlag ? 1 : 0;
}

int PositionTable::PosiDataTorikomi() {
    PositionArray captured = PosiDataArray;
    for (int p = 1; p <= kPositions; ++p) {
        if (PosErrFlags[p])
            continue;
        const QString mmText = cellText(p, Grid::ColMm);
        const auto vel = wholeNumber16(cellText(p, Grid::ColVel));
        const auto acc = wholeNumber16(cellText(p, Grid::ColAcc));
        const auto pulses = pulsesOfMmText(ctx_.device, mmText);
        if (!vel || !acc || !pulses)
            return 1;
        auto& row = captured[p];
        row[PfVel] = *vel;
        row[PfAcc] = *acc;
        row[PfOut] = qint16(0);
        row[PfMm] = mmText;
        row[PfPulse] = *pulses;
        row[PfComment] = cellText(p, Grid::ColComment);
    }
    PosiDataArray = captured;
    return 0;
}

int PositionTable::guardChecks(GuardFor purpose) {
    const bool writing = purpose == GuardFor::Write;
    if (CheckEmptyPositions() != 0) {
        QString text;
        if (EmptyPosCount == kPositions)
            text = ctx_.texts.joined({459, 460});
        else
            text = ctx_.texts.joined({writing ? 587 : 475, writing ? 588 : 476}) + kParagraph + EmptyPosList;
        ctx_.op.message(text, Buttons::Ok, Icon::Exclamation);
        return 1;
    }
    if (CheckPositionValues(writing ? 0 : 1) != 0) {
        if (writing)
            ctx_.op.message(ctx_.texts.joined({590, 588}) + kParagraph + ctx_.msg(589) + BadPosList);
        return 1;
    }
    if (purpose == GuardFor::Verify)
        return 0;
    if (PosiDataTorikomi() != 0) {
        ctx_.op.message(ctx_.texts.joined({401, purpose == GuardFor::Print ? 484 : 461}));
        return 1;
    }
    return 0;
}

void PositionTable::Disp_PosiData3() {
    const bool pulseShown = grid_.pulseShown();
    for (int p = 1; p <= kPositions; ++p) {
        const auto& row = PosiDataArray[p];
        grid_.setText(p, Grid::ColVel, numberText(row[PfVel]));
        grid_.setText(p, Grid::ColAcc, numberText(row[PfAcc]));
        const QString mm = row[PfMm].toString().trimmed();
        grid_.setText(p, Grid::ColMm,
                      mm.isEmpty() ? QString() : paddedCell(conv::fixedDecimals(conv::leadingNumber(mm), 3)));
        if (pulseShown)
            grid_.setText(p, Grid::ColPulse, paddedCell(numberText(row[PfPulse])));
        grid_.setText(p, Grid::ColComment, row[PfComment].toString());
    }
    if (resetCurrentCell)
        resetCurrentCell();
    ctx_.operation.DataChangeFlag = false;
}

void PositionTable::CopyPosiDataArray2workPosDA() {
    workPosDA = PosiDataArray;
}

void PositionTable::takeWorkPosDA() {
    for (int p = 1; p <= kPositions; ++p)
        for (int field : {PfVel, PfAcc, PfOut, PfPulse, PfComment})
            PosiDataArray[p][field] = workPosDA[p][field];
    computeMmTexts();
}

void PositionTable::computeMmTexts() {
    const DeviceState& dev = ctx_.device;
    for (int p = 1; p <= kPositions; ++p) {
        const QString pulses = pulseText(p);
        PosiDataArray[p][PfMm] = pulses.isEmpty()
                                     ? QString()
                                     : conv::mmCellText(dev.DevLead, dev.DevPPR, conv::leadingNumber(pulses));
    }
}

void PositionTable::Culc_MmPosi() {
    const DeviceState& dev = ctx_.device;
    const bool pulseShown = grid_.pulseShown();
    for (int p = 1; p <= kPositions; ++p) {
        const QString pulses = pulseText(p);
        if (pulses.isEmpty())
            continue;
        setMmText(p, conv::mmCellText(dev.DevLead, dev.DevPPR, conv::leadingNumber(pulses)));
        if (pulseShown)
            grid_.setText(p, Grid::ColPulse, paddedCell(pulses));
    }
}

void PositionTable::Clear_mmPos() {
    for (int p = 1; p <= kPositions; ++p)
        grid_.setText(p, Grid::ColPulse, QString());
}

void PositionTable::clearArrays() {
    PosiDataArray = {};
    workPosDA = {};
}

int PositionTable::PosiDataSyogoProc() {
    VerifyResultList.clear();
    for (int p = 1; p <= kPositions; ++p) {
        for (int field : {PfVel, PfAcc, PfOut, PfPulse}) {
            if (conv::leadingNumber(numberText(PosiDataArray[p][field])) !=
                conv::leadingNumber(numberText(workPosDA[p][field]))) {
                VerifyResultList += QLatin1Char('<') + ctx_.msg(409) + QString::number(p, 16).toUpper() +
                                    QLatin1Char('>') + kParagraph;
                break;
            }
        }
    }
    return VerifyResultList.isEmpty() ? 0 : 1;
}

bool PositionTable::hasData() const {
    for (int p = 1; p <= kPositions; ++p)
        for (int column : {Grid::ColVel, Grid::ColAcc, Grid::ColMm})
            if (!cellText(p, column).isEmpty())
                return true;
    return false;
}

QString PositionTable::pulseText(int position) const {
    if (position < 1 || position > kPositions)
        return QString();
    return numberText(PosiDataArray[position][PfPulse]);
}

void PositionTable::setMmText(int position, const QString& text) {
    if (position < 1 || position > kPositions)
        return;
    PosiDataArray[position][PfMm] = text;
    grid_.setText(position, Grid::ColMm, text);
}

} // namespace zovi
