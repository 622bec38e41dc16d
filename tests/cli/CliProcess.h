#pragma once

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>

namespace zovi::test {

// One run of the zovictl beside the test program: its exit status and what it printed.
struct CliRun {
    int status = -1;
    QString out;
    QString err;

    // The JSON object of each port's line, in order.
    QList<QJsonObject> json() const {
        QList<QJsonObject> objects;
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            objects << QJsonDocument::fromJson(line.toUtf8()).object();
        return objects;
    }
};

// The bytes of a file; empty when it cannot be read.
inline QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline CliRun runCli(const QStringList& arguments, int timeoutMs = 60000) {
    const QString bin = qEnvironmentVariable("ZOVI_BIN_DIR", QCoreApplication::applicationDirPath());
    QProcess process;
    process.start(bin + QStringLiteral("/zovictl"), arguments);
    CliRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(1000);
        return run;
    }
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

} // namespace zovi::test
