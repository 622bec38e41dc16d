#include "model/Hex.h"

namespace ctsim {

bool isUpperHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

std::optional<quint32> parseHex(QByteArrayView digits) {
    if (digits.isEmpty() || digits.size() > 8)
        return std::nullopt;
    quint32 value = 0;
    for (char c : digits) {
        if (!isUpperHexDigit(c))
            return std::nullopt;
        value = value * 16 + quint32(c <= '9' ? c - '0' : c - 'A' + 10);
    }
    return value;
}

QByteArray toHex(quint32 value, int width) {
    static constexpr char digits[] = "0123456789ABCDEF";
    QByteArray text(width, '0');
    for (int i = width - 1; i >= 0; --i) {
        text[i] = digits[value & 0xF];
        value >>= 4;
    }
    return text;
}

QByteArray replyLine(QByteArrayView body) {
    QByteArray line = body.toByteArray();
    line.append("\r\n");
    return line;
}

} // namespace ctsim
