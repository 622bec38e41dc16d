#pragma once

namespace zovi {

class AppContext;
class DeviceCatalogue;

// The device keys of the settings store ("NewType", "Device", "DevSize", "DevSpeed", "DevStroke",
// "DevLead", "DevPPR", "Vertical").

// Loads the stored actuator into the device state: 0 on success, 1 when a stored value is unusable or
// the device is not in its list (every step still runs). The lead comes from the device list when that
// can be read, else from "DevLead". `showOldTypeElement` receives whether the OLD-type element is to be
// shown.
int loadDeviceSettings(AppContext& ctx, DeviceCatalogue& catalogue, bool* showOldTypeElement = nullptr);

// Writes the eight device keys from the device state.
void saveDeviceSettings(AppContext& ctx);

} // namespace zovi
