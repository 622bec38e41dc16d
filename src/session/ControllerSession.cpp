#include "session/ControllerSession.h"

#include "app/AppContext.h"
#include "app/Options.h"
#include "link/Clock.h"
#include "link/QtSerialPort.h"
#include "operation/MoveCommands.h"
#include "operation/MoveProgram.h"
#include "operation/StepTimer.h"

namespace zovi {

namespace {

std::unique_ptr<SerialPort> machinePort(AppContext& ctx) {
    return std::make_unique<QtSerialPort>([&ctx](int portNo) { return portDeviceName(ctx, portNo); });
}

} // namespace

ControllerSession::ControllerSession(AppContext& ctx, MainView& view, MainControls& controls,
                                     std::unique_ptr<SerialPort> port, std::unique_ptr<Clock> clock)
    : ctx_(ctx)
    , view_(view)
    , port_(port ? std::move(port) : machinePort(ctx))
    , clock_(clock ? std::move(clock) : std::make_unique<SystemClock>())
    , alarms(ctx, view)
    , link(ctx, *port_, view, alarms, *clock_)
    , commands(link)
    , modes(ctx, link, view, controls, alarms) {
    link.setLog(&log);
}

ControllerSession::~ControllerSession() {
    link.CloseCommPort();
}

void ControllerSession::attachMoves(MoveView& moveView, const ProgramGridModel& steps, QTimer* timerMoving,
                                    QTimer* timer2) {
    program_.reset();
    moves_ = std::make_unique<MoveCommands>(ctx_, link, commands, alarms, view_, moveView);
    if (timerMoving)
        moves_->blink.attachTimer(timerMoving);
    if (!timer2) {
        if (!ownTimer2_)
            ownTimer2_ = std::make_unique<QTimer>();
        timer2 = ownTimer2_.get();
    }
    timer2_ = std::make_unique<QtStepTimer>(timer2);
    program_ = std::make_unique<MoveProgram>(ctx_, link, *moves_, view_, steps, *timer2_);
}

} // namespace zovi
