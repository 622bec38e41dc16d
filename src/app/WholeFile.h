#pragma once

#include <QByteArray>
#include <QString>

namespace zovi {

// Writes `bytes` to `path` whole or not at all: through a temporary file that replaces the named one
// only after every byte was written and the buffer flushed (a disk that fills up shows in the write or
// in the flush, and the named file then keeps what it had). Empty on success, else the system's reason.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

} // namespace zovi
