#pragma once

#include <QByteArray>

namespace zovi {

// Reply fields are read by character position, counting from 1. A hexadecimal field is read as far
// as its digits go ("1G" reads as 1, "G1" as 0), as the controller's numbers are.
inline QByteArray replyChars(const QByteArray& reply, int first, int count) {
    return reply.mid(first - 1, count);
}

inline qint64 hexValue(const QByteArray& digits) {
    qint64 value = 0;
    for (char c : digits) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else
            break;
        value = value * 16 + digit;
    }
    return value;
}

inline qint64 hexField(const QByteArray& reply, int first, int count) {
    return hexValue(replyChars(reply, first, count));
}

// A 4-digit field of 8000 hexadecimal or more is a negative 16-bit number.
inline qint16 hexField16(const QByteArray& reply, int first) {
    return static_cast<qint16>(static_cast<quint16>(hexField(reply, first, 4)));
}

} // namespace zovi
