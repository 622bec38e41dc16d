#pragma once

#include "model/ControllerModel.h"

#include <QString>

namespace ctsim {

struct ConsoleResult {
    QString reply;   // one line: "ok ...", "status ...", "commands: ..." or "error: ..."
    Outputs outputs; // what the controller sends because of the command (stray lines, a stopped move)
    bool quit = false;
};

// Carries out one operator command (the simulator reads them from its standard input) on the model.
ConsoleResult runConsoleCommand(ControllerModel& model, const QString& line, qint64 nowMs);

// The commands, one per line, for the help text.
QString consoleCommandHelp();

// The text of `stray`: the argument with surrounding double quotes removed and the escapes \r \n \t \\ \"
// and \xHH replaced; nothing when an escape is malformed.
std::optional<QByteArray> unescapeStrayText(const QString& argument);

} // namespace ctsim
