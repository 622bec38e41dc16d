#pragma once

#include <QString>

namespace zovi {

class AppContext;
class CtLink;
class MainView;
class MoveCommands;
class ProgramGridModel;
class StepTimer;

// The options of a program run as the main window's controls hold them; they cannot change during a
// run (the controls are disabled).
struct ProgramOptions {
    bool continuous = true; // optSelectMode(0); otherwise one step per click
    bool repeat = false;    // chkRepeat: after the last step continue with step 1
    bool timerUse = false;  // chkTimerUse: wait between steps
    QString timerText;      // txtTimer: the wait in units of 100 ms; empty or 0 for none
};

// The move program: up to nine steps of the grid flgdProgram, each a position 1 to 3, run one per click
// or continuously with an optional wait between steps and an optional repetition. A stop or pause
// requested while a run is in progress is honoured after the step under way, and ends a wait between
// steps at once; no move is sent after it. A paused or stepwise run continues at ProgramStep.
class MoveProgram {
public:
    MoveProgram(AppContext& ctx, CtLink& link, MoveCommands& moves, MainView& view,
                const ProgramGridModel& grid, StepTimer& timer2);

    // The run of one cmdMove click.
    void ContinualMove2(const ProgramOptions& options);
    // Requests to end or pause the run in progress; outside a run they do nothing. Nothing is sent.
    void cmdStop_Click();
    void cmdTmpStop_Click();
    // Timer2's tick: the wait between steps is over.
    void Timer2_Tick();
    bool running() const { return running_; }

    qint16 ProgramStep = 1; // next step, 1 to 9
    bool StopRequest = false;
    bool PauseRequest = false;
    bool WaitDone = false;
    bool FirstRunFlag = true; // until the first run in step mode

private:
    void runSteps(const ProgramOptions& options);
    void waitBetweenSteps(const ProgramOptions& options);
    // A step's position text; a step after the last reads as empty.
    QString stepText(int step) const;

    AppContext& ctx_;
    CtLink& link_;
    MoveCommands& moves_;
    MainView& view_;
    const ProgramGridModel& grid_;
    StepTimer& timer2_;
    bool running_ = false;
};

} // namespace zovi
