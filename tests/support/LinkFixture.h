#pragma once

#include "link/Clock.h"
#include "link/CtLink.h"
#include "operation/AlarmPanel.h"
#include "support/FakePorts.h"
#include "support/RecordingMainView.h"
#include "support/TestContext.h"

#include <memory>

namespace zovi::test {

class FakeClock : public Clock {
public:
    float secondsSinceMidnight() const override { return now; }
    float now = 1000.0f;
};

// The link over a given port, with the real alarm list beside the test program.
template <typename Port> struct LinkFixture {
    explicit LinkFixture(qint16 langNo = 2)
        : t(langNo)
        , alarms(t.ctx, view)
        , link(t.ctx, port, view, alarms, clock) {
        alarms.Get_ErrorList();
    }
    const QList<ScriptedOperator::Shown>& messages() const { return t.op.messages; }

    TestContext t;
    Port port;
    RecordingMainView view;
    AlarmPanel alarms;
    FakeClock clock;
    CtLink link;
};

} // namespace zovi::test
