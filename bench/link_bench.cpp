// Measures how close a port check plus the six parameter-block reads come to the time the bytes
// need on a 9600-baud line, against the controller simulator on a pseudo-terminal.
//
//   link_bench [--poll-only] [--runs N] [--ctsim PATH] [--parameters]
//
// --poll-only takes replies only on the 100 ms poll, as if characters arriving raised no event.
// The last line printed is "ratio <wall/wire>".
// --parameters measures the parameter read (Read from C/T) and write (Write to C/T without its
// questions) instead: wall time against the wire time of their characters plus the waits the write
// is specified to make (500 ms after the position check, 500 ms after the blocks, 300 ms in the reset
// and 3 s before the actuator is read back).

#include "app/AppContext.h"
#include "app/MainControls.h"
#include "app/MainView.h"
#include "app/Options.h"
#include "app/Wait.h"
#include "device/DeviceStartup.h"
#include "link/Clock.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "link/QtSerialPort.h"
#include "operation/AlarmPanel.h"
#include "operation/ControllerModes.h"
#include "parameter/ParameterBlocks.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterTransfer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>

using namespace zovi;

namespace {

constexpr double kCharMs = 10.0 * 1000.0 / 9600.0; // start bit, 8 data bits, stop bit

class ConsoleOperator : public Operator {
public:
    Answer message(const QString& text, Buttons, Icon, const QString&) override {
        QTextStream(stderr) << "message: "
                            << QString(text).replace(QStringLiteral("\r\n"), QStringLiteral(" | ")) << '\n';
        ++messages;
        return Answer::Ok;
    }
    std::optional<QString> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    void beep() override {}
    int messages = 0;
};

class NullView : public MainView {
public:
    void setPortLamp(bool) override {}
    void setAlarmLamp(bool) override {}
    void setAlarmNo(const QString&) override {}
    void setErrorComment(const QString&) override {}
    void setHomeLamp(bool) override {}
    void setOutputLamps(bool, bool) override {}
    void greyAllMoveButtons() override {}
    void setStatusPanel(int, const QString&) override {}
    void refreshStatusBar() override {}
};

// Counts the characters both ways.
class CountingPort : public QtSerialPort {
public:
    using QtSerialPort::QtSerialPort;
    void write(const QByteArray& bytes) override {
        sent += bytes.size();
        QtSerialPort::write(bytes);
    }
    QByteArray readAll() override {
        const QByteArray bytes = QtSerialPort::readAll();
        received += bytes.size();
        return bytes;
    }
    qint64 sent = 0;
    qint64 received = 0;
};

// --- The parameter read and write (--parameters)

class NullParameterParts : public StartupProgress, public MainControls, public ParameterStatusView {
public:
    void open(int, const QString&) override {}
    void step(int) override {}
    void close() override {}
    void CMDBTN_Muko() override {}
    void CMDBTN_Yuko() override {}
    void ToolBar_Muko() override {}
    void ToolBar_Yuko() override {}
    void Menyu_Muko() override {}
    void Menyu_Yuko() override {}
    void CTModeChange_Muko() override {}
    void CTModeChange_Yuko() override {}
    void setResetEnabled(bool) override {}
    void setParaWinStatus(const QString&) override {}
};

constexpr int kWriteWaitsMs = 500 + 500 + 300 + 3000;

struct Measured {
    double wallMs = 0.0;
    qint64 characters = 0;
    int failures = 0;
};

void report(QTextStream& out, const char* what, int runs, const Measured& m, int waitsMs) {
    const double wireMs = double(m.characters) * kCharMs;
    const double dueMs = wireMs + double(waitsMs) * runs;
    out << QStringLiteral("%1: %2 runs, %3 failures, wall %4 ms, wire %5 ms + waits %6 ms, ratio %7\n")
               .arg(QLatin1String(what))
               .arg(runs)
               .arg(m.failures)
               .arg(m.wallMs, 0, 'f', 1)
               .arg(wireMs, 0, 'f', 1)
               .arg(waitsMs * runs)
               .arg(m.wallMs / dueMs, 0, 'f', 3);
}

int parameterBench(AppContext& ctx, CtLink& link, CountingPort& port, AlarmPanel& alarms, int runs) {
    NullParameterParts parts;
    NullView view;
    ParameterTransfer transfer(ctx, link, parts);
    CtCommands commands(link);
    ControllerModes modes(ctx, link, view, parts, alarms);
    auto counted = [&port] {
        return port.sent + port.received;
    };

    Measured read;
    QElapsedTimer wall;
    const qint64 before = counted();
    wall.start();
    for (int run = 0; run < runs; ++run)
        read.failures += transfer.GetParametaValueProc();
    read.wallMs = double(wall.nsecsElapsed()) / 1e6;
    read.characters = counted() - before;

    // What was read goes back: the factory set of the simulator.
    ParaDA2Hensu(ctx.parameters);
    const auto blocks = SetParaData2LngData(ctx.parameters.set, false);
    const int writes = std::min(runs, 3);
    Measured write;
    const qint64 beforeWrite = counted();
    wall.restart();
    for (int run = 0; run < writes && blocks; ++run) {
        if (transfer.ParaKakikomimaeCheck() != 0 || transfer.WriteParadataToCt(*blocks) != 0) {
            ++write.failures;
            continue;
        }
        modes.ResetCtByCommand(parts);
        waitMs(ctx, 3000);
        write.failures += commands.ReadCtDevice();
        link.ReleaseCommPort();
    }
    write.wallMs = double(wall.nsecsElapsed()) / 1e6;
    write.characters = counted() - beforeWrite;

    QTextStream out(stdout);
    report(out, "parameter read (port check + 6 blocks)", runs, read, 0);
    report(out, "parameter write (3 positions, 6 blocks, reset, actuator read back)", writes, write,
           kWriteWaitsMs);
    return read.failures + write.failures == 0 && blocks ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const bool pollOnly = args.contains(QStringLiteral("--poll-only"));
    int runs = 5;
    QString ctsimPath = QCoreApplication::applicationDirPath() + QStringLiteral("/ctsim");
    for (int i = 1; i + 1 < args.size(); ++i) {
        if (args[i] == QLatin1String("--runs"))
            runs = std::max(1, args[i + 1].toInt());
        else if (args[i] == QLatin1String("--ctsim"))
            ctsimPath = args[i + 1];
    }

    QProcess sim;
    sim.start(ctsimPath, {});
    if (!sim.waitForStarted(5000) || !sim.waitForReadyRead(5000)) {
        QTextStream(stderr) << "cannot start " << ctsimPath << '\n';
        return 2;
    }
    const QString ptyPath = QString::fromLocal8Bit(sim.readLine()).trimmed();

    MemorySettingsStore settings;
    settings.writeText(QStringLiteral("PortDevice1"), ptyPath);
    Catalogue catalogue;
    catalogue.load(Catalogue::kBuiltIn);
    ConsoleOperator op;
    AppContext ctx(settings, catalogue, op, ProgramFolder(QCoreApplication::applicationDirPath()));
    NullView view;
    AlarmPanel alarms(ctx, view);
    SystemClock clock;
    CountingPort port([&ctx](int n) { return portDeviceName(ctx, n); });
    CtLink link(ctx, port, view, alarms, clock);
    if (pollOnly)
        QObject::disconnect(&port, &SerialPort::readyRead, &link, nullptr);
    if (args.contains(QStringLiteral("--parameters"))) {
        const int result = parameterBench(ctx, link, port, alarms, runs);
        sim.terminate();
        sim.waitForFinished(2000);
        return result;
    }

    QElapsedTimer wall;
    wall.start();
    int failures = 0;
    for (int run = 0; run < runs; ++run) {
        if (link.OpenCommPort() != 0 || link.CheckCommPort() != 0) {
            ++failures;
            continue;
        }
        for (const char* block : {"00", "10", "11", "12", "13", "14"}) {
            link.state.TimeoutMsec = 5000;
            if (link.SendCtCommand(QByteArrayLiteral("0RD"), 23, QByteArray(block)) != 0)
                ++failures;
        }
        link.ReleaseCommPort();
    }
    const double wallMs = double(wall.nsecsElapsed()) / 1e6;
    const double wireMs = double(port.sent + port.received) * kCharMs;
    sim.terminate();
    sim.waitForFinished(2000);

    QTextStream out(stdout);
    out << "receive path: " << (pollOnly ? "100 ms poll only" : "readyRead and poll") << '\n';
    out << "runs: " << runs << " (port check + 6 block reads each), failures: " << failures << '\n';
    out << "characters: " << port.sent << " sent, " << port.received << " received\n";
    out << QStringLiteral("wall: %1 ms\nwire: %2 ms\n").arg(wallMs, 0, 'f', 1).arg(wireMs, 0, 'f', 1);
    out << QStringLiteral("ratio %1\n").arg(wallMs / wireMs, 0, 'f', 3);
    return failures == 0 ? 0 : 1;
}
