#include "device/DeviceSettings.h"

#include "app/AppContext.h"
#include "device/DeviceCatalogue.h"

namespace zovi {

namespace {

// Beyond the checks of the stored device, a size or speed that is not printable text is damage.
bool storedDeviceUsable(const QString& size, const QString& speed, int stroke) {
    if (size.size() != 3 || speed.isEmpty() || !printableSetting(size) || !printableSetting(speed))
        return false;
    const QChar first = speed.at(0);
    return first >= QLatin1Char('A') && first <= QLatin1Char('Z') && stroke >= 10 && stroke <= 700;
}

} // namespace

int loadDeviceSettings(AppContext& ctx, DeviceCatalogue& catalogue, bool* showOldTypeElement) {
    DeviceState& dev = ctx.device;
    SettingsStore& store = ctx.settings;
    bool failed = false;

    dev.IsNewType = store.readInt(QStringLiteral("NewType"), 1) == 1;
    dev.NewOldText = dev.IsNewType ? QStringLiteral("NEW") : QStringLiteral("OLD");
    if (dev.IsNewType)
        dev.VerticalFlag = true;
    if (showOldTypeElement)
        *showOldTypeElement = !dev.IsNewType;

    dev.IsVqSeries = store.readText(QStringLiteral("Device"), QStringLiteral("VQ")) == QLatin1String("VQ");
    dev.DevListKind = dev.IsVqSeries ? (dev.IsNewType ? 0 : 1) : 2;

    const QString size = store.readText(QStringLiteral("DevSize"), QStringLiteral(" 28"));
    const QString speed = store.readText(QStringLiteral("DevSpeed"), QStringLiteral("L"));
    const qint16 stroke = store.readInt(QStringLiteral("DevStroke"), 100);
    if (storedDeviceUsable(size, speed, stroke)) {
        dev.DevSize = dev.PrevDevSize = size;
        dev.DevSpeed = dev.PrevDevSpeed = speed;
        dev.DevStroke = dev.PrevDevStroke = stroke;
    } else {
        failed = true;
    }

    const QString series = dev.IsVqSeries ? QStringLiteral("VQ") : QStringLiteral("JM");
    if (catalogue.checkListReadable(series, dev.IsNewType) == 0) {
        // A device that is not in its list fails; the lead is kept then rather than set to 0.
        const qint16 lead =
            catalogue.lookupLead(series, dev.IsNewType, dev.DevSize, dev.DevSpeed, dev.DevStroke);
        if (lead != 0)
            dev.DevLead = lead;
        else
            failed = true;
    } else {
        const qint16 lead = store.readInt(QStringLiteral("DevLead"), 2);
        if (lead >= 2 && lead <= 10)
            dev.DevLead = lead;
        else
            failed = true;
    }

    // Pulses per revolution divide the lead: a stored value below 1 is unusable.
    const qint16 ppr = store.readInt(QStringLiteral("DevPPR"), 400);
    if (ppr >= 1)
        dev.DevPPR = ppr;
    else
        failed = true;
    dev.VerticalFlag = store.readInt(QStringLiteral("Vertical"), 1) == 1;
    dev.MmPerPulse = dev.DevPPR != 0 ? static_cast<double>(dev.DevLead) / dev.DevPPR : 0.0;
    return failed ? 1 : 0;
}

void saveDeviceSettings(AppContext& ctx) {
    DeviceState& dev = ctx.device;
    SettingsStore& store = ctx.settings;
    store.writeText(QStringLiteral("Device"), dev.IsVqSeries ? QStringLiteral("VQ") : QStringLiteral("JM"));
    store.writeText(QStringLiteral("DevSize"), dev.DevSize);
    store.writeText(QStringLiteral("DevSpeed"), dev.DevSpeed);
    store.writeInt(QStringLiteral("DevStroke"), dev.DevStroke);
    store.writeInt(QStringLiteral("DevLead"), dev.DevLead);
    store.writeInt(QStringLiteral("DevPPR"), dev.DevPPR);
    if (dev.IsNewType)
        dev.VerticalFlag = true;
    store.writeInt(QStringLiteral("NewType"), dev.IsNewType ? 1 : 0);
    store.writeInt(QStringLiteral("Vertical"), dev.VerticalFlag ? 1 : 0);
}

} // namespace zovi
