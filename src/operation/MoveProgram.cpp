#include "operation/MoveProgram.h"

#include "app/AppContext.h"
#include "app/MainView.h"
#include "link/CtLink.h"
#include "operation/MoveCommands.h"
#include "operation/ProgramGridModel.h"
#include "operation/ProgramInput.h"
#include "operation/StepTimer.h"

namespace zovi {

namespace {

constexpr int kWaitUnitMs = 100;

} // namespace

MoveProgram::MoveProgram(AppContext& ctx, CtLink& link, MoveCommands& moves, MainView& view,
                         const ProgramGridModel& grid, StepTimer& timer2)
    : ctx_(ctx)
    , link_(link)
    , moves_(moves)
    , view_(view)
    , grid_(grid)
    , timer2_(timer2) {
    timer2_.onTimeout = [this] {
        Timer2_Tick();
    };
}

void MoveProgram::cmdStop_Click() {
    if (running_)
        StopRequest = true;
}

void MoveProgram::cmdTmpStop_Click() {
    if (running_)
        PauseRequest = true;
}

void MoveProgram::Timer2_Tick() {
    WaitDone = true;
    timer2_.stop();
}

QString MoveProgram::stepText(int step) const {
    return step >= 1 && step <= ProgramGridModel::kSteps ? grid_.step(step) : QString();
}

void MoveProgram::ContinualMove2(const ProgramOptions& options) {
    running_ = true;
    runSteps(options);
    link_.ReleaseCommPort();
    // A stop belongs to the run it was asked for; a pause is kept for the continuation.
    StopRequest = false;
    running_ = false;
}

void MoveProgram::runSteps(const ProgramOptions& options) {
    if (!moves_.prepare())
        return;
    if (options.continuous) {
        if (PauseRequest)
            PauseRequest = false;
        else
            ProgramStep = 1;
    } else if (FirstRunFlag) {
        ProgramStep = 1;
        FirstRunFlag = false;
    }

    for (;;) {
        QString text = stepText(ProgramStep);
        if (text.isEmpty()) {
            ProgramStep = 1;
            if (!options.repeat)
                return;
            text = stepText(1);
        }
        if (text != QLatin1String("1") && text != QLatin1String("2") && text != QLatin1String("3")) {
            link_.ReleaseCommPort();
            ctx_.op.message(ctx_.msg(474));
            return;
        }
        const int posNo = text.toInt();
        view_.setOutputLamps(false, false);
        if (!moves_.findPresentPosition())
            return;
        if (!moves_.move(posNo)) {
            moves_.moveFailed();
            return;
        }
        if (!moves_.showArrival(posNo))
            return;
        ++ProgramStep;

        if (StopRequest) {
            StopRequest = false;
            return;
        }
        if (!options.continuous || PauseRequest)
            return;
        waitBetweenSteps(options);
        if (ProgramStep > ProgramGridModel::kSteps) {
            ProgramStep = 1;
            if (!options.repeat)
                return;
        }
        // A request made during the wait ends the run before another move is sent.
        if (StopRequest || PauseRequest)
            return;
    }
}

void MoveProgram::waitBetweenSteps(const ProgramOptions& options) {
    const int units = program_input::timerUnits(options.timerText);
    WaitDone = !options.timerUse || units == 0;
    if (!WaitDone)
        timer2_.start(units * kWaitUnitMs);
    while (!WaitDone && !StopRequest && !PauseRequest)
        timer2_.processEvents();
    WaitDone = true;
    timer2_.stop();
}

} // namespace zovi
