#pragma once

#include <QByteArray>

namespace zovi {

// A number field of a command sent to the controller: the upper-case hexadecimal text of `value`,
// left-filled with "0" to `width` digits, or the single character "X" when the value needs more digits
// than the field has. The value is read as an unsigned number: a negative one does not fit any field
// (a caller that sends a 16-bit two's complement field converts to quint16 first).
QByteArray HexPad(qint64 value, int width);

} // namespace zovi
