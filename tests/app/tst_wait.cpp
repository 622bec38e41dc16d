// The wait routine: on the main window's timer, nested, and with no window at all.
#include "app/Wait.h"
#include "support/TestContext.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

class TestWait : public QObject {
    Q_OBJECT
private slots:
    // The wait runs on the registered timer while events keep flowing.
    void runsOnTheRegisteredTimer() {
        TestContext t;
        QTimer mmsecTimer;
        registerWaitTimer(t.ctx, &mmsecTimer);
        int interval = -1;
        bool running = false;
        QTimer::singleShot(20, &mmsecTimer, [&] {
            interval = mmsecTimer.interval();
            running = mmsecTimer.isActive();
        });
        QElapsedTimer clock;
        clock.start();
        waitMs(t.ctx, 150);
        QVERIFY2(clock.elapsed() >= 150, qPrintable(QString::number(clock.elapsed())));
        QCOMPARE(interval, 150);
        QVERIFY(running);
        QVERIFY2(!mmsecTimer.isActive(), "the timer's handler disables it");

        // Once the window's timer is gone, a wait has a timer of its own.
        {
            QTimer gone;
            registerWaitTimer(t.ctx, &gone);
        }
        clock.restart();
        waitMs(t.ctx, 100);
        QVERIFY2(clock.elapsed() >= 100, qPrintable(QString::number(clock.elapsed())));
    }

    // A wait started while another waits restarts the one timer: its expiry ends both.
    void nestedWaitsEndWhenTheSharedTimerFires() {
        TestContext t;
        QTimer mmsecTimer;
        registerWaitTimer(t.ctx, &mmsecTimer);
        bool innerEnded = false;
        QTimer::singleShot(50, &mmsecTimer, [&] {
            waitMs(t.ctx, 100);
            innerEnded = true;
        });
        // Should the outer wait miss that expiry, this ends it after a second, and the test fails.
        bool rescued = false;
        QTimer::singleShot(1000, &mmsecTimer, [&] {
            rescued = true;
            mmsecTimer.start(0);
        });
        QElapsedTimer clock;
        clock.start();
        waitMs(t.ctx, 300);
        QVERIFY(innerEnded);
        QVERIFY2(!rescued, "the outer wait hung after the nested one");
        QVERIFY2(clock.elapsed() >= 150 && clock.elapsed() < 300,
                 qPrintable(QString::number(clock.elapsed())));
    }
};

QTEST_GUILESS_MAIN(TestWait)
#include "tst_wait.moc"
