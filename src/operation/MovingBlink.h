#pragma once

#include <QObject>
#include <QPointer>
#include <QtGlobal>

class QTimer;

namespace zovi {

struct LinkState;
class MoveView;

// The blinking of the target's button while a move runs (timerMoving). The window owns the timer and
// attaches it; each tick alternates the button between its two faces while the link's MovingFlag is
// set, and the first tick after it has been cleared greys the button and stops the timer. Without an
// attached timer nothing blinks and nothing waits.
class MovingBlink {
public:
    static constexpr int kIntervalMs = 200;

    MovingBlink(const LinkState& link, MoveView& view)
        : link_(link)
        , view_(view) {}
    ~MovingBlink();
    MovingBlink(const MovingBlink&) = delete;
    MovingBlink& operator=(const MovingBlink&) = delete;

    // Gives the blink the window's timerMoving: its interval is set and its ticks drive tick().
    void attachTimer(QTimer* timerMoving);

    // Sets the button that is to blink (MovingButton) and starts the blink from its lit phase.
    void startMovingTimer(int button);
    void tick();
    bool running() const;
    // Keeps window events flowing until the timer has stopped (at most one tick after MovingFlag is
    // cleared).
    void waitUntilStopped();

    qint16 MovingButton = 0;
    qint16 BlinkToggle = 0;

private:
    const LinkState& link_;
    MoveView& view_;
    QPointer<QTimer> timer_;
    QMetaObject::Connection ticks_;
};

} // namespace zovi
