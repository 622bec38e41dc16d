#include "parameter/ParameterDiff.h"

#include "app/AppContext.h"
#include "parameter/ParameterTable.h"

#include <QList>

namespace zovi {

namespace {

constexpr int kActuator = 22;
constexpr int kParameterHeading = 829;
constexpr int kValueHeading = 824;
constexpr int kOursHeading = 821;
constexpr int kUnmatchedHeading = 825;

// The captions of an option parameter's values 0, 1, ...; none for a number.
QList<int> optionCaptions(int number) {
    switch (number) {
    case 18:
        return {199, 200}; // Pushing, Sensor
    case 21:
        return {146, 147, 134}; // VQ(New), VQ(Old), JM
    case 23:
        return {195, 194}; // Reset, Hold
    case 24:
        return {192, 191}; // Logic B, Logic A
    default:
        return {};
    }
}

QString valueText(const AppContext& ctx, int number, double value) {
    const QList<int> captions = optionCaptions(number);
    const auto index = qsizetype(value);
    if (double(index) == value && index >= 0 && index < captions.size())
        return ctx.msg(captions[index]);
    return QString::number(value, 'g', 12);
}

} // namespace

DiffTable parameterDiff(const AppContext& ctx, const ParameterState& state, int lastNumber, bool withDetails,
                        const QString& theirsHeading) {
    DiffTable diff;
    diff.labelHeading = ctx.msg(kParameterHeading);
    diff.fields << ctx.msg(kValueHeading);
    diff.oursHeading = ctx.msg(kOursHeading);
    diff.theirsHeading = theirsHeading;
    diff.unmatchedHeading = ctx.msg(kUnmatchedHeading);

    for (const ParameterRow& row : parameterRows()) {
        if (row.number > lastNumber || (row.number >= 23 && !withDetails))
            continue;
        const QVariant& slot = state.ParaFileData[size_t(row.number)];
        DiffRow line;
        line.label = ctx.msg(row.labelId).trimmed();
        if (row.number == kActuator) {
            line.ours << state.set.Actuator;
            line.theirs << slot.toString();
            line.differs << (slot.toString() != state.set.Actuator);
        } else {
            const double ours = double(fieldValue(state.set, row));
            const double theirs = slot.toDouble();
            line.ours << valueText(ctx, row.number, ours);
            line.theirs << valueText(ctx, row.number, theirs);
            line.differs << (ours != theirs);
        }
        diff.rows << line;
    }
    return diff;
}

} // namespace zovi
