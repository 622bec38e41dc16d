// Times zovictl's backup against 1 and against N controller simulators at once (one --port each), each
// simulator at its 9600-baud pace. The controllers are served in parallel, so N should take little
// longer than one.
//
//   cli_bench [--controllers N] [--runs R]      (default: 8 controllers, 3 runs)
//
// Prints the wall time of each run and the best of each, then "ratio <N-controller best / 1-controller
// best>".

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <algorithm>
#include <memory>
#include <vector>

namespace {

QString binary(const char* name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// A simulator on its pseudo-terminal, stopped when this goes.
class Simulator {
public:
    Simulator() {
        process_.start(binary("ctsim"), {});
        while (!process_.canReadLine() && process_.waitForReadyRead(5000)) {
        }
        path_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~Simulator() {
        process_.terminate();
        if (!process_.waitForFinished(3000))
            process_.kill();
    }
    const QString& path() const { return path_; }

private:
    QProcess process_;
    QString path_;
};

// Milliseconds of one backup of every simulator in `sims`, or -1 when zovictl did not succeed.
qint64 backup(const std::vector<std::unique_ptr<Simulator>>& sims, int count) {
    QTemporaryDir dir;
    QStringList arguments{QStringLiteral("backup"), dir.path(), QStringLiteral("--yes")};
    for (int i = 0; i < count; ++i)
        arguments << QStringLiteral("--port") << sims[size_t(i)]->path();
    QProcess cli;
    cli.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    cli.start(binary("zovictl"), arguments);
    if (!cli.waitForFinished(120000) || cli.exitCode() != 0)
        return -1;
    return clock.elapsed();
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    int controllers = 8;
    int runs = 3;
    const QStringList args = QCoreApplication::arguments();
    for (qsizetype i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--controllers"))
            controllers = std::max(1, args[i + 1].toInt());
        if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
    }
    QTextStream out(stdout);
    std::vector<std::unique_ptr<Simulator>> sims;
    for (int i = 0; i < controllers; ++i)
        sims.push_back(std::make_unique<Simulator>());

    qint64 best[2] = {-1, -1};
    const int counts[2] = {1, controllers};
    for (int run = 0; run < runs; ++run) {
        for (int k = 0; k < 2; ++k) {
            const qint64 ms = backup(sims, counts[k]);
            out << "backup of " << counts[k] << " controller(s): " << ms << " ms" << Qt::endl;
            if (ms < 0)
                return 1;
            if (best[k] < 0 || ms < best[k])
                best[k] = ms;
        }
    }
    out << "best: 1 controller " << best[0] << " ms, " << controllers << " controllers " << best[1] << " ms"
        << Qt::endl;
    out << "ratio " << QString::number(double(best[1]) / double(best[0]), 'f', 2) << Qt::endl;
    return 0;
}
