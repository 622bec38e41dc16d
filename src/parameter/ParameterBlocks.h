#pragma once

#include "app/ParameterState.h"
#include "parameter/ParameterTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace zovi {

// The parameters in the controller's six blocks "00", "10", "11", "12", "13", "14" of 16 hexadecimal
// digits each, as parameter/ParameterTable.h places them, with the digits the controller keeps
// fixed.
//
// Writing: each block text is the block number followed by its 16 upper-case digits. The speed
// settings go out times 4; homing (18) as "01" pushing or "00" sensor for type 0 only; the emergency
// input and logic (23, 24) as "01" or "00", "01" whenever the default settings are applied; the
// actuator as its size number (the number after an "E" size), the code of its speed letter ("E" for
// an "E" size) and its stroke in mm.
//
// Reading: 2-digit fields are 0 to 255, 4-digit fields 16-bit signed, the stroke 0 to 16777215;
// the speed settings are divided by 4 and keep their fraction (a speed byte of 5 reads 1.25).

using BlockTexts = std::array<QByteArray, kBlockCount>;

// SetParaData2LngData: the six block texts, or nothing when a value does not fit its field (a
// negative number, a speed above 63, an empty speed letter ...).
std::optional<BlockTexts> SetParaData2LngData(const ParameterSet& set, bool useDefault);

// Decodes the 16 digits of each block into slots 1 to 24 of the staging table; slot 22 gets the
// actuator code and slots 26, 27 and 28 the size number, speed letter and stroke on the way. The digits
// must be hexadecimal (`digits` as the controller's replies carry them).
void decodeParameterBlocks(const BlockTexts& digits, ParaSlots& staging);

// The decimal text left-padded with "0" to the width; "X" when it needs more characters (or is
// negative).
QString DecPad(qint64 value, int width);

// The actuator code of size, speed and stroke: size + speed + "-" + DecPad(stroke, 3).
QString actuatorCode(const QString& size, const QString& speed, qint64 stroke);

} // namespace zovi
