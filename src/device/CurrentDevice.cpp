#include "device/CurrentDevice.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceView.h"
#include "link/CtCommands.h"

namespace zovi {

QString seriesWord(bool isVqSeries) {
    return isVqSeries ? QStringLiteral("VQ") : QStringLiteral("JM");
}

bool ctDeviceUsable(const CtDevice& reply) {
    const bool speedLetter =
        reply.speed.size() == 1 && reply.speed[0] >= QLatin1Char('A') && reply.speed[0] <= QLatin1Char('Z');
    return reply.size.size() == 3 && speedLetter && reply.stroke >= 10 && reply.stroke <= 700 &&
           reply.kind >= 0 && reply.kind <= 2 && reply.lead > 0 && reply.ppr > 0 && reply.ppr <= 0x7FFF;
}

void adoptCtDevice(DeviceState& dev, const CtDevice& reply, DeviceView& view) {
    dev.DevSize = reply.size;
    dev.DevSpeed = reply.speed;
    dev.DevStroke = static_cast<qint16>(reply.stroke);
    dev.DevListKind = static_cast<qint16>(reply.kind);
    switch (reply.kind) {
    case 0:
        dev.IsVqSeries = true;
        dev.IsNewType = true;
        dev.VerticalFlag = dev.VTypeFlag = true;
        break;
    case 1:
        dev.IsVqSeries = true;
        dev.IsNewType = false;
        dev.VerticalFlag = dev.VTypeFlag = reply.vertical;
        break;
    default:
        dev.IsVqSeries = false;
        dev.IsNewType = false;
        dev.VerticalFlag = dev.VTypeFlag = false;
        break;
    }
    dev.NewOldText = dev.IsNewType ? QStringLiteral("NEW") : QStringLiteral("OLD");
    dev.SeriesText = seriesWord(dev.IsVqSeries);
    showDeviceMarks(dev, view);
    dev.DevLead = static_cast<qint16>(reply.lead);
    dev.DevPPR = static_cast<qint16>(reply.ppr);
}

int compareCtDevice(const DeviceState& dev, const CtDevice& reply) {
    const bool same = dev.DevSize == reply.size && dev.DevSpeed == reply.speed &&
                      dev.DevStroke == reply.stroke && dev.DevListKind == reply.kind &&
                      dev.DevPPR == reply.ppr && dev.DevLead == reply.lead &&
                      dev.VerticalFlag == reply.vertical;
    return same ? 0 : 1;
}

QString deviceLabelShort(const DeviceState& dev) {
    return dev.SeriesText + QLatin1Char('-') + dev.DevSize + dev.DevSpeed + QLatin1Char('-') +
           QString::number(dev.DevStroke);
}

QString deviceLabelFull(const DeviceState& dev, int category) {
    const QString stroke = dev.DevStroke >= 0 && dev.DevStroke <= 999
                               ? QStringLiteral("%1").arg(dev.DevStroke, 3, 10, QLatin1Char('0'))
                               : QStringLiteral("X");
    QString mark;
    if (category == 0 || category == 2)
        mark = QStringLiteral(" ");
    else if (category == 1 && !dev.VTypeFlag)
        mark = QStringLiteral("_");
    else if (category == 1 && !dev.IsNewType)
        mark = QStringLiteral("V");
    return dev.SeriesText + QLatin1Char('-') + dev.DevSize + dev.DevSpeed + QLatin1Char('-') + stroke + mark;
}

void showDeviceMarks(const DeviceState& dev, DeviceView& view) {
    view.setVqElementVisible(dev.IsVqSeries);
    view.setOldElementVisible(!dev.IsNewType);
}

void showFullDeviceLabel(AppContext& ctx, DeviceCatalogue& catalogue, DeviceView& view) {
    const DeviceState& dev = ctx.device;
    showDeviceMarks(dev, view);
    const int category =
        catalogue.modelCategory(dev.SeriesText, dev.IsNewType, dev.DevSize, dev.DevSpeed, dev.DevStroke);
    view.setDeviceLabel(deviceLabelFull(dev, category));
}

void showUnitLine(const AppContext& ctx, DeviceView& view) {
    const conv::UnitLine line = conv::unitLine(ctx.device.DevLead, ctx.device.DevPPR, ctx.msg(572));
    view.setUnitLine(line.mmLine, line.pulseLine);
}

void refreshMmColumn(const DeviceState& dev, PositionMmColumn& positions) {
    positions.beginRefresh();
    for (int position = 1; position <= 3; ++position) {
        const QString pulses = positions.pulseText(position).trimmed();
        if (!pulses.isEmpty()) // a position without pulses keeps its empty mm cell
            positions.setMmText(position,
                                conv::mmCellText(dev.DevLead, dev.DevPPR, conv::leadingNumber(pulses)));
    }
    positions.endRefresh();
}

} // namespace zovi
