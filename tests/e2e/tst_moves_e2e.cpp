#include "app/Options.h"
#include "link/QtSerialPort.h"
#include "operation/ControllerModes.h"
#include "operation/MoveFixture.h"
#include "support/SimulatorProcess.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The moves over the program's own serial stack against the simulator, whose moves take a twentieth
// of their time. Its factory positions: 1 at 4000 pulses (OUT1), 2 at 10000 (OUT2), 3 at 16000 (both).
struct Bench {
    Bench() {
        t.settings.writeText(QStringLiteral("PortDevice1"), sim.path());
        alarms.Get_ErrorList();
    }
    bool ok(const char* command) {
        return sim.command(QString::fromLatin1(command)).startsWith(QStringLiteral("ok"));
    }
    SimulatorProcess sim{{QStringLiteral("--move-scale"), QStringLiteral("0.05")}};
    TestContext t;
    RecordingMainView view;
    RecordingMoveView moveView;
    SystemClock clock;
    QtSerialPort port{[this](int n) {
        return portDeviceName(t.ctx, n);
    }};
    AlarmPanel alarms{t.ctx, view};
    CtLink link{t.ctx, port, view, alarms, clock};
    CtCommands commands{link};
    ControllerModes modes{t.ctx, link, view, view, alarms};
    MoveCommands moves{t.ctx, link, commands, alarms, view, moveView};
};

} // namespace

class TestMovesE2e : public QObject {
    Q_OBJECT
private slots:
    void homeThenPosition() {
        Bench b;
        b.moves.SelectMove(0);
        QVERIFY(b.view.homeLamp && b.moveView.completed == QStringLiteral("0"));
        b.moves.SelectMove(3);
        QVERIFY(b.t.op.messages.isEmpty());
        QVERIFY(b.view.out1 && b.view.out2 && b.moveView.completed == QStringLiteral("3"));
        QVERIFY(b.sim.command(QStringLiteral("status")).contains(QStringLiteral("position=16000 last=3")));
    }

    // An alarm raised while the slide travels ends the move at once; after the reset the next move works,
    // asking the controller again where the slide stopped.
    void alarmDuringAMove() {
        Bench b;
        b.moves.SelectMove(3);
        QVERIFY(b.ok("move-scale 0.5")); // the way home now takes 5 s
        QTimer::singleShot(400, [&b] { b.ok("alarm 04"); });
        QElapsedTimer clock;
        clock.start();
        b.moves.SelectMove(0);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(
            b.t.op.lastText().startsWith(QStringLiteral("Communication error occurs!\r\n\r\nError No.04")));
        QVERIFY(b.view.alarmLamp && b.view.alarmNo == QStringLiteral("04") && !b.view.homeLamp);
        QVERIFY(!b.link.state.MovingFlag && !b.port.isOpen() && !b.t.ctx.operation.MoveDataReadFlag);
        QCOMPARE(b.t.ctx.operation.LastPosNo, qint16(-1));

        QVERIFY(b.ok("move-scale 0.05"));
        b.modes.cmdReset_Click();
        b.moves.SelectMove(1);
        QCOMPARE(b.t.op.messages.size(), 1);
        QVERIFY(!b.view.alarmLamp && b.view.out1 && !b.view.out2 &&
                b.moveView.completed == QStringLiteral("1"));
    }

    void homeSensorNotFound() {
        Bench b;
        QVERIFY(b.ok("home-sensor-fail"));
        b.moves.SelectMove(0);
        QCOMPARE(b.t.op.messages.size(), 2);
        QVERIFY(b.t.op.messages[0].text.contains(QStringLiteral("Error No.0B")));
        QVERIFY(b.t.op.lastText().startsWith(QStringLiteral("Home sensor could not be detected at homing.")));
        QVERIFY(b.t.op.lastText().endsWith(QStringLiteral(" 4.Is the power voltage enough?")));
        QVERIFY(b.view.alarmLamp && !b.view.homeLamp && b.t.ctx.operation.LastPosNo == -1);
    }
};

QTEST_GUILESS_MAIN(TestMovesE2e)
#include "tst_moves_e2e.moc"
