#pragma once

#include "app/MainControls.h"
#include "parameter/ParameterTransfer.h"

#include <QString>
#include <functional>

namespace zovi {

class AppContext;
class ControllerModes;
class CtCommands;
class CtLink;
class DeviceCatalogue;
class DeviceView;
class ParameterFormModel;
class PositionMmColumn;
class ProgressView;

// The parameter window as its commands see it: it shows its model again, and writes the status
// label that the controller reset uses.
class ParameterWindowView : public ParameterStatusView {
public:
    virtual void showModel() = 0;
};

// What the parameter commands use of the controller link and of the main window.
struct ParameterLink {
    CtLink& link;
    CtCommands& commands;
    ControllerModes& modes;
    ProgressView& progress;
    DeviceView& deviceView;                // the model name, marks and unit line of the main window
    PositionMmColumn* positions = nullptr; // the mm column, which follows an adopted actuator
};

// The six commands of the parameter window's buttons.
enum class ParameterCommand { ReadFile, SaveFile, VerifyFile, ReadCt, WriteCt, VerifyCt };

// The parameter window's commands: Open, Save and Verify against a parameter file, and Read from C/T,
// Write to C/T and Verify against the controller. Each runs the checks of the window's fields first
// where it needs them (presence, value, the vertical question, take-in; the first failure ends it),
// asks its questions and tells its results in the catalogue's words.
//
// A write sends the six blocks only after every stored position has been found inside the new
// stroke (or the operator chose to go on), then resets the controller, waits 3 s and reads the
// actuator back; the move data are marked as not read. A read that fails at any step changes
// neither the window nor the set. Files are saved through a temporary file, so a failed save leaves
// the old file as it was and says so.
class ParameterCommands {
public:
    ParameterCommands(AppContext& ctx, DeviceCatalogue& catalogue, ParameterFormModel& model,
                      ParameterWindowView& window, ParameterLink link);

    // The main window's bracket around a command that talks to the controller: the main window's
    // controls that start another exchange are disabled meanwhile. By default the command just runs.
    std::function<void(const std::function<void()>&)> exchangeBracket;

    // Runs a button's command with the six buttons disabled and ParaBusyFlag set (CtBusyFlag as well
    // for the controller's). Refused with a beep while another command or exchange runs.
    void run(ParameterCommand command);

    // Each command tells how it ended (the window ignores it, the command line reports it): the
    // bools are true when done; the ints are 0 when done (a verification: its result was shown),
    // 1 when the operator declined or something failed (already reported).
    bool ReadParaFileProc();
    // True when the file was written.
    bool SaveParaFileProc();
    int ParaFileShogoProc();
    int GetParametaValue();
    int ParametaWriteProc();
    int ParaCtShogoProc();

    // The checks in their order with their messages, then the take-in: 0 when the set holds the
    // window's values.
    int checkAndTakeIn();

    ParameterTransfer transfer;

private:
    // OpenParaFile with its messages; `forWindow` also refuses what the window cannot show (the 15
    // values of an older JM file, an actuator missing from the device list). False when not read;
    // the staging table is then as it was.
    bool openFile(const QString& path, bool forWindow);
    // After ReadCtDevice: the controller's actuator against the program's, adopted on OK.
    void reconcileDevice();
    void adoptControllerDevice();
    QString verificationResult(const QString& heading, const QString& source) const;

    AppContext& ctx_;
    DeviceCatalogue& catalogue_;
    ParameterFormModel& model_;
    ParameterWindowView& window_;
    ParameterLink link_;
};

} // namespace zovi
