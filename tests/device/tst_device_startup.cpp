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

class RecordingProgress : public StartupProgress {
public:
    void open(int maximum, const QString& text) override {
        calls << QStringLiteral("open %1 %2").arg(maximum).arg(text);
    }
    void step(int value) override { calls << QString::number(value); }
    void close() override { calls << QStringLiteral("close"); }
    QStringList calls;
};

// The start-up determination over the program's own serial stack, COM 1 pointed at `device` (the
// simulator's pseudo-terminal, or a path where no controller is), with the shipped lists.
struct Startup {
    explicit Startup(const QString& device) {
        f.t.settings.writeText(QStringLiteral("PortDevice1"), device);
        for (const char* name : {"nvqdevice.lst", "vqdevice.lst", "jmdevice.lst"})
            f.ship(QString::fromLatin1(name));
        hooks.askSelection = [this] {
            calls << QStringLiteral("question");
            return answer;
        };
        hooks.changeDevice = [this] {
            calls << QStringLiteral("device selection");
            if (chooseInDialog)
                chooseInDialog();
        };
        hooks.parkFocus = [this] {
            calls << QStringLiteral("focus");
        };
        hooks.wait = [this](int ms) {
            calls << QStringLiteral("wait %1").arg(ms);
        };
    }
    int run() {
        DeviceStartup startup(f.t.ctx, f.catalogue, link, commands, f.view, progress, hooks);
        return startup.run();
    }
    // Makes the controller describe another actuator, as a parameter write would.
    void writeBlock(const QByteArray& block, const QByteArray& digits) {
        QCOMPARE(link.OpenCommPort(), 0);
        QCOMPARE(link.CheckCommPort(), 0);
        link.state.TimeoutMsec = 5000;
        QCOMPARE(link.SendCtCommand("0WD", 23, block + digits), 0);
        link.CloseCommPort();
    }

    struct Fixture : DeviceFixture {
        RecordingDeviceView view;
    } f;
    RecordingMainView mainView;
    SystemClock clock;
    QtSerialPort port{[this](int n) {
        return portDeviceName(f.t.ctx, n);
    }};
    AlarmPanel alarms{f.t.ctx, mainView};
    CtLink link{f.t.ctx, port, mainView, alarms, clock};
    CtCommands commands{link};
    RecordingProgress progress;
    DeviceStartupHooks hooks;
    int answer = 0;
    std::function<void()> chooseInDialog;
    QStringList calls;
};

} // namespace

class TestDeviceStartup : public QObject {
    Q_OBJECT
private slots:
    void readsTheControllersActuator_data();
    void readsTheControllersActuator();
    void unusableControllerActuatorFallsBackToOffline();
    void noControllerEndsInTheDeviceSelection();
    void offlineWithAnUnusableStoredDevice();
};

void TestDeviceStartup::readsTheControllersActuator_data() {
    QTest::addColumn<QByteArray>("block14"); // empty: the simulator's own actuator
    QTest::addColumn<QByteArray>("block13");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("units");
    QTest::addColumn<int>("maxPulse");
    QTest::addColumn<QString>("list");
    QTest::newRow("the simulator's actuator") << QByteArray() << QByteArray() << "VQ- 28L-100"
                                              << "1mm = 200Pulse|1Pulse= 0.005mm" << 20000 << " 20L-010";
    QTest::newRow("a JM actuator") << QByteArray("2348012C02FFFFFF") << QByteArray("050A140101080190")
                                   << "JM- 35H-300"
                                   << "1mm = 50Pulse|1Pulse= 0.02mm" << 15000 << " 28L-050";
}

void TestDeviceStartup::readsTheControllersActuator() {
    QFETCH(QByteArray, block14);
    QFETCH(QByteArray, block13);
    QFETCH(QString, label);
    QFETCH(QString, units);
    QFETCH(int, maxPulse);
    QFETCH(QString, list);
    SimulatorProcess sim;
    QVERIFY(sim.started());
    Startup s(sim.path());
    if (!block14.isEmpty()) {
        s.writeBlock("14", block14);
        s.writeBlock("13", block13);
    }
    s.f.t.settings.writeText(QStringLiteral("Device"), QStringLiteral("JM")); // replaced by the controller's
    QCOMPARE(s.run(), 0);
    QCOMPARE(s.calls, (QStringList{"question", "wait 1000", "focus"}));
    QCOMPARE(s.progress.calls,
             (QStringList{"open 4 Reading data from controller...", "1", "2", "3", "4", "close"}));
    QCOMPARE(s.f.view.label, label);
    QCOMPARE(s.f.view.mmLine + QLatin1Char('|') + s.f.view.pulseLine, units);
    QCOMPARE(s.f.t.ctx.device.DevMaxPulse, qint32(maxPulse));
    QCOMPARE(s.f.catalogue.deviceTable().rows.constFirst().code, list);
    QCOMPARE(s.f.t.settings.readText(QStringLiteral("Device"), {}), label.left(2));
    QCOMPARE(s.f.t.settings.readText(QStringLiteral("DevSize"), {}), label.mid(3, 3));
    QVERIFY2(s.f.t.op.messages.isEmpty(), qPrintable(s.f.t.op.lastText()));
    QVERIFY2(!s.port.isOpen(), "released after the read");
    QVERIFY(sim.command(QStringLiteral("status")).contains(QStringLiteral("mode=comm")));
}

void TestDeviceStartup::unusableControllerActuatorFallsBackToOffline() {
    SimulatorProcess sim;
    QVERIFY(sim.started());
    Startup s(sim.path());
    s.writeBlock("14", "1C4C000500FFFFFF"); // stroke 5 mm
    QCOMPARE(s.run(), 1);
    QCOMPARE(s.f.texts(),
             QStringList{QStringLiteral("The controller describes an actuator that cannot be used "
                                        "( 28L-005).")});
    QCOMPARE(s.calls, (QStringList{"question", "device selection", "focus"}));
    QCOMPARE(s.progress.calls.constLast(), QStringLiteral("close"));
    QCOMPARE(s.f.view.label, QStringLiteral("VQ- 28L-100")); // the stored device
    QVERIFY(s.f.t.settings.values().size() == 1);            // nothing stored but the port's device
    QVERIFY(!s.port.isOpen());
}

void TestDeviceStartup::noControllerEndsInTheDeviceSelection() {
    Startup s(QStringLiteral("/nonexistent/ttyZOVI"));
    s.f.t.settings.writeText(QStringLiteral("DevSpeed"), QStringLiteral("H"));
    s.chooseInDialog = [&s] {
        DeviceChange change(s.f.t.ctx, s.f.catalogue, s.f.view);
        change.run([&s] {
            DeviceSelectionModel m(s.f.t.ctx, s.f.catalogue);
            m.load();
            m.sizeChosen(QStringLiteral(" 50"));
            m.strokeChosen(QStringLiteral("700"));
            m.ok();
            return m.cancelled;
        });
    };
    QCOMPARE(s.run(), 1);
    QCOMPARE(s.f.texts(), QStringList{QStringLiteral("Failed in opening of a communication port.")});
    QCOMPARE(s.progress.calls, (QStringList{"open 4 Reading data from controller...", "close"}));
    QCOMPARE(s.calls, (QStringList{"question", "device selection", "focus"}));
    const DeviceState& dev = s.f.t.ctx.device;
    QCOMPARE(QStringLiteral("[%1] %2 %3").arg(dev.DevSize, dev.DevSpeed).arg(dev.DevStroke),
             QStringLiteral("[ 50] H 700"));
    QCOMPARE(dev.DevLead, qint16(4));
    QCOMPARE(dev.DevMaxPulse, qint32(70000));
    QCOMPARE(s.f.view.label, QStringLiteral("VQ- 50H-700"));
    QCOMPARE(s.f.view.mmLine, QStringLiteral("1mm = 100Pulse"));
    QCOMPARE(s.f.t.settings.readText(QStringLiteral("DevStroke"), {}), QStringLiteral("700"));
}

void TestDeviceStartup::offlineWithAnUnusableStoredDevice() {
    Startup s(QStringLiteral("/nonexistent/ttyZOVI"));
    s.answer = 1;
    s.f.t.settings.writeText(QStringLiteral("DevStroke"), QStringLiteral("701"));
    QCOMPARE(s.run(), 1);
    QCOMPARE(s.f.texts(), QStringList{QStringLiteral("Type not selected.\r\n\r\nPlease select tyep again.")});
    QVERIFY2(s.progress.calls.isEmpty(), "the controller is not asked");
    QCOMPARE(s.calls, (QStringList{"question", "device selection", "focus"}));
    // The selection was cancelled: the device stays as the defaults give it.
    QCOMPARE(s.f.view.label, QStringLiteral("VQ- 28L-100"));
    QCOMPARE(s.f.view.pulseLine, QStringLiteral("1Pulse= 0.005mm"));
    QCOMPARE(s.f.t.ctx.device.DevMaxPulse, qint32(20000));
}

QTEST_GUILESS_MAIN(TestDeviceStartup)
#include "tst_device_startup.moc"
