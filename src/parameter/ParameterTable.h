#pragma once

#include "app/ParameterState.h"

#include <array>
#include <optional>

namespace zovi {

// The one description of the controller's 24 parameters. The checks, the parameter window, the
// parameter file, the controller's blocks and the printout all read these rows instead of naming
// each parameter again.

enum class FieldWidth { Int16, Int32, Text };

// How a parameter travels in the controller's six blocks of 16 hexadecimal digits.
enum class BlockCoding {
    Plain,    // the value times `scale`, upper-case hexadecimal of `digits` digits
    Homing,   // 18: "01" for pushing, "00" for sensor, sent for type 0 only; read back as 1 for "00"
    Actuator, // 22: size number (2 digits), speed letter code (2), stroke in mm (4)
    Flag,     // 23, 24: "01" or "00"
};

// One parameter. Numbers are those of the catalogue texts; a window field is the objectName of the
// parameter window's control (a text field, or the option group for 21, 23 and 24).
struct ParameterRow {
    int number;
    const char* field; // the member of ParameterSet
    FieldWidth width;
    qint16 ParameterSet::*int16;
    qint32 ParameterSet::*int32;
    // Acceptance before a save, a write or a verification: the value within [low, high] and its
    // decimal text at most maxLength characters. maxLength 0: the device check (22).
    qint64 low;
    qint64 high;
    int maxLength;
    int labelId;
    const char* windowField;
    int hintId;               // 0: none
    int keyLength;            // the key filter's limit; 0: no key filter
    const char* enterMovesTo; // the field Enter moves to; nullptr: Enter is not taken
    bool leaveChecked;        // when the focus leaves the field its value must lie in the leave range
    qint64 leaveLow;
    qint64 leaveHigh;
    const char* block; // "00", "10", "11", "12", "13" or "14"
    int firstDigit;    // D1 is the first of the block's 16 digits
    int digits;
    int scale; // 4 for the speed settings, which the controller keeps in quarter steps
    BlockCoding coding;
};

inline constexpr int kParameterCount = 24;
inline constexpr int kBlockCount = 6;
inline constexpr int kBlockDigits = 16;
inline constexpr std::array<const char*, kBlockCount> kBlockNumbers = {"00", "10", "11", "12", "13", "14"};

const std::array<ParameterRow, kParameterCount>& parameterRows();
// Parameter 1 to 24.
const ParameterRow& parameterRow(int number);
// The row whose window field has this objectName; nothing for another control.
const ParameterRow* rowOfWindowField(const QString& objectName);
// The parameters entered as text in the parameter window: 1 to 17, 19 and 20.
bool hasNumberField(const ParameterRow& row);

// The value of a numeric parameter (0 for the text parameter 22).
qint64 fieldValue(const ParameterSet& set, const ParameterRow& row);
void setFieldValue(ParameterSet& set, const ParameterRow& row, qint64 value);

// A number rounded half to even into the field's width; nothing when it does not fit.
std::optional<qint64> fitToWidth(double value, FieldWidth width);
qint64 widthLow(FieldWidth width);
qint64 widthHigh(FieldWidth width);

} // namespace zovi
