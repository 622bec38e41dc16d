#pragma once

#include "print/PrintRequest.h"
#include "print/Printout.h"

#include <functional>
#include <optional>

namespace zovi {

class AppContext;
class PositionFiles;
class PositionTable;
struct ParameterRow;
struct ParameterSet;
class Texts;

// Gathers what a printout shows from the sources chosen in the print selection.
//
// Positions from the grid pass the guard checks of a print first and are copied into the staging
// table workPosDA; positions from a file are read into it (their mm computed from the pulses for the
// current actuator). Either failure ends the print. Row 0 of workPosDA receives the column headings.
// Parameters come from the controller (the parameter window's read) or from a parameter file; when
// they cannot be read, message 485 says so and the printout goes on without them. Printing leaves the
// parameter set and its staging table as they were.
class PrintPreparation {
public:
    PrintPreparation(AppContext& ctx, PositionTable& table, PositionFiles& files);

    // The model name the main window shows (lblDeviceType), printed for positions from the grid.
    QString deviceTypeName;
    // GetParametaValueProc over the run's link: 0 when the six blocks are in ParaFileData, else 1 after
    // the link has told the operator. Without it the controller cannot be read.
    std::function<int()> readController;

    // Nothing when the printout has nothing to show, or a check or a position file failed.
    std::optional<Printout> prepare(const PrintRequest& request, const QDateTime& printedAt);

private:
    bool positionsFromGrid(PrintPositions& part);
    bool positionsFromFile(const QString& path, PrintPositions& part);
    void computeMmFromPulses();
    void takeRows(PrintPositions& part);
    std::optional<PrintParameters> parametersFromController();
    std::optional<PrintParameters> parametersFromFile(const QString& path);
    PrintParameters parameterLines(const ParameterSet& set, const QString& sourceName) const;
    void refuseParameters(const QString& detail);

    AppContext& ctx_;
    PositionTable& table_;
    PositionFiles& files_;
};

// The printed value of a parameter: the option caption for 18 (homing), 21 (type), 23 (emergency-stop
// input) and 24 (its logic), the actuator code for 22, the number for the others.
QString parameterValueText(const Texts& texts, const ParameterSet& set, const ParameterRow& row);

} // namespace zovi
