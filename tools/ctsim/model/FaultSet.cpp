#include "model/FaultSet.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace ctsim {

void FaultSet::arm(Fault& fault, bool once, int value, int extra) {
    fault = {true, once, value, extra};
}

bool FaultSet::take(Fault& fault) {
    if (!fault.active)
        return false;
    if (fault.once)
        fault.active = false;
    return true;
}

void FaultSet::setSilent(bool once) {
    arm(m_silent, once);
}

void FaultSet::setSplit(int pieces, int gapMs, bool once) {
    arm(m_split, once, std::max(1, pieces), std::max(0, gapMs));
}

void FaultSet::setWrongEcho(bool once) {
    arm(m_wrongEcho, once);
}

void FaultSet::setLengthError(int delta, bool once) {
    arm(m_length, once, delta < 0 ? -1 : 1);
}

void FaultSet::setDelay(int delayMs, bool once) {
    arm(m_delay, once, std::max(0, delayMs));
}

void FaultSet::setAlarmOnce(quint8 number) {
    m_alarmOnce = number;
}

void FaultSet::setHomeSensorFail() {
    m_homeSensorFail = true;
}

void FaultSet::clear() {
    *this = FaultSet();
}

std::optional<quint8> FaultSet::takeAlarmOnce() {
    return std::exchange(m_alarmOnce, std::nullopt);
}

bool FaultSet::takeHomeSensorFail() {
    return std::exchange(m_homeSensorFail, false);
}

Outputs FaultSet::shape(const QByteArray& reply, qint64 atMs) {
    if (take(m_silent))
        return {};
    QByteArray bytes = reply;
    const qsizetype bodyEnd = bytes.endsWith("\r\n") ? bytes.size() - 2 : bytes.size();
    if (take(m_wrongEcho) && bytes.size() >= 3)
        bytes[2] = bytes[2] == '?' ? '!' : '?';
    if (take(m_length)) {
        if (m_length.value > 0)
            bytes.insert(bodyEnd, '0');
        else if (bodyEnd > 0)
            bytes.remove(bodyEnd - 1, 1);
    }
    if (take(m_delay))
        atMs += m_delay.value;
    if (!take(m_split) || m_split.value < 2 || bytes.size() < 2)
        return {{bytes, atMs}};

    const qsizetype pieces = std::min<qsizetype>(m_split.value, bytes.size());
    const qsizetype pieceSize = (bytes.size() + pieces - 1) / pieces;
    Outputs outputs;
    for (qsizetype start = 0, index = 0; start < bytes.size(); start += pieceSize, ++index)
        outputs.push_back({bytes.mid(start, pieceSize), atMs + index * m_split.extra});
    return outputs;
}

QString FaultSet::describe() const {
    QStringList parts;
    const auto add = [&parts](const Fault& fault, const QString& text) {
        if (fault.active)
            parts << (fault.once ? text + QStringLiteral(" once") : text);
    };
    add(m_silent, QStringLiteral("silent"));
    add(m_split, QStringLiteral("split %1 %2").arg(m_split.value).arg(m_split.extra));
    add(m_wrongEcho, QStringLiteral("echo-wrong"));
    add(m_length, m_length.value > 0 ? QStringLiteral("long") : QStringLiteral("short"));
    add(m_delay, QStringLiteral("delay %1").arg(m_delay.value));
    if (m_alarmOnce)
        parts << QStringLiteral("alarm %1 once")
                     .arg(QString::number(*m_alarmOnce, 16).rightJustified(2, u'0').toUpper());
    if (m_homeSensorFail)
        parts << QStringLiteral("home-sensor-fail");
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

} // namespace ctsim
