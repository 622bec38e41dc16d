#include "parameter/ParameterForm.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "parameter/ParameterBlocks.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterTable.h"

#include <cmath>

namespace zovi {

namespace {

constexpr int kMaxJogSpeed = 30;
constexpr int kCategoryKeep = 99;

int strokeNumber(const QString& text) {
    return int(std::nearbyint(conv::leadingNumber(text)));
}

// A slot of a standard row as a field shows it: whole numbers without decimals.
QString numberText(const QVariant& slot) {
    const double value = slot.toDouble();
    return value == std::trunc(value) && std::fabs(value) < 1e15 ? QString::number(qint64(value))
                                                                 : QString::number(value);
}

} // namespace

ParameterFormModel::ParameterFormModel(AppContext& ctx, DeviceCatalogue& catalogue, ParameterState& state)
    : ctx_(ctx)
    , catalogue_(catalogue)
    , state_(state) {}

void ParameterFormModel::Form_Load() {
    const DeviceState& dev = ctx_.device;
    status.clear();
    title = ctx_.msg(51);
    // The fields start empty: nothing shown has been edited, so nothing is offered for saving.
    state_.ParaChangeFlag = false;
    form.actSize = dev.DevSize;
    form.actSpeed = dev.DevSpeed;
    form.actStroke = QString::number(dev.DevStroke);
    if (dev.IsVqSeries) {
        seriesWord = QStringLiteral("VQ");
        dlgNewType = dev.IsNewType;
        form.type = dev.IsNewType ? 0 : 1;
        ParaSensorFlag = dev.VerticalFlag;
    } else {
        seriesWord = QStringLiteral("JM");
        dlgNewType = false;
        form.type = 2;
        ParaSensorFlag = false;
    }
    if (loadDeviceList())
        RefreshDeviceCombos();
    detailsShown = ctx_.options.ParametaShow;
    defaultCheckEnabled = ctx_.options.ParametaShow;
    chkUseDefoult_Click(form.useDefault);
}

void ParameterFormModel::setText(int number, const QString& text) {
    if (form.text[number] == text)
        return;
    form.text[number] = text;
    if (hasNumberField(parameterRow(number)))
        state_.ParaChangeFlag = true;
}

bool ParameterFormModel::keyAccepted(int number, int currentLength, int keyAscii) const {
    const ParameterRow& row = parameterRow(number);
    if (row.keyLength == 0)
        return true;
    if (keyAscii == 13)
        return false;
    if (currentLength >= row.keyLength && keyAscii != 8)
        return false;
    return (keyAscii >= '0' && keyAscii <= '9') || keyAscii == 8 || keyAscii == 9;
}

void ParameterFormModel::leaveField(int number) {
    const ParameterRow& row = parameterRow(number);
    // An empty field has nothing to refuse; the presence check tells about it before it is used.
    if (!row.leaveChecked || form.text[number].isEmpty())
        return;
    const double value = std::nearbyint(conv::leadingNumber(form.text[number]));
    if (value >= double(row.leaveLow) && value <= double(row.leaveHigh))
        return;
    setText(number, QString());
    ctx_.op.beep();
}

void ParameterFormModel::optType_Click(int index) {
    form.type = index;
    switch (index) {
    case 0:
        seriesWord = QStringLiteral("VQ");
        dlgNewType = true;
        optVertical_Click(1);
        homingEnabled = false;
        break;
    case 1:
        seriesWord = QStringLiteral("VQ");
        dlgNewType = false;
        homingEnabled = true;
        break;
    default:
        seriesWord = QStringLiteral("JM");
        dlgNewType = false;
        optVertical_Click(0);
        homingEnabled = false;
        break;
    }
    if (loadDeviceList())
        RefreshDeviceCombos();
}

void ParameterFormModel::selectType(int index) {
    if (form.type != index)
        optType_Click(index);
}

void ParameterFormModel::optVertical_Click(int index) {
    form.vertical = index;
    ParaSensorFlag = index == 1;
}

bool ParameterFormModel::loadDeviceList() {
    DeviceList list = readDeviceList(catalogue_.deviceListPath(seriesWord, dlgNewType));
    if (!list.ok()) {
        catalogue_.checkListReadable(seriesWord, dlgNewType); // tells the operator what is wrong
        return false;
    }
    list_ = std::move(list);
    return true;
}

void ParameterFormModel::RefreshDeviceCombos() {
    sizes = list_.sizes;
    if (!sizes.contains(form.actSize))
        form.actSize = sizes.value(0);
    fillSpeeds();
    fillStrokes();
    setHomingByCategory();
    showActuatorCode();
}

QStringList ParameterFormModel::speedsOf(const QString& size) const {
    QStringList result;
    for (const DeviceRecord& row : list_.rows) {
        if (row.size == size && !result.contains(row.speed))
            result << row.speed;
    }
    return result;
}

QStringList ParameterFormModel::strokesOf(const QString& size, const QString& speed) const {
    QStringList result;
    for (const DeviceRecord& row : list_.rows) {
        if (row.size == size && row.speed == speed)
            result << QString::number(row.stroke);
    }
    return result;
}

void ParameterFormModel::fillSpeeds() {
    speeds = speedsOf(form.actSize);
    if (form.actSize == QLatin1String("E35") || form.actSize == QLatin1String(" 20"))
        form.actSpeed = QStringLiteral("L");
    else if (!speeds.contains(form.actSpeed))
        form.actSpeed = speeds.value(0);
}

void ParameterFormModel::fillStrokes() {
    strokes = strokesOf(form.actSize, form.actSpeed);
    if (!strokes.contains(form.actStroke))
        form.actStroke = strokes.value(0);
}

void ParameterFormModel::setHomingByCategory() {
    const int category = dlgNewType ? 2
                                    : catalogue_.modelCategory(seriesWord, dlgNewType, form.actSize,
                                                               form.actSpeed, strokeNumber(form.actStroke));
    switch (category) {
    case 0:
        homingEnabled = false;
        optVertical_Click(0);
        break;
    case 2:
        homingEnabled = false;
        optVertical_Click(1);
        break;
    case kCategoryKeep:
        break;
    default:
        homingEnabled = true;
        optVertical_Click(ParaSensorFlag ? 1 : 0);
        break;
    }
}

// The code the take-in will build from the three boxes.
void ParameterFormModel::showActuatorCode() {
    form.text[22] =
        actuatorCode(sizeWithBlank(form.actSize), form.actSpeed.trimmed(), strokeNumber(form.actStroke));
}

void ParameterFormModel::comboActSize_Click(const QString& size) {
    form.actSize = size;
    fillSpeeds();
    fillStrokes();
    setHomingByCategory();
    showActuatorCode();
}

void ParameterFormModel::comboActSpeed_Click(const QString& speed) {
    form.actSpeed = speed;
    fillStrokes();
    setHomingByCategory();
    showActuatorCode();
}

void ParameterFormModel::comboActStroke_Click(const QString& stroke) {
    form.actStroke = stroke;
    showActuatorCode();
}

void ParameterFormModel::chkUseDefoult_Click(bool checked) {
    form.useDefault = checked;
    emergencyEnabled = !checked;
    if (checked) {
        form.emgWay = 1;
        form.emgLogic = 1;
    }
}

// The lists for the sizes, speeds and strokes of the shown actuator, which keeps its texts even when
// the list does not hold them (an actuator read from a file or the controller).
void ParameterFormModel::refillKeepingTexts() {
    sizes = list_.sizes;
    speeds = speedsOf(form.actSize);
    strokes = strokesOf(form.actSize, form.actSpeed);
}

void ParameterFormModel::cmdLoadDefoultPara_Click(const RunDialog& runDeviceDialog) {
    defaultButtonEnabled = false;
    DeviceState& dev = ctx_.device;
    // The dialog sets the series word and V-type flag for its own lists; the current device keeps its own.
    const QString series = dev.SeriesText;
    const bool vType = dev.VTypeFlag;
    const bool cancelled = runDeviceDialog();
    const bool chosenVType = dev.VTypeFlag;
    dev.SeriesText = series;
    dev.VTypeFlag = vType;
    if (cancelled) {
        defaultButtonEnabled = true;
        return;
    }

    ParaSensorFlag = chosenVType;
    if (catalogue_.loadStdPrmList(ParaSensorFlag) != 0) {
        catalogue_.tellStdPrmUnreadable();
        defaultButtonEnabled = true;
        return;
    }
    const StdPrmRow* found = nullptr;
    for (const StdPrmRow& row : catalogue_.stdPrmTable().rows) {
        if (row.matches(dev.PrevDevSize, dev.PrevDevSpeed, dev.PrevDevStroke)) {
            found = &row;
            break;
        }
    }
    if (!found) {
        ctx_.op.message(ctx_.msg(533));
        defaultButtonEnabled = true;
        return;
    }

    const auto& slot = found->slot;
    for (const ParameterRow& row : parameterRows()) {
        if (hasNumberField(row))
            setText(row.number, numberText(slot[row.number]));
    }
    if (catalogue_.WorkSeriesText == QLatin1String("VQ")) {
        const bool sensor = ParaSensorFlag;
        setText(18, sensor ? QStringLiteral("1") : QStringLiteral("0"));
        optVertical_Click(sensor ? 1 : 0);
        selectType(sensor && catalogue_.DlgNewType ? 0 : 1);
    } else {
        selectType(2);
        setText(18, QStringLiteral("0"));
        optVertical_Click(0);
    }
    form.text[22] = slot[22].toString();
    form.actSize = slot[25].toString();
    form.actSpeed = slot[26].toString();
    form.actStroke = numberText(slot[27]);
    form.emgWay = slot[23].toDouble() == 0 ? 0 : 1;
    form.emgLogic = slot[24].toDouble() == 0 ? 0 : 1;
    chkUseDefoult_Click(true);
    refillKeepingTexts();
    defaultButtonEnabled = true;
}

void ParameterFormModel::Disp_ParaData() {
    ParameterSet& set = state_.set;
    for (const ParameterRow& row : parameterRows()) {
        if (!hasNumberField(row))
            continue;
        if (row.number >= 15 && row.number <= 17 && fieldValue(set, row) > kMaxJogSpeed)
            setFieldValue(set, row, kMaxJogSpeed);
        setText(row.number, QString::number(fieldValue(set, row)));
    }
    optVertical_Click(set.Vsiyou == 1 ? 1 : 0);
    const int type = set.Type == 2 ? 2 : (set.Type == 1 ? 1 : 0);
    selectType(type);
    homingEnabled = type == 1;
    form.text[22] = set.Actuator;
    form.actSize = set.ActSize;
    form.actSpeed = set.ActSpeed;
    form.actStroke = QString::number(set.ActStroke);
    if (!form.useDefault && ctx_.options.ParametaShow) {
        form.emgWay = set.EmgWay != 0 ? 1 : 0;
        form.emgLogic = set.EmgLogic != 0 ? 1 : 0;
    }
    refillKeepingTexts();
}

} // namespace zovi
