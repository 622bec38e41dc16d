// ctsim: the controller simulator on a pseudo-terminal.

#include "model/ConsoleCommands.h"
#include "server/Server.h"

#include <csignal>
#include <cstdio>
#include <cstring>
#include <sys/prctl.h>

namespace {

void printHelp() {
    std::fputs("Usage: ctsim [--no-pacing] [--log FILE|-] [--exit-on-eof] [--move-scale X]\n"
               "\n"
               "Simulates the single-axis actuator controller (C/T) on a pseudo-terminal. The first line on\n"
               "standard output is the terminal's path alone; open it as the serial port (9600 8N1).\n"
               "\n"
               "Options:\n"
               "  --no-pacing      send each reply in one write instead of at 9600 baud\n"
               "  --log FILE       log the line traffic with timestamps to FILE (\"-\": standard error)\n"
               "  --exit-on-eof    stop when standard input closes (default: keep serving)\n"
               "  --move-scale X   moves take X (0 to 1) times their true time (default 1)\n"
               "  -h, --help       show this text\n"
               "\n"
               "Commands on standard input, one per line, each answered with one line on standard output\n"
               "(\"ok ...\", \"status ...\" or \"error: ...\"). Reply faults last until \"clear\" unless "
               "given \"once\":\n",
               stdout);
    std::fputs(ctsim::consoleCommandHelp().toLocal8Bit().constData(), stdout);
    std::fputs(
        "\n"
        "Alarm numbers of the status reply \"0%%NN\": 01 unknown command, 02 bad data, 03 move or write\n"
        "in external start mode, 04 target beyond the stroke parameter, 0B home sensor not found,\n"
        "0E emergency stop. 01-03 answer one command; the others last until \"0%C\".\n"
        "At start and after the reset \"0CM3\" the controller is in external start mode (\"0CM1\"\n"
        "switches to communication mode, which moves and writes need) and not homed.\n",
        stdout);
}

void onSignal(int) {
    ctsim::Server::requestStop();
}

} // namespace

int main(int argc, char** argv) {
    ctsim::ServerOptions options;
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (argument == QStringLiteral("-h") || argument == QStringLiteral("--help")) {
            printHelp();
            return 0;
        } else if (argument == QStringLiteral("--no-pacing")) {
            options.paced = false;
        } else if (argument == QStringLiteral("--exit-on-eof")) {
            options.exitOnEof = true;
        } else if (argument == QStringLiteral("--log") && hasValue) {
            options.logTarget = QString::fromLocal8Bit(argv[++i]);
        } else if (argument == QStringLiteral("--move-scale") && hasValue) {
            bool valid = false;
            options.moveTimeScale = QString::fromLocal8Bit(argv[++i]).toDouble(&valid);
            if (!valid || options.moveTimeScale < 0.0 || options.moveTimeScale > 1.0) {
                std::fprintf(stderr, "ctsim: --move-scale takes a number from 0 to 1\n");
                return 2;
            }
        } else {
            std::fprintf(stderr, "ctsim: unknown or incomplete option %s (try --help)\n", argv[i]);
            return 2;
        }
    }

    std::signal(SIGPIPE, SIG_IGN);
    ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);

    // SIGINT and SIGTERM only get through while the loop waits, so a stop is never missed between checks.
    sigset_t stopSignals, waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    ctsim::Server server(options);
    QString error;
    if (!server.open(&error)) {
        std::fprintf(stderr, "ctsim: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    std::printf("%s\n", server.slavePath().toLocal8Bit().constData());
    std::fflush(stdout);
    return server.run(waitMask);
}
