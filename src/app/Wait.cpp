#include "app/Wait.h"

#include "app/AppContext.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace zovi {

namespace {

void waitOnOwnTimer(int milliseconds) {
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(milliseconds);
    loop.exec();
}

} // namespace

void registerWaitTimer(AppContext& ctx, QTimer* mmsecTimer) {
    ctx.wait.mmsecTimer = mmsecTimer;
    mmsecTimer->setSingleShot(true);
    mmsecTimer->setTimerType(Qt::PreciseTimer); // a coarse timer may end a wait 5% early
    QObject::connect(mmsecTimer, &QTimer::timeout, mmsecTimer, [&ctx, mmsecTimer] {
        ++ctx.wait.expiries;
        mmsecTimer->stop();
    });
}

void waitMs(AppContext& ctx, int milliseconds) {
    QTimer* timer = ctx.wait.mmsecTimer;
    if (!timer) {
        waitOnOwnTimer(milliseconds);
        return;
    }
    // The wait flag: set when the timer's expiry count moves past the count at the start. A count
    // rather than a flag that each wait clears, so that a nested wait cannot hide the expiry from
    // the wait it interrupted.
    const quint64 started = ctx.wait.expiries;
    timer->setInterval(milliseconds);
    timer->start();
    while (ctx.wait.expiries == started && ctx.wait.mmsecTimer)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace zovi
