#pragma once

#include "link/Clock.h"
#include "link/CommLog.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "link/SerialPort.h"
#include "operation/AlarmPanel.h"
#include "operation/ControllerModes.h"

#include <memory>

class QTimer;

namespace zovi {

class AppContext;
class MainControls;
class MainView;
class MoveCommands;
class MoveProgram;
class MoveView;
class ProgramGridModel;
class QtStepTimer;

// Everything that talks to the controller, over one serial port, writing to the main window's view
// seams: the port, the link, the alarm panel, the commands, the modes and the test moves composed for
// one run. It stands above link/ and the subsystems and needs no widget, so the windows and a batch
// command line can both drive the controller through it.
class ControllerSession {
public:
    // Without a port, the machine's serial port is used (COM n as the settings map it); without a
    // clock, the system clock.
    ControllerSession(AppContext& ctx, MainView& view, MainControls& controls,
                      std::unique_ptr<SerialPort> port = {}, std::unique_ptr<Clock> clock = {});
    ~ControllerSession();

    SerialPort& port() { return *port_; }

    // Makes the test moves and the move program over this session: the moves show on `moveView`
    // and the main view, the program runs the steps of `steps`. `timerMoving` drives the moving
    // button's blink (none: nothing blinks) and `timer2` times the program's wait between steps (none:
    // the session times it with a timer of its own). Until then moves() and program() are null.
    void attachMoves(MoveView& moveView, const ProgramGridModel& steps, QTimer* timerMoving, QTimer* timer2);
    MoveCommands* moves() const { return moves_.get(); }
    MoveProgram* program() const { return program_.get(); }

private:
    AppContext& ctx_;
    MainView& view_;
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<Clock> clock_;

public:
    // Every frame of this session, for the log window and the command line alike.
    CommLog log;
    AlarmPanel alarms;
    CtLink link;
    CtCommands commands;
    ControllerModes modes;

private:
    // Made by attachMoves; declared last, so they go before the link they use.
    std::unique_ptr<QTimer> ownTimer2_;
    std::unique_ptr<QtStepTimer> timer2_;
    std::unique_ptr<MoveCommands> moves_;
    std::unique_ptr<MoveProgram> program_;
};

} // namespace zovi
