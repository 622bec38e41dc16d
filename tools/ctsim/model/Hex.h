#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

namespace ctsim {

// Numbers travel as fixed-width upper-case hexadecimal fields.
bool isUpperHexDigit(char c);

// The value of 1 to 8 upper-case hexadecimal digits; nothing for any other text.
std::optional<quint32> parseHex(QByteArrayView digits);

// The low `width` hexadecimal digits of value, upper case, left-filled with "0".
QByteArray toHex(quint32 value, int width);

// Frames a reply body: appends CR LF.
QByteArray replyLine(QByteArrayView body);

} // namespace ctsim
