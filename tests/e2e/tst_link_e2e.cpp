#include "app/Options.h"
#include "link/Clock.h"
#include "link/CtLink.h"
#include "link/QtSerialPort.h"
#include "operation/AlarmPanel.h"
#include "operation/ControllerModes.h"
#include "support/RecordingMainView.h"
#include "support/SimulatorProcess.h"
#include "support/TestContext.h"

#include <QElapsedTimer>
#include <QtTest>
#include <sys/resource.h>

using namespace zovi;
using namespace zovi::test;

namespace {

// The program's own serial stack against the simulator on its pseudo-terminal, COM 1 pointed at it.
struct Bench {
    explicit Bench(const QStringList& simulatorArguments = {})
        : sim(simulatorArguments) {
        t.settings.writeText(QStringLiteral("PortDevice1"), sim.path());
        alarms.Get_ErrorList();
    }
    SimulatorProcess sim;
    TestContext t;
    RecordingMainView view;
    SystemClock clock;
    QtSerialPort port{[this](int n) {
        return portDeviceName(t.ctx, n);
    }};
    AlarmPanel alarms{t.ctx, view};
    CtLink link{t.ctx, port, view, alarms, clock};
    ControllerModes modes{t.ctx, link, view, view, alarms};
};

double cpuSecondsOfThisProcess() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

} // namespace

class TestLinkE2e : public QObject {
    Q_OBJECT
private slots:
    void portCheckAndRelease_data();
    void portCheckAndRelease();
    void versionQuery();
    void alarmReplyAndReset();
    void silentControllerTimesOut();
    void secondOpenOfTheSamePortFails();
    void hangUpInTheMiddleOfAReply();
};

void TestLinkE2e::portCheckAndRelease_data() {
    QTest::addColumn<bool>("occupy");
    QTest::newRow("released after each operation") << false;
    QTest::newRow("kept open when occupied") << true;
}

void TestLinkE2e::portCheckAndRelease() {
    QFETCH(bool, occupy);
    Bench b;
    QVERIFY(b.sim.started());
    b.t.ctx.options.PortOccupyFlag = occupy;
    QCOMPARE(b.link.OpenCommPort(), 0);
    QCOMPARE(b.link.CheckCommPort(), 0);
    QVERIFY(b.sim.command(QStringLiteral("status")).contains(QStringLiteral("mode=comm")));
    QTRY_VERIFY_WITH_TIMEOUT(b.view.portLamp, 300);
    b.link.ReleaseCommPort();
    QCOMPARE(b.port.isOpen(), occupy);
    QTRY_COMPARE_WITH_TIMEOUT(b.view.portLamp, occupy, 300);
    QVERIFY(b.t.op.messages.isEmpty());
}

void TestLinkE2e::versionQuery() {
    Bench b;
    b.modes.mnuShowCtversion_Click();
    QCOMPARE(b.t.op.messages.size(), 1);
    QCOMPARE(b.t.op.messages[0].text, QStringLiteral("Version of the controller is 120."));
    QCOMPARE(b.view.panels.value(1), QStringLiteral("The version of this C/T is 120"));
    QVERIFY2(!b.port.isOpen(), "released after the operation");
}

void TestLinkE2e::alarmReplyAndReset() {
    Bench b;
    QVERIFY(b.sim.command(QStringLiteral("alarm 0B")).startsWith(QStringLiteral("ok")));
    QCOMPARE(b.link.OpenCommPort(), 0);
    QCOMPARE(b.link.CheckCommPort(), 0); // mode changes pass while an alarm is latched
    b.link.state.TimeoutMsec = 5000;
    QCOMPARE(b.link.SendCtCommand("0RH", 6), 1);
    QCOMPARE(b.t.op.messages.size(), 1);
    QVERIFY(b.t.op.messages[0].text.startsWith(
        QStringLiteral("Communication error occurs!\r\n\r\nError No.0B\r\n\r\n[")));
    QCOMPARE(b.t.op.messages[0].icon, Icon::Exclamation);
    QVERIFY(b.view.alarmLamp);
    QVERIFY2(b.port.isOpen(), "an alarm leaves the port open");

    b.modes.cmdReset_Click();
    QCOMPARE(b.t.op.messages.size(), 1);
    QVERIFY(!b.view.alarmLamp);
    QCOMPARE(b.view.errorComment, QStringLiteral("No Error"));
    QVERIFY(!b.port.isOpen());
    QVERIFY(b.sim.command(QStringLiteral("status")).contains(QStringLiteral("alarm=none")));
}

void TestLinkE2e::silentControllerTimesOut() {
    Bench b;
    b.t.ctx.options.PortOccupyFlag = true;
    QVERIFY(b.sim.command(QStringLiteral("silent")).startsWith(QStringLiteral("ok")));
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(b.link.OpenCommPort(), 0);
    QCOMPARE(b.link.CheckCommPort(), 1);
    QVERIFY2(clock.elapsed() >= 1000 && clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(!b.port.isOpen(), "a time-out closes even an occupied port");
    QVERIFY(b.t.op.messages.last().text.startsWith(QStringLiteral("Communication timeout error!")));

    QVERIFY(b.sim.command(QStringLiteral("clear")).startsWith(QStringLiteral("ok")));
    QCOMPARE(b.link.CheckCommPort(), 0);
    QVERIFY(b.port.isOpen());
}

void TestLinkE2e::secondOpenOfTheSamePortFails() {
    Bench b;
    QCOMPARE(b.link.OpenCommPort(), 0);
    QtSerialPort other([&b](int) { return b.sim.path(); });
    QVERIFY(!other.open(1));
    QVERIFY(!other.errorString().isEmpty());
}

void TestLinkE2e::hangUpInTheMiddleOfAReply() {
    Bench b;
    QVERIFY(b.sim.command(QStringLiteral("split 2 3000")).startsWith(QStringLiteral("ok")));
    QCOMPARE(b.link.OpenCommPort(), 0);
    QTimer::singleShot(400, [&b] { b.sim.kill(); });
    b.link.state.TimeoutMsec = 1500;
    QCOMPARE(b.link.SendCtCommand("0CM", 6, "1"), 1);
    QVERIFY(b.t.op.messages.last().text.startsWith(QStringLiteral("Communication timeout error!")));
    QVERIFY(!b.port.isOpen());

    const double before = cpuSecondsOfThisProcess();
    QTest::qWait(1000);
    const double used = cpuSecondsOfThisProcess() - before;
    QVERIFY2(used < 0.2, qPrintable(QStringLiteral("%1 s of CPU in one idle second").arg(used)));
}

QTEST_GUILESS_MAIN(TestLinkE2e)
#include "tst_link_e2e.moc"
