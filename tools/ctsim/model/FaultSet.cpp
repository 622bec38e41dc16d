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

void FaultSet::setGarbleNext(int count, quint32 seed) {
    arm(m_garble, true, std::max(1, count), int(seed));
}

void FaultSet::setHangUp(int kept) {
    arm(m_hangUp, true, std::max(0, kept));
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
    if (m_lineCut || take(m_silent))
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
    if (take(m_garble)) {
        // At a random place before the CR LF, the echo included.
        QRandomGenerator generator(quint32(m_garble.extra));
        const qsizetype end = bytes.endsWith("\r\n") ? bytes.size() - 2 : bytes.size();
        bytes.insert(generator.bounded(int(end) + 1), randomBytes(generator, m_garble.value));
    }
    if (take(m_hangUp)) {
        bytes.truncate(m_hangUp.value);
        m_lineCut = true;
        if (bytes.isEmpty())
            return {};
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
    if (m_garble.active)
        parts << QStringLiteral("garble-next %1 %2").arg(m_garble.value).arg(quint32(m_garble.extra));
    if (m_hangUp.active)
        parts << QStringLiteral("hangup %1").arg(m_hangUp.value);
    if (m_lineCut)
        parts << QStringLiteral("line cut");
    return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
}

QByteArray randomBytes(QRandomGenerator& generator, qsizetype count) {
    QByteArray bytes(count, Qt::Uninitialized);
    for (char& byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

} // namespace ctsim
