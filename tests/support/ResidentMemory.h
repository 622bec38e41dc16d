#pragma once

#include <QFile>

namespace zovi::test {

// The resident memory of this process in kB (VmRSS), -1 when it cannot be read.
inline qint64 residentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = status.readAll();
    const qsizetype at = text.indexOf("VmRSS:");
    return at < 0 ? -1 : text.mid(at + 6).trimmed().split(' ').first().toLongLong();
}

// The address sanitizer keeps freed memory in quarantine: resident memory says nothing under it.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kResidentMemoryMeaningful = false;
#else
inline constexpr bool kResidentMemoryMeaningful = true;
#endif

} // namespace zovi::test
