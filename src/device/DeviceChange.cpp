#include "device/DeviceChange.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "device/CurrentDevice.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceSettings.h"
#include "device/DeviceView.h"

namespace zovi {

bool DeviceChange::run(const RunDialog& runDialog) {
    view_.setChangeDeviceEnabled(false);
    if (runDialog()) {
        view_.setChangeDeviceEnabled(true);
        return false;
    }
    // A flag left over from an earlier failed seek does not discard this choice: the choice is checked
    // on its own below.
    catalogue_.DeviceNotFoundFlag = false;

    const DeviceState before = ctx_.device;
    if (!applyChoice()) {
        const QString seriesOfDialog = ctx_.device.SeriesText;
        ctx_.device = before;
        ctx_.device.SeriesText = seriesOfDialog;
        showDeviceMarks(ctx_.device, view_);
        ctx_.op.message(ctx_.texts.joined({441, 442}));
        view_.setChangeDeviceEnabled(true);
        return false;
    }

    saveDeviceSettings(ctx_);
    conv::recomputeLimits(ctx_.device);
    showFullDeviceLabel(ctx_, catalogue_, view_);
    showUnitLine(ctx_, view_);
    if (positions)
        refreshMmColumn(ctx_.device, *positions);
    view_.setChangeDeviceEnabled(true);
    view_.repaintGrids();
    return true;
}

bool DeviceChange::applyChoice() {
    DeviceState& dev = ctx_.device;
    if (catalogue_.WorkSeriesText != QLatin1String("VQ")) {
        dev.IsNewType = false;
        dev.IsVqSeries = false;
        dev.DevListKind = 2;
        dev.VerticalFlag = false;
    } else {
        dev.IsVqSeries = true;
        dev.VerticalFlag = dev.VTypeFlag;
        dev.IsNewType = catalogue_.DlgNewType;
        dev.DevListKind = dev.IsNewType ? 0 : 1;
    }
    dev.NewOldText = dev.IsNewType ? QStringLiteral("NEW") : QStringLiteral("OLD");
    showDeviceMarks(dev, view_);

    if (catalogue_.devicePresent(catalogue_.WorkSeriesText, dev.IsNewType, dev.PrevDevSize, dev.PrevDevSpeed,
                                 dev.PrevDevStroke) != 0)
        return false;
    dev.DevSize = dev.PrevDevSize;
    dev.DevSpeed = dev.PrevDevSpeed;
    dev.DevStroke = dev.PrevDevStroke;
    catalogue_.seekLeadAndPpr();
    return !catalogue_.DeviceNotFoundFlag;
}

} // namespace zovi
