#pragma once

namespace zovi {

class AppContext;

// Loads the stored actuator into the device state: 0 on success, 1 when a stored value is unusable
// (every step still runs). `showOldTypeElement` receives whether the OLD-type element is to be shown.
int loadDeviceSettings(AppContext& ctx, bool* showOldTypeElement = nullptr);

// Writes the eight device keys from the device state.
void saveDeviceSettings(AppContext& ctx);

} // namespace zovi
