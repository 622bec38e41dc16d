#include "device/DeviceSelectionModel.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"

namespace zovi {

namespace {

// The text when it is among the entries, else the first entry (empty when there is none).
QString keptOrFirst(const QString& text, const QStringList& entries) {
    if (entries.contains(text))
        return text;
    return entries.isEmpty() ? QString() : entries.constFirst();
}

} // namespace

void DeviceSelectionModel::load() {
    DeviceState& dev = ctx_.device;
    if (!dev.IsVqSeries) {
        series = 1;
        dev.SeriesText = QStringLiteral("JM");
        catalogue_.DlgNewType = false;
        typeVisible = false;
        homeMethod = 0;
        homingVisible = false;
        dev.VTypeFlag = false;
    } else {
        series = 0;
        dev.SeriesText = QStringLiteral("VQ");
        typeVisible = true;
        if (!dev.IsNewType) {
            oldChecked = true;
            catalogue_.DlgNewType = false;
            homingVisible = true;
            dev.VTypeFlag = dev.VerticalFlag;
            // The homing method shown is the one of the current device: sensor for a V-type.
            homeMethod = dev.VerticalFlag ? 1 : 0;
        } else {
            oldChecked = false;
            homeMethod = 0;
            homingVisible = false;
            catalogue_.DlgNewType = true;
            dev.VTypeFlag = true;
        }
    }
    size = dev.DevSize;
    speed = dev.DevSpeed;
    stroke = QString::number(dev.DevStroke);
    if (catalogue_.loadDeviceList(0) == 0)
        fillSizes();
}

bool DeviceSelectionModel::reloadList() {
    catalogue_.DevListMissingFlag = false;
    if (catalogue_.loadDeviceList(1) != 0)
        return false;
    fillSizes();
    return true;
}

void DeviceSelectionModel::seriesClicked(int index) {
    series = index == 1 ? 1 : 0;
    if (series == 0) {
        ctx_.device.SeriesText = QStringLiteral("VQ");
        typeVisible = true;
        homingVisible = oldChecked;
        catalogue_.DlgNewType = !oldChecked;
    } else {
        ctx_.device.SeriesText = QStringLiteral("JM");
        typeVisible = false;
        homingVisible = false;
    }
    reloadList();
}

void DeviceSelectionModel::newOrOldClicked(bool checked) {
    oldChecked = checked;
    catalogue_.DlgNewType = !checked;
    if (reloadList())
        homingVisible = checked;
}

void DeviceSelectionModel::homeMethodClicked(int index) {
    homeMethod = index == 1 ? 1 : 0;
}

void DeviceSelectionModel::sizeChosen(const QString& text) {
    size = text;
    fillSpeeds();
}

void DeviceSelectionModel::speedChosen(const QString& text) {
    speed = text;
    fillStrokes();
}

void DeviceSelectionModel::strokeChosen(const QString& text) {
    stroke = text;
}

void DeviceSelectionModel::fillSizes() {
    sizes = catalogue_.deviceTable().sizes;
    size = keptOrFirst(size, sizes);
    fillSpeeds();
}

void DeviceSelectionModel::fillSpeeds() {
    speeds.clear();
    for (const DeviceRecord& row : catalogue_.deviceTable().rows) {
        if (row.size == size && !speeds.contains(row.speed))
            speeds << row.speed;
    }
    speed = keptOrFirst(speed, speeds);
    fillStrokes();
}

void DeviceSelectionModel::fillStrokes() {
    strokes.clear();
    for (const DeviceRecord& row : catalogue_.deviceTable().rows) {
        if (row.size == size && row.speed == speed)
            strokes << QString::number(row.stroke);
    }
    stroke = keptOrFirst(stroke, strokes);
}

void DeviceSelectionModel::ok() {
    DeviceState& dev = ctx_.device;
    catalogue_.WorkSeriesText = series == 0 ? QStringLiteral("VQ") : QStringLiteral("JM");
    dev.PrevDevSize = size;
    dev.PrevDevSpeed = speed;
    dev.PrevDevStroke = conv::toInt16(conv::leadingNumber(stroke)).value_or(0);
    if (!oldChecked) {
        catalogue_.DlgNewType = true;
        dev.VTypeFlag = true;
    } else {
        catalogue_.DlgNewType = false;
        dev.VTypeFlag = homeMethod == 1;
    }
    catalogue_.loadDeviceList(1);
    done = true;
}

void DeviceSelectionModel::cancel() {
    cancelled = true;
    done = true;
}

} // namespace zovi
