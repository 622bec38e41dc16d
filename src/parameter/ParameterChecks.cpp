#include "parameter/ParameterChecks.h"

#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "parameter/ParameterBlocks.h"
#include "parameter/ParameterForm.h"
#include "parameter/ParameterTable.h"

#include <cmath>

namespace zovi {

namespace {

constexpr int kActuator = 22;

// The number a field holds as the checks see it: its leading number rounded half to even.
double fieldNumber(const QString& text) {
    return std::nearbyint(conv::leadingNumber(text));
}

// The value of parameter n as the form gives it.
double formValue(const ParameterForm& form, int number) {
    switch (number) {
    case 18:
        return fieldNumber(form.text[18]);
    case 21:
        return form.type;
    case 23:
        return form.useDefault ? 0 : form.emgWay;
    case 24:
        return form.useDefault ? 0 : form.emgLogic;
    default:
        return fieldNumber(form.text[number]);
    }
}

bool withinAcceptance(const ParameterRow& row, double value) {
    // Far beyond any field: the decimal text alone is too long.
    if (!(std::fabs(value) < 1e15))
        return false;
    const QString decimal = QString::number(qint64(value));
    return decimal.size() <= row.maxLength && value >= double(row.low) && value <= double(row.high);
}

QString seriesOfType(int type) {
    return type == 2 ? QStringLiteral("JM") : QStringLiteral("VQ");
}

} // namespace

QString sizeWithBlank(const QString& size) {
    return size.size() == 2 ? QLatin1Char(' ') + size : size;
}

int TorikomiParaData(const ParameterForm& form, ParameterSet& set) {
    ParameterSet taken = set;
    for (const ParameterRow& row : parameterRows()) {
        if (!hasNumberField(row))
            continue;
        const auto value = fitToWidth(conv::leadingNumber(form.text[row.number]), row.width);
        if (!value)
            return 1;
        setFieldValue(taken, row, *value);
    }
    taken.Vsiyou = form.vertical == 1 ? 1 : 0;
    taken.Type = form.type;
    taken.ActSize = sizeWithBlank(form.actSize);
    taken.ActSpeed = form.actSpeed.trimmed();
    const auto stroke = fitToWidth(conv::leadingNumber(form.actStroke), FieldWidth::Int32);
    if (!stroke)
        return 1;
    taken.ActStroke = qint32(*stroke);
    taken.Actuator = actuatorCode(taken.ActSize, taken.ActSpeed, taken.ActStroke);
    taken.EmgWay = form.useDefault || form.emgWay != 0 ? 1 : 0;
    taken.EmgLogic = form.useDefault || form.emgLogic != 0 ? 1 : 0;
    set = taken;
    return 0;
}

int Check_ParaDataUmu(const ParameterForm& form) {
    for (const ParameterRow& row : parameterRows()) {
        if (hasNumberField(row) && form.text[row.number].isEmpty())
            return 1;
    }
    return form.actSize.isEmpty() || form.actSpeed.isEmpty() || form.actStroke.isEmpty() ? 1 : 0;
}

int CheckParaDataValue(const ParameterForm& form, DeviceCatalogue& catalogue, QString& InvalidParaList) {
    InvalidParaList.clear();
    for (const ParameterRow& row : parameterRows()) {
        bool valid = true;
        if (row.number == kActuator) {
            valid =
                catalogue.devicePresent(seriesOfType(form.type), form.type == 0, sizeWithBlank(form.actSize),
                                        form.actSpeed.trimmed(), int(fieldNumber(form.actStroke))) == 0;
        } else {
            valid = withinAcceptance(row, formValue(form, row.number));
        }
        if (!valid)
            InvalidParaList += QString::number(row.number) + QLatin1Char(',');
    }
    return InvalidParaList.isEmpty() ? 0 : 1;
}

int Check_VType(const ParameterForm& form) {
    const QString size = sizeWithBlank(form.actSize);
    const bool onlyVertical = size == QLatin1String(" 42") || size == QLatin1String(" 20");
    return form.type == 0 && onlyVertical && form.vertical != 1 ? 1 : 0;
}

void ParaDA2Hensu(ParameterState& state) {
    ParaSlots& staging = state.ParaFileData;
    ParameterSet& set = state.set;
    for (const ParameterRow& row : parameterRows()) {
        if (row.number != kActuator)
            setFieldValue(set, row, fitToWidth(staging[row.number].toDouble(), row.width).value_or(0));
    }
    set.Actuator = staging[kActuator].toString();
    staging[25] = set.Actuator.left(3);
    staging[26] = set.Actuator.mid(3, 1);
    staging[27] = set.Actuator.mid(5, 3);
    set.ActSize = staging[25].toString();
    set.ActSpeed = staging[26].toString();
    set.ActStroke =
        qint32(fitToWidth(conv::leadingNumber(staging[27].toString()), FieldWidth::Int32).value_or(0));
}

int ParametaShogoProc(ParameterState& state, int lastNumber, bool withDetails) {
    state.UnmatchedParaList.clear();
    for (const ParameterRow& row : parameterRows()) {
        if (row.number > lastNumber || (row.number >= 23 && !withDetails))
            continue;
        const QVariant& slot = state.ParaFileData[row.number];
        const bool same = row.number == kActuator ? slot.toString() == state.set.Actuator
                                                  : slot.toDouble() == double(fieldValue(state.set, row));
        if (!same)
            state.UnmatchedParaList += QString::number(row.number) + QLatin1Char(',');
    }
    return state.UnmatchedParaList.isEmpty() ? 0 : 1;
}

} // namespace zovi
