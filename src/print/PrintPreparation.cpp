#include "print/PrintPreparation.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterFile.h"
#include "parameter/ParameterTable.h"
#include "position/PositionFiles.h"
#include "position/PositionTable.h"

#include <QDir>
#include <QFileInfo>
#include <optional>

namespace zovi {

namespace {

const QString kSeparator = QStringLiteral(" : ");
const QString kTypeGap = QStringLiteral("  ");

// Parameters 18, 21, 23 and 24 are printed as the caption of the option the parameter window
// shows for them: 18 is sensor homing only at 1, 21 is VQ(Old) at 1 and JM at 2 (VQ(New) else), and
// the emergency-stop input and logic take any value but 0 as their first choice (hold, logic A).
std::optional<int> optionCaption(int number, qint64 value) {
    switch (number) {
    case 18:
        return value == 1 ? 200 : 199; // sensor, pushing
    case 21:
        return value == 2 ? 134 : (value == 1 ? 147 : 146); // JM, VQ(Old), VQ(New)
    case 23:
        return value != 0 ? 194 : 195; // hold, reset
    case 24:
        return value != 0 ? 191 : 192; // logic A, logic B
    default:
        return std::nullopt;
    }
}

QString cellText(const QVariant& cell) {
    return cell.isValid() ? cell.toString().trimmed() : QString();
}

} // namespace

QString parameterValueText(const Texts& texts, const ParameterSet& set, const ParameterRow& row) {
    if (row.width == FieldWidth::Text)
        return set.Actuator;
    const qint64 value = fieldValue(set, row);
    if (const auto caption = optionCaption(row.number, value))
        return texts(*caption);
    return QString::number(value);
}

PrintPreparation::PrintPreparation(AppContext& ctx, PositionTable& table, PositionFiles& files)
    : ctx_(ctx)
    , table_(table)
    , files_(files) {}

std::optional<Printout> PrintPreparation::prepare(const PrintRequest& request, const QDateTime& printedAt) {
    Printout printout;
    printout.printedAt = printedAt;
    printout.pulseColumn = ctx_.options.PlsPosFlag;
    if (request.positions) {
        PrintPositions part;
        const bool read = request.positionsFromFile() ? positionsFromFile(request.positionFile, part)
                                                      : positionsFromGrid(part);
        if (!read)
            return std::nullopt;
        printout.positions = part;
        printout.dataName = request.positionsFromFile() ? QFileInfo(request.positionFile).fileName()
                                                        : table_.CurrentDataName();
    }
    if (request.parameters) {
        printout.parameters = request.parametersFromFile() ? parametersFromFile(request.parameterFile)
                                                           : parametersFromController();
        if (printout.parameters && !printout.positions)
            printout.dataName = printout.parameters->sourceName;
    }
    if (!printout.positions && !printout.parameters)
        return std::nullopt;
    return printout;
}

bool PrintPreparation::positionsFromGrid(PrintPositions& part) {
    if (table_.guardChecks(GuardFor::Print) != 0)
        return false;
    table_.CopyPosiDataArray2workPosDA();
    part.deviceLine = ctx_.msg(21) + kSeparator + deviceTypeName;
    if (!ctx_.device.IsNewType)
        part.deviceLine += kTypeGap + ctx_.msg(149);
    takeRows(part);
    return true;
}

bool PrintPreparation::positionsFromFile(const QString& path, PrintPositions& part) {
    if (files_.ReadPositionFile(path) != 0)
        return false;
    part.deviceLine = ctx_.msg(21) + kSeparator + files_.FileDevName;
    if (files_.FileNewOld != QLatin1String("NEW"))
        part.deviceLine += kTypeGap + files_.FileTypeCaption;
    computeMmFromPulses();
    takeRows(part);
    return true;
}

// The mm of each position from its pulses for the current actuator; without a lead and pulses per
// revolution to compute with, or with a position beyond what the mm column can show, the column is
// left empty after telling the operator.
void PrintPreparation::computeMmFromPulses() {
    const DeviceState& dev = ctx_.device;
    PositionArray& staging = table_.workPosDA;
    bool failed = dev.DevLead <= 0 || dev.DevPPR <= 0;
    for (int p = 1; p <= PositionTable::kPositions && !failed; ++p) {
        const QString mm = conv::mmCellText(dev.DevLead, dev.DevPPR, staging[p][PfPulse].toDouble());
        failed = mm.isEmpty();
        staging[p][PfMm] = mm.trimmed();
    }
    if (failed) {
        for (int p = 1; p <= PositionTable::kPositions; ++p)
            staging[p][PfMm] = QString();
        ctx_.op.message(ctx_.texts.joined({364, 365}), Buttons::Ok, Icon::Exclamation);
    }
}

void PrintPreparation::takeRows(PrintPositions& part) {
    PositionArray& staging = table_.workPosDA;
    auto& headings = staging[0];
    headings[0] = ctx_.msg(12);
    headings[PfVel] = ctx_.msg(13);
    headings[PfAcc] = ctx_.msg(14);
    headings[PfMm] = ctx_.msg(17);
    headings[PfPulse] = ctx_.msg(16);
    headings[PfComment] = ctx_.msg(18);
    for (int row = 0; row <= PositionTable::kPositions; ++row) {
        auto& cells = part.rows[row];
        cells[PrintPositions::No] = row == 0 ? cellText(headings[0]) : QString::number(row);
        cells[PrintPositions::Vel] = cellText(staging[row][PfVel]);
        cells[PrintPositions::Acc] = cellText(staging[row][PfAcc]);
        cells[PrintPositions::Mm] = cellText(staging[row][PfMm]);
        cells[PrintPositions::Pulse] = cellText(staging[row][PfPulse]);
        cells[PrintPositions::Comment] = cellText(staging[row][PfComment]);
    }
}

std::optional<PrintParameters> PrintPreparation::parametersFromController() {
    // The read fills the run's staging table: the printout takes the values and gives the table back.
    const ParaSlots staged = ctx_.parameters.ParaFileData;
    const int failed = readController ? readController() : 1;
    ParameterState read = ctx_.parameters;
    ctx_.parameters.ParaFileData = staged;
    if (failed != 0) {
        ctx_.op.message(ctx_.msg(485));
        return std::nullopt;
    }
    ParaDA2Hensu(read);
    return parameterLines(read.set, ctx_.msg(433));
}

std::optional<PrintParameters> PrintPreparation::parametersFromFile(const QString& path) {
    ParameterState read;
    ParameterFileProblem problem;
    if (OpenParaFile(path, read, &problem) != 0) {
        QString detail = parameterFileProblemText(ctx_.texts, path, problem);
        if (problem.fault == ParameterFileFault::NotParameterFile)
            detail += kParagraph + ctx_.msg(362);
        refuseParameters(detail);
        return std::nullopt;
    }
    // The 15 values of an older JM file do not say which parameters they are.
    if (read.ParaItemCount != kParameterFileValues + 1) {
        refuseParameters(ctx_.msg(760).arg(QDir::toNativeSeparators(path)) + kParagraph + ctx_.msg(768));
        return std::nullopt;
    }
    ParaDA2Hensu(read);
    return parameterLines(read.set, read.ParaFileData[0].toString());
}

void PrintPreparation::refuseParameters(const QString& detail) {
    ctx_.op.message(ctx_.msg(485) + kParagraph + detail);
}

PrintParameters PrintPreparation::parameterLines(const ParameterSet& set, const QString& sourceName) const {
    PrintParameters part;
    part.sourceName = sourceName;
    for (const ParameterRow& row : parameterRows()) {
        auto& line = part.lines[row.number - 1];
        line.label = ctx_.msg(row.labelId);
        line.value = parameterValueText(ctx_.texts, set, row);
    }
    return part;
}

} // namespace zovi
