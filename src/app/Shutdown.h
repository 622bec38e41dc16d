#pragma once

#include <functional>

namespace zovi {

class AppContext;

enum class CloseReason { CloseBox, Program };

// What the close request needs of the main window.
struct CloseHooks {
    std::function<bool()> portIsOpen;
    std::function<void()> closePort;
    // File > Save As; returns true when the operator cancelled the save dialog.
    std::function<bool()> saveAs;
};

// The main window's close request: true when the close is refused (the window stays).
bool mainCloseRefused(AppContext& ctx, CloseReason reason, const CloseHooks& hooks);

// The main window's unload: stores the port number and the language (toggled when a change was chosen).
void storeSettingsAtUnload(AppContext& ctx);

} // namespace zovi
