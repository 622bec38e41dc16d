#include "app/Wait.h"

#include <QEventLoop>
#include <QTimer>

namespace zovi {

void waitMs(int milliseconds) {
    QEventLoop loop;
    QTimer mmsecTimer;
    mmsecTimer.setSingleShot(true);
    mmsecTimer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&mmsecTimer, &QTimer::timeout, &loop, &QEventLoop::quit);
    mmsecTimer.start(milliseconds);
    loop.exec();
}

} // namespace zovi
