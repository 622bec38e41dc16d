#pragma once

#include "model/ControllerModel.h"
#include "model/Pacer.h"
#include "server/PseudoTerminal.h"
#include "server/TrafficLog.h"

#include <QByteArray>
#include <QString>

#include <csignal>

namespace ctsim {

struct ServerOptions {
    bool paced = true;
    bool exitOnEof = false;
    QString logTarget; // empty: no log
    double moveTimeScale = 1.0;
};

// Serves the controller model on a pseudo-terminal: one thread, one poll loop over the master, standard
// input (operator commands) and the timers of the model and of the pacing.
class Server {
public:
    explicit Server(const ServerOptions& options);

    // Opens the pseudo-terminal and the log; on failure `error` says why.
    bool open(QString* error);
    const QString& slavePath() const { return m_terminal.slavePath(); }

    // Runs until quit, a termination signal, or (with exitOnEof) the end of standard input. The signals
    // SIGINT and SIGTERM must be blocked by the caller; they are let through only while the loop waits.
    int run(const sigset_t& waitMask);

    static void requestStop() { s_stop = 1; }

private:
    qint64 nowNs() const;
    qint64 toModelMs(qint64 ns) const { return (ns - m_originNs) / 1'000'000; }
    qint64 fromModelMs(qint64 ms) const { return m_originNs + ms * 1'000'000; }

    void queue(const Outputs& outputs);
    void serviceTimers();
    bool writeOut();
    void readMaster();
    qint64 arrivalNs(qsizetype count);
    void readConsole();
    void runConsoleLine(const QString& line);
    void checkPort();
    void printLine(const QString& line);

    static volatile std::sig_atomic_t s_stop;

    ServerOptions m_options;
    ControllerModel m_model;
    PseudoTerminal m_terminal;
    Pacer m_pacer;
    TrafficLog m_log;
    qint64 m_originNs = 0;
    qint64 m_receiveLineFreeNs = 0; // paced: when the last received character has fully arrived
    bool m_portOpen = false;
    bool m_consoleOpen = true;
    bool m_quit = false;
    QByteArray m_consoleBuffer;
    QByteArray m_unwritten; // due, but more than the terminal took: written when it has room again
    qint64 m_sentBytes = 0; // written to the terminal since the start
};

} // namespace ctsim
