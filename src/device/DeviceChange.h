#pragma once

#include <functional>

namespace zovi {

class AppContext;
class DeviceCatalogue;
class DeviceView;
class PositionMmColumn;

// The main window's device change (cmdChangeDev): the device selection dialog, then its choice becomes
// the current device when that device is in its list. On success the device is stored, the limits,
// label, unit line and mm column follow it; otherwise the operator is told and the current device stays
// (only SeriesText keeps what the dialog last set, as after a cancelled dialog).
class DeviceChange {
public:
    // Shows the device selection dialog modally; true when it was cancelled.
    using RunDialog = std::function<bool()>;

    DeviceChange(AppContext& ctx, DeviceCatalogue& catalogue, DeviceView& view)
        : ctx_(ctx)
        , catalogue_(catalogue)
        , view_(view) {}

    // The mm column to rewrite after a change; none until the position table provides one.
    PositionMmColumn* positions = nullptr;

    // True when the device changed.
    bool run(const RunDialog& runDialog);

private:
    bool applyChoice();

    AppContext& ctx_;
    DeviceCatalogue& catalogue_;
    DeviceView& view_;
};

} // namespace zovi
