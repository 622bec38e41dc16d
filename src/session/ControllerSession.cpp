#include "session/ControllerSession.h"

#include "app/AppContext.h"
#include "app/Options.h"
#include "link/Clock.h"
#include "link/QtSerialPort.h"

namespace zovi {

namespace {

std::unique_ptr<SerialPort> machinePort(AppContext& ctx) {
    return std::make_unique<QtSerialPort>([&ctx](int portNo) { return portDeviceName(ctx, portNo); });
}

} // namespace

ControllerSession::ControllerSession(AppContext& ctx, MainView& view, MainControls& controls,
                                     std::unique_ptr<SerialPort> port, std::unique_ptr<Clock> clock)
    : port_(port ? std::move(port) : machinePort(ctx))
    , clock_(clock ? std::move(clock) : std::make_unique<SystemClock>())
    , alarms(ctx, view)
    , link(ctx, *port_, view, alarms, *clock_)
    , commands(link)
    , modes(ctx, link, view, controls, alarms) {}

ControllerSession::~ControllerSession() {
    link.CloseCommPort();
}

} // namespace zovi
