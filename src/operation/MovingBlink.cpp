#include "operation/MovingBlink.h"

#include "link/LinkState.h"
#include "operation/MoveView.h"

#include <QCoreApplication>
#include <QTimer>

namespace zovi {

MovingBlink::~MovingBlink() {
    QObject::disconnect(ticks_);
}

void MovingBlink::attachTimer(QTimer* timerMoving) {
    QObject::disconnect(ticks_);
    timer_ = timerMoving;
    timerMoving->setInterval(kIntervalMs);
    timerMoving->setSingleShot(false);
    ticks_ = QObject::connect(timerMoving, &QTimer::timeout, timerMoving, [this] { tick(); });
}

void MovingBlink::startMovingTimer(int button) {
    MovingButton = static_cast<qint16>(button);
    BlinkToggle = 0;
    if (timer_)
        timer_->start();
}

void MovingBlink::tick() {
    if (!link_.MovingFlag) {
        if (timer_)
            timer_->stop();
        view_.setButtonPicture(MovingButton, MoveView::kGreyPicture);
    } else if (BlinkToggle != 0) {
        view_.setButtonPicture(MovingButton, MoveView::kGreyPicture);
        BlinkToggle = 0;
    } else {
        view_.setButtonPicture(MovingButton, MoveView::kLitPicture);
        ++BlinkToggle;
    }
}

bool MovingBlink::running() const {
    return timer_ && timer_->isActive();
}

void MovingBlink::waitUntilStopped() {
    while (running())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace zovi
