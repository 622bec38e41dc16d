// Measures how close the exchanges with the controller come to the time their bytes need on a
// 9600-baud line, against the controller simulator on a pseudo-terminal: a port check plus the six
// parameter-block reads, Write to C/T and Read from C/T of the position table.
//
//   link_bench [--poll-only] [--runs N] [--ctsim PATH] [--parameters]
//
// --poll-only takes replies only on the 100 ms poll, as if characters arriving raised no event.
// The last line printed is "ratio <wall/wire>" over everything measured.
// --parameters measures the parameter read (Read from C/T) and write (Write to C/T without its
// questions) instead, against the wire time of their characters plus the waits the write is specified
// to make (500 ms after the position check, 500 ms after the blocks, 300 ms in the reset and 3 s
// before the actuator is read back).

#include "app/AppContext.h"
#include "app/Options.h"
#include "app/QuietViews.h"
#include "app/Wait.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceView.h"
#include "link/Clock.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "link/QtSerialPort.h"
#include "operation/AlarmPanel.h"
#include "operation/ControllerModes.h"
#include "parameter/ParameterBlocks.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterTransfer.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "position/PositionTransfer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTextStream>
#include <functional>

using namespace zovi;

namespace {

constexpr double kCharMs = 10.0 * 1000.0 / 9600.0; // start bit, 8 data bits, stop bit

// Goes ahead at every question without saving first; reports every other message.
class ConsoleOperator : public Operator {
public:
    Answer message(const QString& text, Buttons buttons, Icon, const QString&) override {
        switch (buttons) {
        case Buttons::YesNo:
        case Buttons::YesNoDefaultNo:
            return Answer::Yes;
        case Buttons::YesNoCancel:
            return Answer::No;
        case Buttons::OkCancel:
            return Answer::Ok;
        case Buttons::Ok:
            break;
        }
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

class NullView : public QuietMainView, public QuietControls, public QuietProgress, public DeviceView {
public:
    void setDeviceLabel(const QString&) override {}
    void setVqElementVisible(bool) override {}
    void setOldElementVisible(bool) override {}
    void setUnitLine(const QString&, const QString&) override {}
    void setChangeDeviceEnabled(bool) override {}
    void repaintGrids() override {}
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

// Wall time and characters of one kind of command over all runs.
struct Phase {
    const char* name;
    double wallMs = 0.0;
    qint64 characters = 0;
    int failures = 0;
    double wireMs() const { return double(characters) * kCharMs; }
    // Runs `work` once, adding its wall time and the characters it put on the line; false is a failure.
    void measure(const CountingPort& port, const std::function<bool()>& work) {
        const qint64 before = port.sent + port.received;
        QElapsedTimer wall;
        wall.start();
        if (!work())
            ++failures;
        wallMs += double(wall.nsecsElapsed()) / 1e6;
        characters += port.sent + port.received - before;
    }
};

// --- The parameter read and write (--parameters)

class NullStatus : public ParameterStatusView {
public:
    void setParaWinStatus(const QString&) override {}
};

constexpr int kWriteWaitsMs = 500 + 500 + 300 + 3000;

// Reads the parameters `runs` times, then writes what was read back (at most three times, each
// write waits 4.3 s); returns the failures.
int parameterBench(AppContext& ctx, CtLink& link, CountingPort& port, NullView& view, AlarmPanel& alarms,
                   int runs) {
    ParameterTransfer transfer(ctx, link, view);
    CtCommands commands(link);
    ControllerModes modes(ctx, link, view, view, alarms);
    NullStatus status;
    Phase read{"parameter read (port check + 6 blocks)"};
    Phase write{"parameter write (port check, 3 positions, 6 blocks, reset, actuator read back)"};
    const auto measure = [&port](Phase& phase, const std::function<bool()>& work) {
        phase.measure(port, work);
    };
    for (int run = 0; run < runs; ++run)
        measure(read, [&transfer] { return transfer.GetParametaValueProc() == 0; });
    ParaDA2Hensu(ctx.parameters);
    const auto blocks = SetParaData2LngData(ctx.parameters.set, false);
    const int writes = blocks ? std::min(runs, 3) : 0;
    for (int run = 0; run < writes; ++run) {
        measure(write, [&] {
            if (transfer.ParaKakikomimaeCheck() != 0 || transfer.WriteParadataToCt(*blocks) != 0)
                return false;
            modes.ResetCtByCommand(status);
            waitMs(ctx, 3000);
            const bool readBack = commands.ReadCtDevice() == 0;
            link.ReleaseCommPort();
            return readBack;
        });
    }
    QTextStream out(stdout);
    for (const auto& [phase, count, waitsMs] :
         {std::tuple{&read, runs, 0}, {&write, writes, kWriteWaitsMs}}) {
        const double dueMs = phase->wireMs() + double(waitsMs) * count;
        out << QStringLiteral("%1: %2 runs, %3 failures, wall %4 ms, wire %5 ms + waits %6 ms, ratio %7\n")
                   .arg(QLatin1String(phase->name))
                   .arg(count)
                   .arg(phase->failures)
                   .arg(phase->wallMs, 0, 'f', 1)
                   .arg(phase->wireMs(), 0, 'f', 1)
                   .arg(waitsMs * count)
                   .arg(phase->wallMs / dueMs, 0, 'f', 3);
    }
    return read.failures + write.failures + (blocks ? 0 : 1);
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
        const int failures = parameterBench(ctx, link, port, view, alarms, runs);
        sim.terminate();
        sim.waitForFinished(2000);
        return failures == 0 ? 0 : 1;
    }

    // The simulator's actuator is the program's default one: no question about the actuator.
    conv::recomputeLimits(ctx.device);
    CtCommands commands(link);
    ControllerModes modes(ctx, link, view, view, alarms);
    PositionGridModel grid(ctx.texts);
    PositionTable table(ctx, grid);
    DeviceCatalogue devices(ctx);
    PositionTransfer transfer(ctx, table, devices, link, commands, modes, view, view);
    const QStringList rows{"3,1,10.000", "4,2,25.005", "6,3,100.000"};
    for (int p = 1; p <= 3; ++p) {
        const QStringList cells = rows[p - 1].split(QLatin1Char(','));
        grid.setText(p, PositionGridModel::ColVel, cells[0]);
        grid.setText(p, PositionGridModel::ColAcc, cells[1]);
        grid.setText(p, PositionGridModel::ColMm, cells[2]);
    }

    Phase blocks{"port check + 6 block reads"}, write{"Write to C/T"}, read{"Read from C/T"};
    const auto measure = [&port](Phase& phase, const std::function<bool()>& work) {
        phase.measure(port, work);
    };
    for (int run = 0; run < runs; ++run) {
        measure(blocks, [&link] {
            if (link.OpenCommPort() != 0 || link.CheckCommPort() != 0)
                return false;
            bool ok = true;
            for (const char* block : {"00", "10", "11", "12", "13", "14"}) {
                link.state.TimeoutMsec = 5000;
                ok = link.SendCtCommand(QByteArrayLiteral("0RD"), 23, QByteArray(block)) == 0 && ok;
            }
            link.ReleaseCommPort();
            return ok;
        });
        measure(write, [&transfer] { return transfer.writeToCt() == 0; });
        measure(read, [&transfer] { return transfer.readFromCt() == 0; });
    }
    sim.terminate();
    sim.waitForFinished(2000);

    QTextStream out(stdout);
    out << "receive path: " << (pollOnly ? "100 ms poll only" : "readyRead and poll") << '\n';
    out << "runs: " << runs << '\n';
    double wallMs = 0.0, wireMs = 0.0;
    int failures = 0;
    for (const Phase* phase : {&blocks, &write, &read}) {
        out << QStringLiteral("%1: %2 characters, wall %3 ms, wire %4 ms, ratio %5, failures %6\n")
                   .arg(QLatin1String(phase->name))
                   .arg(phase->characters)
                   .arg(phase->wallMs, 0, 'f', 1)
                   .arg(phase->wireMs(), 0, 'f', 1)
                   .arg(phase->wallMs / phase->wireMs(), 0, 'f', 3)
                   .arg(phase->failures);
        wallMs += phase->wallMs;
        wireMs += phase->wireMs();
        failures += phase->failures;
    }
    out << QStringLiteral("ratio %1\n").arg(wallMs / wireMs, 0, 'f', 3);
    return failures == 0 ? 0 : 1;
}
