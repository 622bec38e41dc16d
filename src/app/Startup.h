#pragma once

namespace zovi {

class AppContext;

// Reads the language and the option flags that the start-up routine takes from the settings, and
// resets the move cache.
void readStartupSettings(AppContext& ctx);

} // namespace zovi
