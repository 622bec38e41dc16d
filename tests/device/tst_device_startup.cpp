#include "DeviceFixture.h"
#include "app/Options.h"
#include "device/DeviceChange.h"
#include "device/DeviceSelectionModel.h"
#include "device/DeviceStartup.h"
#include "link/Clock.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "link/QtSerialPort.h"
#include "operation/AlarmPanel.h"
#include "support/RecordingMainView.h"
#include "support/SimulatorProcess.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The start-up determination over the program's own serial stack, COM 1 pointed at `device` (the
// simulator's pseudo-terminal, or a path where no controller is), with the shipped lists. Every
// window it asks for is recorded in `calls`.
struct Startup : DeviceFixture, StartupProgress {
    explicit Startup(const QString& device) {
        t.settings.writeText(QStringLiteral("PortDevice1"), device);
        for (const char* name : {"nvqdevice.lst", "vqdevice.lst", "jmdevice.lst"})
            ship(QString::fromLatin1(name));
        hooks.askSelection = [this] {
            calls << QStringLiteral("question");
            return 0;
        };
        hooks.changeDevice = [this] {
            calls << QStringLiteral("selection");
            DeviceChange(t.ctx, catalogue, view).run([this] {
                DeviceSelectionModel m(t.ctx, catalogue);
                m.load();
                if (!choice.isEmpty()) {
                    m.sizeChosen(choice.left(3));
                    m.strokeChosen(choice.mid(3));
                }
                m.ok();
                return false;
            });
        };
        hooks.parkFocus = [this] {
            calls << QStringLiteral("focus");
        };
        hooks.wait = [this](int ms) {
            calls << QStringLiteral("wait %1").arg(ms);
        };
    }
    void open(int maximum, const QString& text) override {
        calls << QStringLiteral("[%1 %2").arg(maximum).arg(text);
    }
    void step(int value) override { calls << QString::number(value); }
    void close() override { calls << QStringLiteral("]"); }

    int run() { return DeviceStartup(t.ctx, catalogue, link, commands, view, *this, hooks).run(); }
    // Makes the controller describe another actuator, as a parameter write would.
    void writeBlock(const QByteArray& block, const QByteArray& digits) {
        QCOMPARE(link.OpenCommPort() + link.CheckCommPort(), 0);
        QCOMPARE(link.SendCtCommand("0WD", 23, block + digits), 0);
        link.CloseCommPort();
    }
    QString shown() const {
        return view.label + QLatin1Char('|') + view.mmLine + QLatin1Char('|') + view.pulseLine;
    }

    RecordingDeviceView view;
    RecordingMainView mainView;
    SystemClock clock;
    QtSerialPort port{[this](int n) {
        return portDeviceName(t.ctx, n);
    }};
    AlarmPanel alarms{t.ctx, mainView};
    CtLink link{t.ctx, port, mainView, alarms, clock};
    CtCommands commands{link};
    DeviceStartupHooks hooks;
    QString choice; // size and stroke chosen in the device selection
    QStringList calls;
};

const QString kReading = QStringLiteral("[4 Reading data from controller...");

} // namespace

class TestDeviceStartup : public QObject {
    Q_OBJECT
private slots:
    void readsTheControllersActuator_data();
    void readsTheControllersActuator();
    void unusableActuatorFallsBackToOffline();
    void noControllerEndsInTheDeviceSelection();
};

void TestDeviceStartup::readsTheControllersActuator_data() {
    QTest::addColumn<QByteArray>("blocks"); // blocks 14 and 13 written first; empty: the simulator's own
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("maxPulse");
    QTest::newRow("the simulator's actuator")
        << QByteArray() << "VQ- 28L-100|1mm = 200Pulse|1Pulse= 0.005mm" << 20000;
    QTest::newRow("a JM actuator") << QByteArray("2348012C02FFFFFF050A140101080190")
                                   << "JM- 35H-300|1mm = 50Pulse|1Pulse= 0.02mm" << 15000;
}

void TestDeviceStartup::readsTheControllersActuator() {
    QFETCH(QByteArray, blocks);
    QFETCH(QString, shown);
    QFETCH(int, maxPulse);
    SimulatorProcess sim;
    QVERIFY(!sim.path().isEmpty());
    Startup s(sim.path());
    if (!blocks.isEmpty()) {
        s.writeBlock("14", blocks.left(16));
        s.writeBlock("13", blocks.mid(16));
    }
    s.t.settings.writeText(QStringLiteral("Device"), QStringLiteral("JM")); // replaced by the controller's
    QCOMPARE(s.run(), 0);
    QCOMPARE(s.calls, (QStringList{"question", kReading, "1", "2", "3", "4", "wait 1000", "focus", "]"}));
    QCOMPARE(s.shown(), shown);
    QCOMPARE(s.t.ctx.device.DevMaxPulse, qint32(maxPulse));
    QCOMPARE(s.catalogue.deviceTable().rows.constFirst().code.mid(1, 2),
             s.t.ctx.device.IsVqSeries ? "20" : "28");
    QCOMPARE(s.t.settings.readText(QStringLiteral("Device"), {}) +
                 s.t.settings.readText(QStringLiteral("DevSize"), {}),
             shown.left(2) + shown.mid(3, 3));
    QVERIFY2(s.t.op.messages.isEmpty(), qPrintable(s.t.op.lastText()));
    QVERIFY2(!s.port.isOpen(), "released after the read");
    QVERIFY(sim.command(QStringLiteral("status")).contains(QStringLiteral("mode=comm")));
}

void TestDeviceStartup::unusableActuatorFallsBackToOffline() {
    SimulatorProcess sim;
    QVERIFY(!sim.path().isEmpty());
    Startup s(sim.path());
    s.writeBlock("14", "1C4C000500FFFFFF"); // stroke 5 mm
    QCOMPARE(s.run(), 1);
    QCOMPARE(s.texts(), QStringList{"The controller describes an actuator that cannot be used ( 28L-005)."});
    QCOMPARE(s.calls, (QStringList{"question", kReading, "]", "selection", "focus"}));
    QCOMPARE(s.shown(), QStringLiteral("VQ- 28L-100|1mm = 200Pulse|1Pulse= 0.005mm")); // the stored device
    QVERIFY(!s.port.isOpen());
}

void TestDeviceStartup::noControllerEndsInTheDeviceSelection() {
    Startup s(QStringLiteral("/nonexistent/ttyZOVI"));
    s.t.settings.writeText(QStringLiteral("DevSpeed"), QStringLiteral("H"));
    s.choice = QStringLiteral(" 2010"); // size " 20", stroke 10: only L, and a mark in the full label
    QCOMPARE(s.run(), 1);
    QCOMPARE(s.texts(), QStringList{QStringLiteral("Failed in opening of a communication port.")});
    QCOMPARE(s.calls, (QStringList{"question", kReading, "]", "selection", "focus"}));
    QCOMPARE(s.shown(), QStringLiteral("VQ- 20L-10|1mm = 200Pulse|1Pulse= 0.005mm"));
    QCOMPARE(s.t.ctx.device.DevMaxPulse, qint32(2000));
    QCOMPARE(s.t.settings.readText(QStringLiteral("DevStroke"), {}), QStringLiteral("10"));
}

QTEST_GUILESS_MAIN(TestDeviceStartup)
#include "tst_device_startup.moc"
