#include "support/SimulatorProcess.h"

#include <QCoreApplication>

namespace zovi::test {

SimulatorProcess::SimulatorProcess(const QStringList& arguments) {
    QString bin = qEnvironmentVariable("ZOVI_BIN_DIR");
    if (bin.isEmpty())
        bin = QCoreApplication::applicationDirPath();
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process_.start(bin + QStringLiteral("/ctsim"), arguments);
    if (!process_.waitForStarted(5000))
        return;
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
}

SimulatorProcess::~SimulatorProcess() {
    kill();
}

QString SimulatorProcess::command(const QString& line) {
    process_.write(line.toLocal8Bit() + '\n');
    process_.waitForBytesWritten(2000);
    while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
    }
    return QString::fromLocal8Bit(process_.readLine()).trimmed();
}

void SimulatorProcess::kill() {
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    if (!process_.waitForFinished(3000))
        process_.kill();
    process_.waitForFinished(1000);
}

} // namespace zovi::test
