#pragma once

#include <QString>
#include <optional>

namespace zovi {

class AppContext;

// What the print selection frmPrintSelect asks for: the position data from the grid or a position
// data file, and the parameters from the controller or a parameter file, each part on its own check
// box. A file part is ready once its file has been chosen (the full path is kept).
struct PrintRequest {
    enum class PositionSource { Grid, File };
    enum class ParameterSource { Controller, File };

    bool positions = true;
    PositionSource positionSource = PositionSource::Grid;
    QString positionFile;
    bool parameters = false;
    ParameterSource parameterSource = ParameterSource::Controller;
    QString parameterFile;

    bool positionsFromFile() const { return positionSource == PositionSource::File; }
    bool parametersFromFile() const { return parameterSource == ParameterSource::File; }
};

// Which controls of the selection can be used: a group's options follow its check box; its file
// label and browse button also need the File option. OK needs a checked group that is ready.
struct PrintSelectEnabling {
    bool positionOptions = false;
    bool positionFile = false;
    bool parameterOptions = false;
    bool parameterFile = false;
    bool ok = false;
};
PrintSelectEnabling printSelectEnabling(const PrintRequest& request);

// OK: false after message 561 (positions) or 562 (parameters) when a checked File part has no file
// yet; nothing is printed then and the selection stays open.
bool acceptPrintRequest(const AppContext& ctx, const PrintRequest& request);

// The browse buttons: the open dialog for a position data file (title 564) or a parameter file (563),
// the file must exist. Nothing when cancelled.
std::optional<QString> choosePositionFileToPrint(const AppContext& ctx);
std::optional<QString> chooseParameterFileToPrint(const AppContext& ctx);

} // namespace zovi
