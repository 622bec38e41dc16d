#pragma once

#include <QString>

namespace ctsim {

// The controller's end of a pseudo-terminal. The slave end, which a program opens as its serial port, is
// set to raw 9600 8N1 before its path is handed out and is not held open here: while no program has it
// open, the master reports a hang-up and what the controller sends is lost, as on an unplugged line.
class PseudoTerminal {
public:
    PseudoTerminal() = default;
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    ~PseudoTerminal();

    bool open(QString* error);
    int masterFd() const { return m_master; }
    const QString& slavePath() const { return m_slavePath; }

    // Whether a program has the slave end open (checked without waiting).
    bool slaveOpen() const;

private:
    int m_master = -1;
    QString m_slavePath;
};

} // namespace ctsim
