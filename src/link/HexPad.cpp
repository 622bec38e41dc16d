#include "link/HexPad.h"

namespace zovi {

QByteArray HexPad(qint64 value, int width) {
    if (value < 0)
        return QByteArrayLiteral("X");
    const QByteArray digits = QByteArray::number(value, 16).toUpper();
    if (digits.size() > width)
        return QByteArrayLiteral("X");
    return digits.rightJustified(width, '0');
}

} // namespace zovi
