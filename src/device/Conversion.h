#pragma once

#include <QString>
#include <optional>

namespace zovi {

struct DeviceState;

// Millimetre and pulse arithmetic of the actuator. Lead (mm per revolution) and PPR (pulses per
// revolution) come in as the device's 16-bit integers; everything is computed in double precision.
namespace conv {

// pulses x (lead / PPR), not rounded.
double pulseToMm(int lead, int ppr, double pulses);

// mm / lead x PPR rounded half to even (2.5 gives 2, 3.5 gives 4).
qint64 mmToPulse(int lead, int ppr, double mm);

// The mm value of the nearest whole pulse count. The pulse fraction is first taken to four decimals;
// at exactly one half mode 1 (round up) goes up and mode 0 goes down. Any other mode gives 0.
double snapMmToPulseStep(int lead, int mode, int ppr, double mm);

// The largest position of a device: stroke / lead x PPR taken to one decimal, then rounded up to the
// next whole pulse unless that decimal is 0 (6666.67 gives 6667, 3333.33 gives 3334).
qint64 devMaxPulse(double stroke, int lead, int ppr);

// The largest position in mm, truncated toward zero to 0.001 mm.
double maxMm(int lead, int ppr, qint64 maxPulse);

// Culc_MaxPulse and the maximum mm: DevMaxPulse, DevMaxMm and MmPerPulse from DevStroke, DevLead and
// DevPPR.
void recomputeLimits(DeviceState& dev);

// Blanks put in front up to `width`; nothing when the text is already longer.
std::optional<QString> rightAlign(const QString& text, int width);

// A number with a fixed count of decimals, at least one integer digit, halves rounded away from zero
// (the "#0.000" pattern for three decimals).
QString fixedDecimals(double value, int decimals);

// The mm cell of a position: its pulses in mm as "#0.000" right-aligned to 7 characters, empty above
// 999 mm (and for a value that would not fit).
QString mmCellText(int lead, int ppr, double pulses);

// The status bar's unit lines: "1mm = 66.667Pulse" and "1Pulse= 0.015mm" for lead 6, PPR 400.
struct UnitLine {
    QString mmLine;    // panel 2
    QString pulseLine; // panel 3
};
UnitLine unitLine(int lead, int ppr, const QString& pulseWord);

// The shortest decimal text that reads back as the same single-precision value ("66.667", "200").
QString shortestFloatText(float value);

// The leading number of a text as a typed entry is read: blanks skipped, an optional sign, digits with
// at most one decimal point and an optional exponent; 0 when the text does not begin with a number.
double leadingNumber(const QString& text);

// A value rounded half to even into 16 bits; nothing when it does not fit.
std::optional<qint16> toInt16(double value);

} // namespace conv

} // namespace zovi
