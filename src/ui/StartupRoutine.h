#pragma once

#include <functional>
#include <memory>

namespace zovi {

class AppContext;
class ControllerSession;
class Desktop;
class FrmMain;

// The running program: the main window and the controller link that writes to it.
struct MainProgram {
    MainProgram();
    MainProgram(MainProgram&&) noexcept;
    ~MainProgram();
    std::unique_ptr<FrmMain> window;
    std::unique_ptr<ControllerSession> controller; // destroyed first: it writes to the window
};

// The program's start: settings and language (with Qt's own texts in it), the splash for two
// seconds, the main window, and then the determination of the actuator device.
class StartupRoutine {
public:
    StartupRoutine(AppContext& ctx, Desktop& desktop)
        : ctx_(ctx)
        , desktop_(desktop) {}

    // Runs once the main window is shown; the default loads the stored device.
    std::function<void(MainProgram&)> determineDevice;

    MainProgram run();

private:
    AppContext& ctx_;
    Desktop& desktop_;
};

} // namespace zovi
