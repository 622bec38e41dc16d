#include "device/DeviceStartup.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "device/CurrentDevice.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceSettings.h"
#include "device/DeviceView.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"

namespace zovi {

DeviceStartup::DeviceStartup(AppContext& ctx, DeviceCatalogue& catalogue, CtLink& link, CtCommands& commands,
                             DeviceView& view, StartupProgress& progress, DeviceStartupHooks hooks)
    : ctx_(ctx)
    , catalogue_(catalogue)
    , link_(link)
    , commands_(commands)
    , view_(view)
    , progress_(progress)
    , hooks_(std::move(hooks)) {}

int DeviceStartup::run() {
    const int answer = hooks_.askSelection ? hooks_.askSelection() : 1;
    const bool fromController = answer == 0 && readFromController();
    if (!fromController)
        setOffline();
    // The parameter window needs the device's standard parameters; a missing or damaged list is told
    // now, with its path, rather than first when the parameters are set to their defaults.
    catalogue_.checkStdPrmReadable(seriesWord(ctx_.device.IsVqSeries), ctx_.device.IsNewType);
    return fromController ? 0 : 1;
}

bool DeviceStartup::readFromController() {
    progress_.open(4, ctx_.msg(448));
    const bool ok = controllerSteps();
    progress_.close();
    return ok;
}

bool DeviceStartup::controllerSteps() {
    // The port, mode and read report their own failures.
    if (link_.OpenCommPort() != 0 || link_.CheckCommPort() != 0 || commands_.ReadCtDevice() != 0)
        return false;
    if (!ctDeviceUsable(commands_.device)) {
        link_.ReleaseCommPort();
        ctx_.op.message(ctx_.msg(909).arg(commands_.device.modelCode()));
        return false;
    }
    DeviceState& dev = ctx_.device;
    adoptCtDevice(dev, commands_.device, view_);
    saveDeviceSettings(ctx_);
    progress_.step(1);
    catalogue_.loadDeviceList(0);
    dev.SeriesText = seriesWord(dev.IsVqSeries);
    conv::recomputeLimits(dev);
    progress_.step(2);
    progress_.step(3);
    view_.setDeviceLabel(deviceLabelShort(dev));
    showUnitLine(ctx_, view_);
    progress_.step(4);
    // Like every other command, the start-up read leaves the port open only when it is to be occupied.
    link_.ReleaseCommPort();
    if (hooks_.wait)
        hooks_.wait(1000);
    if (hooks_.parkFocus)
        hooks_.parkFocus();
    return true;
}

void DeviceStartup::deriveFromStoredDevice() {
    DeviceState& dev = ctx_.device;
    dev.SeriesText = seriesWord(dev.IsVqSeries);
    catalogue_.loadDeviceList(0);
    catalogue_.seekLeadAndPpr();
    conv::recomputeLimits(dev);
    view_.setDeviceLabel(deviceLabelShort(dev));
    showUnitLine(ctx_, view_);
}

void DeviceStartup::setOffline() {
    bool showOld = false;
    if (loadDeviceSettings(ctx_, catalogue_, &showOld) == 0) {
        view_.setVqElementVisible(ctx_.device.IsVqSeries);
        view_.setOldElementVisible(showOld);
        deriveFromStoredDevice();
    } else {
        view_.setVqElementVisible(ctx_.device.IsVqSeries);
        view_.setOldElementVisible(showOld);
        ctx_.op.message(ctx_.texts.joined({441, 571}));
    }
    if (hooks_.changeDevice)
        hooks_.changeDevice();
    deriveFromStoredDevice();
    if (hooks_.parkFocus)
        hooks_.parkFocus();
}

} // namespace zovi
