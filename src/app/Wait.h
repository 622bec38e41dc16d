#pragma once

class QTimer;

namespace zovi {

class AppContext;

// Gives the wait routine the main window's one-shot timer mmsecTimer: its expiry ends every wait
// in progress and stops it. The window registers it when it is built; without a registered timer
// (code that runs with no window) each wait uses a timer of its own.
void registerWaitTimer(AppContext& ctx, QTimer* mmsecTimer);

// Waits the given milliseconds while window events keep flowing. A wait started while another is
// in progress restarts the one shared timer; its expiry then ends both waits, so neither can hang.
void waitMs(AppContext& ctx, int milliseconds);

} // namespace zovi
