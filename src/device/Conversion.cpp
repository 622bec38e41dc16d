#include "device/Conversion.h"

#include "app/AppState.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zovi::conv {

namespace {

// Rounds half to even: the default rounding mode of the floating-point unit.
double roundHalfEven(double value) {
    return std::nearbyint(value);
}

double powerOfTen(int decimals) {
    double scale = 1.0;
    for (int i = 0; i < decimals; ++i)
        scale *= 10.0;
    return scale;
}

} // namespace

double pulseToMm(int lead, int ppr, double pulses) {
    return pulses * (static_cast<double>(lead) / ppr);
}

qint64 mmToPulse(int lead, int ppr, double mm) {
    const double pulses = roundHalfEven(mm / lead * ppr);
    if (!std::isfinite(pulses) || std::fabs(pulses) > 9.0e15)
        return 0;
    return static_cast<qint64>(pulses);
}

double snapMmToPulseStep(int lead, int mode, int ppr, double mm) {
    const double step = static_cast<double>(lead) / ppr;
    const double pulses = mm / step;
    if (!std::isfinite(pulses))
        return 0.0;
    const double whole = std::trunc(pulses);
    // The fraction as a fixed-point decimal of four places (ten-thousandths, halves to even).
    const double fraction = roundHalfEven((pulses - whole) * 10000.0);
    double count = 0.0;
    if (fraction == 0.0)
        count = roundHalfEven(pulses);
    else if (mode == 1)
        count = fraction >= 5000.0 ? whole + 1.0 : whole;
    else if (mode == 0)
        count = fraction > 5000.0 ? whole + 1.0 : whole;
    return count * step;
}

qint64 devMaxPulse(double stroke, int lead, int ppr) {
    const double pulses = stroke / lead * ppr;
    if (!std::isfinite(pulses) || std::fabs(pulses) > 9.0e14)
        return 0;
    // Kept in whole tenths so that adding 0.9 and truncating is exact.
    const qint64 tenths = static_cast<qint64>(std::round(pulses * 10.0));
    return (tenths + 9) / 10;
}

double maxMm(int lead, int ppr, qint64 maxPulse) {
    const double mm = std::trunc(pulseToMm(lead, ppr, static_cast<double>(maxPulse)) * 1000.0) / 1000.0;
    return std::isfinite(mm) ? mm : 0.0;
}

void recomputeLimits(DeviceState& dev) {
    dev.DevMaxPulse = static_cast<qint32>(devMaxPulse(dev.DevStroke, dev.DevLead, dev.DevPPR));
    dev.DevMaxMm = maxMm(dev.DevLead, dev.DevPPR, dev.DevMaxPulse);
    dev.MmPerPulse = dev.DevPPR != 0 ? static_cast<double>(dev.DevLead) / dev.DevPPR : 0.0;
}

std::optional<QString> rightAlign(const QString& text, int width) {
    if (text.size() > width)
        return std::nullopt;
    return QString(width - text.size(), QLatin1Char(' ')) + text;
}

QString fixedDecimals(double value, int decimals) {
    if (!std::isfinite(value))
        return QString();
    const double scale = powerOfTen(decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0.0)
        rounded = 0.0; // no "-0.000"
    return QString::number(rounded, 'f', decimals);
}

QString mmCellText(int lead, int ppr, double pulses) {
    const double mm = pulseToMm(lead, ppr, pulses);
    if (!std::isfinite(mm) || mm > 999.0)
        return QString();
    return rightAlign(fixedDecimals(mm, 3), 7).value_or(QString());
}

QString shortestFloatText(float value) {
    if (!std::isfinite(value))
        return QString();
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

UnitLine unitLine(int lead, int ppr, const QString& pulseWord) {
    if (lead <= 0 || ppr <= 0)
        return {QStringLiteral("1mm = ") + pulseWord,
                QStringLiteral("1") + pulseWord + QStringLiteral("= mm")};
    const float pulsesPerMm = static_cast<float>((1.0 / lead) * ppr);
    const float mmPerPulse = static_cast<float>((1.0 / ppr) * lead);
    const float a = fixedDecimals(pulsesPerMm, 3).toFloat();
    const float b = fixedDecimals(mmPerPulse, 3).toFloat();
    return {QStringLiteral("1mm = ") + shortestFloatText(a) + pulseWord,
            QStringLiteral("1") + pulseWord + QStringLiteral("= ") + shortestFloatText(b) +
                QStringLiteral("mm")};
}

double leadingNumber(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && text[i].isSpace())
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    auto isDigit = [&](qsizetype at) {
        return at < n && text[at] >= QLatin1Char('0') && text[at] <= QLatin1Char('9');
    };
    while (isDigit(i)) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == QLatin1Char('.')) {
        ++i;
        while (isDigit(i)) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0.0;
    qsizetype end = i;
    if (i < n && (text[i] == QLatin1Char('e') || text[i] == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == QLatin1Char('+') || text[j] == QLatin1Char('-')))
            ++j;
        if (isDigit(j)) {
            while (isDigit(j))
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, end - start).toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

std::optional<qint16> toInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!std::isfinite(rounded) || rounded < std::numeric_limits<qint16>::min() ||
        rounded > std::numeric_limits<qint16>::max())
        return std::nullopt;
    return static_cast<qint16>(rounded);
}

} // namespace zovi::conv
