// The command line writes the same position and parameter files as the window for the same controller:
// both start by reading the actuator from the controller, read the data and save them with the window's
// writers.
#include "CliProcess.h"
#include "app/ProgressView.h"
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

class NoProgress : public ProgressView {
public:
    void open(int, const QString&) override {}
    void step(int) override {}
    void close() override {}
};

} // namespace

class TestZovictlWindow : public QObject {
    Q_OBJECT
private slots:
    void sameFileAsTheWindow();
    void sameParameterFileAsTheWindow();
};

void TestZovictlWindow::sameFileAsTheWindow() {
    SimulatorProcess sim;
    QVERIFY(sim.command(u"position 2420200183A"_s).startsWith(u"ok"_s)); // position 2: 6202 pulses, 31.01 mm
    QTemporaryDir dir;
    const QString windowFile = dir.filePath(u"window.vqd"_s);
    const QString cliFile = dir.filePath(u"cli.vqd"_s);

    TestContext t;
    t.settings.writeText(u"PortDevice1"_s, sim.path());
    FakeDesktop desktop;
    FrmMain window(t.ctx, desktop);
    ControllerSession session(t.ctx, window, window);
    window.attachController(session);
    window.formLoad();
    DeviceCatalogue devices(t.ctx);
    window.attachDevices(devices);
    MainDeviceView view(window);
    NoProgress progress;
    QVERIFY(DeviceStartup(t.ctx, devices, session.link, session.commands, view, progress, {})
                .readFromController());
    t.op.answer(Answer::Yes); // Read the data from controller?
    window.cmdGetfromCt_Click();
    t.op.chooseFile(windowFile);
    window.mnuFileSaveAs_Click();
    QVERIFY(contents(windowFile).contains("\"4\",\"2\",\"6202\""));

    const CliRun run = runCli({u"positions"_s, u"read"_s, cliFile, u"--port"_s, sim.path(), u"--yes"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(contents(cliFile), contents(windowFile));
}

void TestZovictlWindow::sameParameterFileAsTheWindow() {
    SimulatorProcess sim;
    QTemporaryDir dir;
    const QString windowFile = dir.filePath(u"window.pmt"_s);
    const QString cliFile = dir.filePath(u"cli.pmt"_s);

    TestContext t;
    t.settings.writeText(u"PortDevice1"_s, sim.path());
    FakeDesktop desktop;
    FrmMain window(t.ctx, desktop);
    ControllerSession session(t.ctx, window, window);
    DeviceCatalogue devices(t.ctx);
    RecordingDeviceView deviceView;
    NoProgress progress;
    QVERIFY(DeviceStartup(t.ctx, devices, session.link, session.commands, deviceView, progress, {})
                .readFromController());
    ParameterFormModel form(t.ctx, devices, t.ctx.parameters);
    form.Form_Load();
    RecordingWindow parameterWindow;
    ParameterCommands commands(
        t.ctx, devices, form, parameterWindow,
        ParameterLink{session.link, session.commands, session.modes, progress, deviceView});
    commands.run(ParameterCommand::ReadCt);
    t.op.chooseFile(windowFile);
    commands.run(ParameterCommand::SaveFile);
    QVERIFY(contents(windowFile).startsWith("\"VQ-E1\",\"Parameter\"\r\n20000,"));

    const CliRun run = runCli({u"params"_s, u"read"_s, cliFile, u"--port"_s, sim.path(), u"--yes"_s});
    QCOMPARE(run.status, 0);
    QCOMPARE(contents(cliFile), contents(windowFile));
}

QTEST_MAIN(TestZovictlWindow)
#include "tst_zovictl_window.moc"
