#include "device/StrokeCalculator.h"

#include "app/Catalogue.h"
#include "device/Conversion.h"

namespace zovi {

namespace {

constexpr int kNoDevice = 546;
constexpr int kInvalidity = 547;

// The box's number as a 16-bit integer; nothing for an empty box or one beyond 16 bits.
std::optional<qint16> boxNumber(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    return conv::toInt16(conv::leadingNumber(text));
}

} // namespace

StrokeCalculator::StrokeCalculator(const Texts& texts)
    : result(texts(kNoDevice))
    , texts_(texts) {}

void StrokeCalculator::calculate() {
    const auto stroke = boxNumber(strokeText);
    if (!stroke || *stroke < 0 || *stroke > 600) {
        result = texts_(kInvalidity);
        return;
    }
    const auto lead = boxNumber(leadText);
    if (!lead || (*lead != 2 && *lead != 4 && *lead != 6 && *lead != 8 && *lead != 12)) {
        result = texts_(kInvalidity);
        return;
    }
    const int ppr = actType == 0 ? 400 : 192;
    result = QString::number(conv::devMaxPulse(*stroke, *lead, ppr));
}

std::optional<QString> StrokeCalculator::input() const {
    if (result.isEmpty() || result == texts_(kNoDevice) || result == texts_(kInvalidity))
        return std::nullopt;
    return result;
}

} // namespace zovi
