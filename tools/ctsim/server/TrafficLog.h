#pragma once

#include "model/LineAssembler.h"

#include <QByteArrayView>
#include <QString>

#include <cstdio>

namespace ctsim {

// The line traffic with wall-clock timestamps: "12:00:00.123 <- 0RD10" for a received line,
// "-> 0RD10..." for a write (" [part]" when it does not end a line, "-x" when the port was closed and the
// write was lost), "## ..." for operator commands and port events. Inactive until opened.
class TrafficLog {
public:
    ~TrafficLog();

    // "-" logs to standard error; anything else is a file, created or truncated.
    bool open(const QString& target);

    void received(QByteArrayView bytes);
    void sent(QByteArrayView chunk, bool dropped);
    void note(const QString& text);

private:
    void write(const QString& line);

    FILE* m_file = nullptr;
    bool m_ownsFile = false;
    LineAssembler m_lines;
};

} // namespace ctsim
