#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace zovi::test {

// The controller simulator program, started beside the test program; its pseudo-terminal path is
// known once started, and operator commands go to its standard input.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments = {});
    ~SimulatorProcess();
    bool started() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }
    // Sends one command line and returns the simulator's one-line answer.
    QString command(const QString& line);
    void kill();
    QProcess& process() { return process_; }

private:
    QProcess process_;
    QString path_;
};

} // namespace zovi::test
