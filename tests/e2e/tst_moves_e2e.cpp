#include "operation/MoveCommands.h"
#include "operation/MoveView.h"
#include "session/ControllerSession.h"
#include "support/RecordingMainView.h"
#include "support/SimulatorProcess.h"
#include "support/TestContext.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The moves over the program's own serial stack against the simulator, whose moves take a twentieth
// of their time. Its factory positions: 1 at 4000 pulses (OUT1), 2 at 10000 (OUT2), 3 at 16000 (both).
struct Bench : MoveView {
    Bench() {
        t.settings.writeText(QStringLiteral("PortDevice1"), sim.path());
        session.alarms.Get_ErrorList();
    }
    void setButtonPicture(int, int) override {}
    void setCompletedPosition(const QString& text) override { completed = text; }
    bool ok(const char* command) {
        return sim.command(QString::fromLatin1(command)).startsWith(QStringLiteral("ok"));
    }

    SimulatorProcess sim{{QStringLiteral("--move-scale"), QStringLiteral("0.05")}};
    TestContext t;
    RecordingMainView view;
    QString completed;
    ControllerSession session{t.ctx, view, view}; // the machine's serial port, the system clock
    MoveCommands moves{t.ctx, session.link, session.commands, session.alarms, view, *this};
};

} // namespace

class TestMovesE2e : public QObject {
    Q_OBJECT
private slots:
    // A move to a position homes first; an alarm raised while the slide travels home ends that move at
    // once; after the reset the home move works.
    void movesAndAnAlarmOnTheWay() {
        Bench b;
        b.moves.SelectMove(3);
        QVERIFY(b.t.op.messages.isEmpty() && b.view.out1 && b.view.out2 &&
                b.completed == QStringLiteral("3"));
        QVERIFY(b.sim.command(QStringLiteral("status")).contains(QStringLiteral("position=16000 last=3")));

        QVERIFY(b.ok("move-scale 0.5")); // the way home now takes 5 s
        QTimer::singleShot(400, [&b] { b.ok("alarm 04"); });
        QElapsedTimer clock;
        clock.start();
        b.moves.SelectMove(0);
        QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(
            b.t.op.lastText().startsWith(QStringLiteral("Communication error occurs!\r\n\r\nError No.04")));
        QVERIFY(b.view.alarmLamp && b.view.alarmNo == QStringLiteral("04") && !b.view.homeLamp);
        QVERIFY(!b.session.link.state.MovingFlag && !b.session.link.portIsOpen() &&
                !b.t.ctx.operation.MoveDataReadFlag);
        QCOMPARE(b.t.ctx.operation.LastPosNo, qint16(-1));

        QVERIFY(b.ok("move-scale 0.05"));
        b.session.modes.cmdReset_Click();
        b.moves.SelectMove(0);
        QCOMPARE(b.t.op.messages.size(), 1);
        QVERIFY(!b.view.alarmLamp && b.view.homeLamp && !b.view.out1 && b.completed == QStringLiteral("0"));
        QVERIFY(b.sim.command(QStringLiteral("status")).contains(QStringLiteral("position=0 last=0")));
    }
};

QTEST_GUILESS_MAIN(TestMovesE2e)
#include "tst_moves_e2e.moc"
