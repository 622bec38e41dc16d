#pragma once

#include <QCoreApplication>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace zovi::test {

// The controller simulator program, started beside the test program (or in ZOVI_BIN_DIR); its
// pseudo-terminal path is known once started, and operator commands go to its standard input.
class SimulatorProcess {
public:
    explicit SimulatorProcess(const QStringList& arguments = {}) {
        const QString bin = qEnvironmentVariable("ZOVI_BIN_DIR", QCoreApplication::applicationDirPath());
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(bin + QStringLiteral("/ctsim"), arguments);
        path_ = readLine();
    }
    ~SimulatorProcess() { kill(); }
    const QString& path() const { return path_; }
    QProcess& process() { return process_; }

    // Sends one command line and returns the simulator's one-line answer.
    QString command(const QString& line) {
        process_.write(line.toLocal8Bit() + '\n');
        return readLine();
    }

    void kill() {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
        process_.waitForFinished(1000);
    }

private:
    QString readLine() {
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        return QString::fromLocal8Bit(process_.readLine()).trimmed();
    }

    QProcess process_;
    QString path_;
};

} // namespace zovi::test
