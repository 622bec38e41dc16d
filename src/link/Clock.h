#pragma once

#include <QTime>

namespace zovi {

// Seconds since midnight, the clock that limits a move.
class Clock {
public:
    virtual ~Clock() = default;
    virtual float secondsSinceMidnight() const = 0;
};

class SystemClock : public Clock {
public:
    float secondsSinceMidnight() const override {
        return QTime::currentTime().msecsSinceStartOfDay() / 1000.0f;
    }
};

} // namespace zovi
