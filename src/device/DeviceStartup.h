#pragma once

#include "app/ProgressView.h"

#include <QString>
#include <functional>

namespace zovi {

class AppContext;
class CtCommands;
class CtLink;
class DeviceCatalogue;
class DeviceView;

// The progress window shown while the device is read from the controller.
using StartupProgress = ProgressView;

// What the start-up determination asks of the windows.
struct DeviceStartupHooks {
    // The device-setting question frmSelection in start-up mode: 0 "Reading from C/T", 1 "Offline
    // setting" (it cannot be cancelled).
    std::function<int()> askSelection;
    // The main window's device change (cmdChangeDev), which opens the device selection.
    std::function<void()> changeDevice;
    // Clears the hidden focus box txtDummy and starts timerSetFocusDummy.
    std::function<void()> parkFocus;
    // The wait routine: milliseconds while window events keep flowing.
    std::function<void(int)> wait;
};

// The start-up device determination, run once when the main window is shown. The operator chooses
// to read the actuator from the controller (port, communication mode "0CM1", ReadCtDevice) or to set
// it offline. Any failure on the controller path falls back to the offline path: the stored device
// (message 441 + 571 when it is unusable) and the device selection. Either way the device list,
// limits, model name and unit line are set afterwards.
class DeviceStartup {
public:
    DeviceStartup(AppContext& ctx, DeviceCatalogue& catalogue, CtLink& link, CtCommands& commands,
                  DeviceView& view, StartupProgress& progress, DeviceStartupHooks hooks);

    // 0 when the device came from the controller, 1 when it was set offline. Either way the device's
    // standard parameter list is then checked, and a missing or damaged one told by its path.
    int run();

    // The controller path with its progress window; true on success.
    bool readFromController();
    // The offline path.
    void setOffline();

private:
    bool controllerSteps();
    // Series word, device list, lead and PPR seek, limits, short label and unit line.
    void deriveFromStoredDevice();

    AppContext& ctx_;
    DeviceCatalogue& catalogue_;
    CtLink& link_;
    CtCommands& commands_;
    DeviceView& view_;
    StartupProgress& progress_;
    DeviceStartupHooks hooks_;
};

} // namespace zovi
