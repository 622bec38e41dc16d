#pragma once

#include "app/Options.h"
#include "link/Clock.h"
#include "link/CtLink.h"
#include "link/QtSerialPort.h"
#include "operation/AlarmPanel.h"
#include "support/RecordingMainView.h"
#include "support/SimulatorProcess.h"
#include "support/TestContext.h"

namespace zovi::test {

// The program's own serial stack against the simulator on its pseudo-terminal, COM 1 pointed at it,
// with the alarm list beside the test program.
struct SimulatedLink {
    explicit SimulatedLink(const QStringList& simulatorArguments = {})
        : sim(simulatorArguments) {
        t.settings.writeText(QStringLiteral("PortDevice1"), sim.path());
        alarms.Get_ErrorList();
    }
    // An operator command to the simulator that it carried out.
    bool ok(const char* command) {
        return sim.command(QString::fromLatin1(command)).startsWith(QStringLiteral("ok"));
    }

    SimulatorProcess sim;
    TestContext t;
    RecordingMainView view;
    SystemClock clock;
    QtSerialPort port{[this](int n) {
        return portDeviceName(t.ctx, n);
    }};
    AlarmPanel alarms{t.ctx, view};
    CtLink link{t.ctx, port, view, alarms, clock};
};

} // namespace zovi::test
