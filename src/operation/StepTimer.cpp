#include "operation/StepTimer.h"

#include <QCoreApplication>
#include <QTimer>

namespace zovi {

QtStepTimer::QtStepTimer(QTimer* timer2)
    : timer_(timer2) {
    timer2->setSingleShot(true);
    timer2->setTimerType(Qt::PreciseTimer); // a coarse timer may end a wait 5% early
    ticks_ = QObject::connect(timer2, &QTimer::timeout, timer2, [this] {
        if (onTimeout)
            onTimeout();
    });
}

QtStepTimer::~QtStepTimer() {
    QObject::disconnect(ticks_);
}

// Without the window's timer there is nothing to wait on: the wait ends at once.
void QtStepTimer::start(int milliseconds) {
    if (timer_)
        timer_->start(milliseconds);
    else if (onTimeout)
        onTimeout();
}

void QtStepTimer::stop() {
    if (timer_)
        timer_->stop();
}

void QtStepTimer::processEvents() {
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace zovi
