#include "link/QtSerialPort.h"
#include "support/SimulatedLink.h"

#include <QElapsedTimer>
#include <QtTest>
#include <ctime>

using namespace zovi;
using namespace zovi::test;

using Bench = SimulatedLink;

class TestLinkE2e : public QObject {
    Q_OBJECT
private slots:
    void portCheckAndRelease() {
        for (const bool occupy : {false, true}) {
            Bench b;
            b.t.ctx.options.PortOccupyFlag = occupy;
            QCOMPARE(b.link.OpenCommPort(), 0);
            QCOMPARE(b.link.CheckCommPort(), 0);
            QVERIFY(b.sim.command(QStringLiteral("status")).contains(QStringLiteral("mode=comm")));
            QTRY_VERIFY_WITH_TIMEOUT(b.view.portLamp, 300);
            b.link.ReleaseCommPort();
            QCOMPARE(b.port.isOpen(), occupy);
            QTRY_COMPARE_WITH_TIMEOUT(b.view.portLamp, occupy, 300);
            QVERIFY(b.t.op.messages.isEmpty());
            QtSerialPort other([&b](int) { return b.sim.path(); });
            QVERIFY2(other.open(1) != occupy, "a port in use cannot be opened twice");
        }
    }

    void silentControllerTimesOut() {
        Bench b;
        b.t.ctx.options.PortOccupyFlag = true;
        QVERIFY(b.ok("silent"));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(b.link.CheckCommPort(), 1);
        QVERIFY2(clock.elapsed() >= 1000 && clock.elapsed() < 2000,
                 qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(!b.port.isOpen(), "a time-out closes even an occupied port");
        QVERIFY(b.t.op.lastText().startsWith(QStringLiteral("Communication timeout error!")));
        QVERIFY(b.ok("clear"));
        QCOMPARE(b.link.CheckCommPort(), 0);
        QVERIFY(b.port.isOpen());
    }

    // Every operator command gets exactly one answer line, whatever bytes it holds. Without
    // --exit-on-eof the simulator keeps serving when its standard input closes; a SIGTERM ends it.
    void simulatorControlChannel() {
        Bench b;
        QProcess& channel = b.sim.process();
        const QByteArrayList commands{
            QByteArray("bogus\0x", 7), QByteArray(1, '\0'), "sta\rtus", "\x01\x1b[2J", "\xff\xfe", "status"};
        channel.write(commands.join('\n') + '\n');
        QByteArrayList answers;
        while (answers.size() < commands.size() &&
               (channel.canReadLine() || channel.waitForReadyRead(3000))) {
            if (channel.canReadLine())
                answers << channel.readLine();
        }
        QCOMPARE(answers.size(), commands.size());
        QCOMPARE(answers[0], QByteArray("error: unknown command \"bogus\\x00x\" (try: help)\n"));
        QCOMPARE(answers[2], QByteArray("error: unknown command \"sta\\x0Dtus\" (try: help)\n"));
        QVERIFY(answers[5].startsWith("status mode=ext"));
        channel.closeWriteChannel();
        QVERIFY(!channel.waitForFinished(200));
        QCOMPARE(b.link.CheckCommPort(), 0);
        channel.terminate();
        QVERIFY(channel.waitForFinished(5000) && channel.exitStatus() == QProcess::NormalExit);
        QCOMPARE(channel.exitCode(), 0);

        SimulatorProcess once({QStringLiteral("--exit-on-eof")});
        once.process().closeWriteChannel();
        QVERIFY(once.process().waitForFinished(5000) && once.process().exitCode() == 0);
    }

    void hangUpInTheMiddleOfAReply() {
        Bench b;
        QVERIFY(b.ok("split 2 3000"));
        QCOMPARE(b.link.OpenCommPort(), 0);
        QTimer::singleShot(400, [&b] { b.sim.kill(); });
        b.link.state.TimeoutMsec = 1500;
        QCOMPARE(b.link.SendCtCommand("0CM", 6, "1"), 1);
        QVERIFY(b.t.op.lastText().startsWith(QStringLiteral("Communication timeout error!")));
        QVERIFY(!b.port.isOpen());
        const std::clock_t before = std::clock(); // processor time of this process
        QTest::qWait(1000);
        const double used = double(std::clock() - before) / CLOCKS_PER_SEC;
        QVERIFY2(used < 0.2, qPrintable(QStringLiteral("%1 s of CPU in one idle second").arg(used)));
    }
};

QTEST_GUILESS_MAIN(TestLinkE2e)
#include "tst_link_e2e.moc"
