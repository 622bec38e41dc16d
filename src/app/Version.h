#pragma once

#include <QString>

namespace zovi {

// Version 1.2.0 reads "1.20E" on screen: major "." minor revision "E".
inline QString versionText() {
    return QStringLiteral("%1.%2%3E").arg(ZOVI_VERSION_MAJOR).arg(ZOVI_VERSION_MINOR).arg(ZOVI_VERSION_PATCH);
}

} // namespace zovi
