#pragma once

#include <QString>

namespace zovi {

class AlarmPanel;
class AppContext;
class CtLink;
class MainControls;
class MainView;
class ParameterStatusView;

// Communication mode, external start mode, the firmware version, the alarm reset and the
// controller reset.
class ControllerModes {
public:
    ControllerModes(AppContext& ctx, CtLink& link, MainView& view, MainControls& controls, AlarmPanel& alarms)
        : ctx_(ctx)
        , link_(link)
        , view_(view)
        , controls_(controls)
        , alarms_(alarms) {}

    // Each returns 0 when the controller did what was asked, 1 when the operator declined or the
    // exchange failed (already reported); the window ignores it, the command line reports it.
    int mnuModeGaibu_Click();
    int mnuModeTrancefer_Click();
    int mnuShowCtversion_Click();
    int cmdReset_Click();
    // 0 when the version was read into VersionText and the status bar, 1 otherwise.
    int GetVersionNo();
    // Asks, then restarts the controller so that newly written parameters take effect.
    void ResetCtByCommand(ParameterStatusView& parameterWindow);

    QString VersionText;

private:
    bool openAndCheck();

    AppContext& ctx_;
    CtLink& link_;
    MainView& view_;
    MainControls& controls_;
    AlarmPanel& alarms_;
};

} // namespace zovi
