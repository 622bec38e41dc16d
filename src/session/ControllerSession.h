#pragma once

#include "link/Clock.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "link/SerialPort.h"
#include "operation/AlarmPanel.h"
#include "operation/ControllerModes.h"

#include <memory>

namespace zovi {

class AppContext;
class MainControls;
class MainView;

// Everything that talks to the controller, over one serial port, writing to the main window's view
// seams: the port, the link, the alarm panel, the commands and the modes composed for one run. It
// stands above link/ and the subsystems and needs no widget, so the windows and a batch command
// line can both drive the controller through it.
class ControllerSession {
public:
    // Without a port, the machine's serial port is used (COM n as the settings map it); without a
    // clock, the system clock.
    ControllerSession(AppContext& ctx, MainView& view, MainControls& controls,
                      std::unique_ptr<SerialPort> port = {}, std::unique_ptr<Clock> clock = {});
    ~ControllerSession();

    SerialPort& port() { return *port_; }

private:
    std::unique_ptr<SerialPort> port_;
    std::unique_ptr<Clock> clock_;

public:
    AlarmPanel alarms;
    CtLink link;
    CtCommands commands;
    ControllerModes modes;
};

} // namespace zovi
