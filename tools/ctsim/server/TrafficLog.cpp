#include "server/TrafficLog.h"

#include <QTime>

namespace ctsim {

namespace {

QString printable(QByteArrayView bytes) {
    QString text;
    for (char c : bytes) {
        if (c == '\r')
            text += QStringLiteral("\\r");
        else if (c == '\n')
            text += QStringLiteral("\\n");
        else if (c >= 0x20 && c < 0x7F)
            text += QLatin1Char(c);
        else
            text += QStringLiteral("\\x%1").arg(uchar(c), 2, 16, QLatin1Char('0'));
    }
    return text;
}

} // namespace

TrafficLog::~TrafficLog() {
    if (m_ownsFile)
        std::fclose(m_file);
}

bool TrafficLog::open(const QString& target) {
    if (target == QStringLiteral("-")) {
        m_file = stderr;
        return true;
    }
    m_file = std::fopen(target.toLocal8Bit().constData(), "w");
    m_ownsFile = m_file != nullptr;
    return m_file != nullptr;
}

void TrafficLog::received(QByteArrayView bytes) {
    if (!m_file)
        return;
    for (const QByteArray& line : m_lines.feed(bytes))
        write(QStringLiteral("<- ") + printable(line));
}

void TrafficLog::sent(QByteArrayView chunk, bool dropped) {
    if (!m_file)
        return;
    const bool endsLine = chunk.endsWith("\r\n");
    const QString text = printable(endsLine ? chunk.chopped(2) : chunk);
    write((dropped ? QStringLiteral("-x ") : QStringLiteral("-> ")) + text +
          (endsLine ? QString() : QStringLiteral(" [part]")));
}

void TrafficLog::note(const QString& text) {
    if (m_file)
        write(QStringLiteral("## ") + text);
}

void TrafficLog::write(const QString& line) {
    const QByteArray text =
        (QTime::currentTime().toString(QStringLiteral("HH:mm:ss.zzz ")) + line + u'\n').toLocal8Bit();
    std::fwrite(text.constData(), 1, size_t(text.size()), m_file);
    std::fflush(m_file);
}

} // namespace ctsim
