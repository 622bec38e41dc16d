#pragma once

#include "cli/ControllerRun.h"

#include <QList>
#include <QString>

namespace zovi {
class Texts;
}

namespace zovi::cli {

// The exit status of a command line run.
enum ExitStatus { kExitDone = 0, kExitFailed = 1, kExitUsage = 2, kExitDiffers = 3 };

// The verb as the result line names it: "positions read", "move 2", "alarm --reset".
QString verbText(const CliRequest& request);

// One port's result for people: port, verb, result, message, time and file, in the run's language.
QString humanLine(const Texts& texts, const PortResult& result);
// The same as one JSON object on one line (result: "done", "failed", "refused" or "differs").
QByteArray jsonLine(const PortResult& result);

// 1 when some controller failed or a question was declined, else 3 when a verification found
// differences, else 0.
int exitStatus(const QList<PortResult>& results);

} // namespace zovi::cli
