#pragma once

#include "cli/CliArguments.h"

#include <QHash>
#include <QString>
#include <memory>

namespace zovi {
class Catalogue;
}

namespace zovi::cli {

class ConsoleSink;

enum class Outcome { Done, Failed, Refused, Differs };

// How one controller's command ended: the result line of its port.
struct PortResult {
    QString port;
    QString verb;
    Outcome outcome = Outcome::Failed;
    QString message; // the last thing the run told, on one line
    qint64 durationMs = 0;
    QString file; // the file or folder the command read or wrote
};

// What every port's run starts from: the program's texts, a copy of the user's settings (a run changes
// only its copy, so runs in parallel cannot disturb each other or the window's settings) and the
// console.
struct RunBasis {
    const Catalogue& catalogue;
    QHash<QString, QString> settings;
    ConsoleSink& sink;
    bool headed = false; // messages are headed by the port's name
};

// One command on one controller, with everything the window would have for it (state, session, device
// catalogue, position table, parameter form) made for this run alone. It is made, run and destroyed
// in one thread, whose event loop the exchanges' waits run.
PortResult runOnController(const RunBasis& basis, const CliRequest& request, const PortArgument& port);

} // namespace zovi::cli
