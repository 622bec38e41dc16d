#pragma once

#include <QByteArray>

namespace zovi {

// A number field of a command sent to the controller: the upper-case hexadecimal text of `value`,
// left-filled with "0" to `width` digits, or the single character "X" when the value needs more digits
// than the field has. A negative value fits no field.
inline QByteArray HexPad(qint64 value, int width) {
    if (value < 0)
        return QByteArrayLiteral("X");
    const QByteArray digits = QByteArray::number(value, 16).toUpper();
    if (digits.size() > width)
        return QByteArrayLiteral("X");
    return digits.rightJustified(width, '0');
}

// True when every character is a hexadecimal digit (either case) and there is at least one.
inline bool isHexDigits(const QByteArray& text) {
    if (text.isEmpty())
        return false;
    for (char c : text) {
        const bool digit = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f');
        if (!digit)
            return false;
    }
    return true;
}

} // namespace zovi
