#pragma once

#include <functional>
#include <memory>

namespace zovi {

class AppContext;
class Desktop;
class FrmMain;

// The program's start: splash for two seconds, settings, language, the main window, and then the
// determination of the actuator device.
class StartupRoutine {
public:
    StartupRoutine(AppContext& ctx, Desktop& desktop)
        : ctx_(ctx)
        , desktop_(desktop) {}

    // Runs once the main window is shown; the default loads the stored device.
    std::function<void(FrmMain&)> determineDevice;

    std::unique_ptr<FrmMain> run();

private:
    AppContext& ctx_;
    Desktop& desktop_;
};

} // namespace zovi
