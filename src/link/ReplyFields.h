#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace zovi {

// Reply fields are read by character position, counting from 1. hexValue reads a hexadecimal field as
// far as its digits go ("1G" reads as 1, "G1" as 0); a reply is taken only when strictHexField finds
// every character of its fields a digit, so noise on the line never becomes a shortened number.
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

// True when there is at least one character and every one is a hexadecimal digit (either case).
inline bool isHexDigits(const QByteArray& text) {
    for (char c : text) {
        if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return !text.isEmpty();
}

// The field's value when all `count` characters are there and hexadecimal digits; else nothing.
inline std::optional<qint64> strictHexField(const QByteArray& reply, int first, int count) {
    const QByteArray digits = replyChars(reply, first, count);
    if (digits.size() != count || !isHexDigits(digits))
        return std::nullopt;
    return hexValue(digits);
}

// A reply as the operator may be shown it: without its CR LF, other control characters as "?".
inline QString printableReply(const QByteArray& reply) {
    QString text = QString::fromLatin1(reply.endsWith("\r\n") ? reply.chopped(2) : reply);
    for (QChar& c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            c = QLatin1Char('?');
    }
    return text;
}

} // namespace zovi
