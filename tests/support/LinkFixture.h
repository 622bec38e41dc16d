#pragma once

#include "link/Clock.h"
#include "link/CtLink.h"
#include "operation/AlarmPanel.h"
#include "support/FakePorts.h"
#include "support/RecordingMainView.h"
#include "support/TestContext.h"

namespace zovi::test {

class FakeClock : public Clock {
public:
    float secondsSinceMidnight() const override { return now; }
    float now = 1000.0f;
};

// The limit the link has armed for the reply it waits for: the time-out timer's interval, or the
// clock limit of a move still waiting; -1 when none is armed.
inline int armedLimitMs(const CtLink& link) {
    if (link.timerTimeout.isActive())
        return link.timerTimeout.interval();
    if (link.TimerMyTimer.isActive() && !link.state.MyTimerStopFlag)
        return qRound(link.state.MyTimerLimit * 1000.0f);
    return -1;
}

// The link over a scripted port, with the real alarm list beside the test program. The port records
// the limit in force as each frame goes out.
struct LinkFixture {
    explicit LinkFixture(qint16 langNo = 2)
        : t(langNo)
        , alarms(t.ctx, view)
        , link(t.ctx, port, view, alarms, clock) {
        alarms.Get_ErrorList();
        port.limitInForce = [this] {
            return armedLimitMs(link);
        };
    }
    const QList<ScriptedOperator::Shown>& messages() const { return t.op.messages; }

    TestContext t;
    ScriptedPort port;
    RecordingMainView view;
    AlarmPanel alarms;
    FakeClock clock;
    CtLink link;
};

} // namespace zovi::test
