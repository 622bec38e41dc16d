// The command line writes the same position and parameter files as the window for the same controller:
// both start by reading the actuator from the controller, read the data and save them with the window's
// writers.
#include "CliProcess.h"
#include "app/QuietViews.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceStartup.h"
#include "parameter/ParameterRig.h"
#include "session/ControllerSession.h"
#include "support/FakeDesktop.h"
#include "support/SimulatorProcess.h"
#include "support/TestContext.h"
#include "ui/FrmMain.h"
#include "ui/MainDeviceView.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// The main window with its session on the simulator, the actuator read from it as the start-up does.
struct WindowOnSimulator {
    WindowOnSimulator() {
        t.settings.writeText(u"PortDevice1"_s, sim.path());
        window.attachController(session);
        window.formLoad();
        window.attachDevices(devices);
    }
    bool readActuator() {
        return DeviceStartup(t.ctx, devices, session.link, session.commands, view, progress, {})
            .readFromController();
    }
    // What zovictl writes for `verb` read into a file, compared with the window's file.
    void sameAsTheWindow(const QString& verb, const QString& windowFile) {
        const QString cliFile = windowFile + u".cli"_s;
        const CliRun run = runCli({verb, u"read"_s, cliFile, u"--port"_s, sim.path(), u"--yes"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(contents(cliFile), contents(windowFile));
    }

    SimulatorProcess sim;
    QTemporaryDir dir;
    TestContext t;
    FakeDesktop desktop;
    FrmMain window{t.ctx, desktop};
    ControllerSession session{t.ctx, window, window};
    DeviceCatalogue devices{t.ctx};
    MainDeviceView view{window};
    QuietProgress progress;
};

} // namespace

class TestZovictlWindow : public QObject {
    Q_OBJECT
private slots:
    void sameFileAsTheWindow();
    void sameParameterFileAsTheWindow();
};

void TestZovictlWindow::sameFileAsTheWindow() {
    WindowOnSimulator w;
    QVERIFY(
        w.sim.command(u"position 2420200183A"_s).startsWith(u"ok"_s)); // position 2: 6202 pulses, 31.01 mm
    QVERIFY(w.readActuator());
    const QString windowFile = w.dir.filePath(u"window.vqd"_s);
    w.t.op.answer(Answer::Yes); // Read the data from controller?
    w.window.cmdGetfromCt_Click();
    w.t.op.chooseFile(windowFile);
    w.window.mnuFileSaveAs_Click();
    QVERIFY(contents(windowFile).contains("\"4\",\"2\",\"6202\""));
    w.sameAsTheWindow(u"positions"_s, windowFile);
}

void TestZovictlWindow::sameParameterFileAsTheWindow() {
    WindowOnSimulator w;
    QVERIFY(w.readActuator());
    const QString windowFile = w.dir.filePath(u"window.pmt"_s);
    ParameterFormModel form(w.t.ctx, w.devices, w.t.ctx.parameters);
    form.Form_Load();
    RecordingWindow parameterWindow;
    ParameterCommands commands(
        w.t.ctx, w.devices, form, parameterWindow,
        ParameterLink{w.session.link, w.session.commands, w.session.modes, w.progress, w.view});
    commands.run(ParameterCommand::ReadCt);
    w.t.op.chooseFile(windowFile);
    commands.run(ParameterCommand::SaveFile);
    QVERIFY(contents(windowFile).startsWith("\"VQ-E1\",\"Parameter\"\r\n20000,"));
    w.sameAsTheWindow(u"params"_s, windowFile);
}

QTEST_MAIN(TestZovictlWindow)
#include "tst_zovictl_window.moc"
