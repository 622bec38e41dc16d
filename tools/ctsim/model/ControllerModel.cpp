#include "model/ControllerModel.h"

#include "model/CommandSet.h"

#include <QStringList>

#include <algorithm>

namespace ctsim {

namespace {

void append(Outputs& to, Outputs&& from) {
    to.insert(to.end(), from.begin(), from.end());
}

bool isRestart(QByteArrayView line) {
    return line == "0CM3";
}

// Lines that the controller answers: not empty, addressed to station 0, not the reset.
bool expectsReply(QByteArrayView line) {
    return !line.isEmpty() && line[0] == '0' && !isRestart(line);
}

} // namespace

Outputs ControllerModel::receive(QByteArrayView bytes, qint64 nowMs) {
    if (m_faults.lineCut())
        return {};
    for (QByteArray& line : m_assembler.feed(bytes)) {
        if (m_move && isRestart(line))
            restart(nowMs);
        else if (m_queue.size() < MaxQueuedLines)
            m_queue.push_back(std::move(line));
    }
    return pump(nowMs);
}

Outputs ControllerModel::tick(qint64 nowMs) {
    return pump(nowMs);
}

std::optional<qint64> ControllerModel::nextDeadlineMs() const {
    if (m_move)
        return m_move->endMs;
    return std::nullopt;
}

Outputs ControllerModel::pump(qint64 nowMs) {
    Outputs outputs;
    for (;;) {
        if (m_move) {
            if (m_move->endMs > nowMs)
                break;
            append(outputs, finishMove());
            continue;
        }
        if (m_queue.empty())
            break;
        const QByteArray line = m_queue.front();
        m_queue.pop_front();
        append(outputs, execute(line, nowMs));
    }
    return outputs;
}

Outputs ControllerModel::execute(const QByteArray& line, qint64 nowMs) {
    if (expectsReply(line)) {
        if (const std::optional<quint8> refusal = m_faults.takeAlarmOnce())
            return send(CommandSet::statusReply(*refusal), nowMs);
    }
    const Response response = CommandSet::execute(m_state, line);
    switch (response.kind) {
    case Response::Kind::Ignore:
        return {};
    case Response::Kind::Restart:
        restart(nowMs);
        return {};
    case Response::Kind::Reply:
        return send(response.line, nowMs);
    case Response::Kind::Move:
        return startMove(response.posNo, nowMs);
    }
    return {};
}

Outputs ControllerModel::startMove(int posNo, qint64 nowMs) {
    const bool homes = posNo == 0 || !m_state.homed;
    const bool homingFails = homes && m_faults.takeHomeSensorFail();
    m_move = planMove(m_state, posNo, nowMs, homingFails, m_timeScale);
    m_state.outputBits &= quint8(~ControllerState::PendBit);
    return {}; // pump() ends a move of no length at once
}

Outputs ControllerModel::finishMove() {
    const MovePlan plan = *m_move;
    m_move.reset();
    if (plan.homingFails) {
        m_state.presentPulse = 0;
        m_state.homed = false;
        m_state.lastPosNo = -1;
        m_state.alarm = alarm::HomeSensor;
        return send(CommandSet::statusReply(m_state.alarm), plan.endMs);
    }
    m_state.presentPulse = plan.targetPulse;
    m_state.homed = true;
    m_state.lastPosNo = plan.posNo;
    m_state.setOutputCode(plan.posNo == 0 ? 0 : m_state.positions.at(plan.posNo).out);
    m_state.outputBits |= ControllerState::PendBit;
    return send(CommandSet::moveReply(m_state, plan.posNo), plan.endMs);
}

void ControllerModel::abortMove(qint64 nowMs) {
    m_state.presentPulse = pulseAt(*m_move, nowMs);
    if (m_move->homing && nowMs < m_move->homingEndMs)
        m_state.homed = false;
    m_state.lastPosNo = -1;
    m_move.reset();
}

void ControllerModel::restart(qint64 nowMs) {
    if (m_move)
        abortMove(nowMs);
    m_queue.clear();
    m_state.restart();
}

Outputs ControllerModel::raiseAlarm(quint8 number, qint64 nowMs) {
    m_state.alarm = number;
    if (!m_move || number == alarm::None)
        return {};
    abortMove(nowMs);
    Outputs outputs = send(CommandSet::statusReply(number), nowMs);
    append(outputs, pump(nowMs));
    return outputs;
}

Outputs ControllerModel::setEmergency(bool active, qint64 nowMs) {
    m_state.emergencyInput = active;
    if (!active)
        return {};
    Outputs outputs = raiseAlarm(alarm::EmergencyStop, nowMs);
    if (!m_state.parameters.emergencyHold())
        m_state.homed = false;
    return outputs;
}

Outputs ControllerModel::stray(QByteArrayView bytes, qint64 nowMs) {
    return {{bytes.toByteArray(), nowMs}};
}

void ControllerModel::setPositionInputs(int bits) {
    m_state.positionInputs = quint8(bits & 7);
}

void ControllerModel::setMoveTimeScale(double scale) {
    m_timeScale = std::clamp(scale, 0.0, 1.0);
}

QString ControllerModel::describe(qint64 nowMs) const {
    const ControllerState& s = m_state;
    const auto yesNo = [](bool value) {
        return value ? QStringLiteral("yes") : QStringLiteral("no");
    };
    QStringList parts;
    parts << QStringLiteral("mode=") + (s.commMode ? QStringLiteral("comm") : QStringLiteral("external"))
          << QStringLiteral("homed=") + yesNo(s.homed)
          << QStringLiteral("position=%1").arg(m_move ? pulseAt(*m_move, nowMs) : s.presentPulse)
          << QStringLiteral("last=%1").arg(s.lastPosNo) << QStringLiteral("outputs=%1").arg(s.outputCode())
          << QStringLiteral("pend=") + yesNo(s.outputBits & ControllerState::PendBit)
          << QStringLiteral("alarm=") + (s.alarm == alarm::None
                                             ? QStringLiteral("none")
                                             : QString::number(s.alarm, 16).rightJustified(2, u'0').toUpper())
          << QStringLiteral("emergency=") + (s.emergencyInput ? QStringLiteral("on") : QStringLiteral("off"));
    if (m_move)
        parts << QStringLiteral("moving-to=%1 ends-in=%2ms").arg(m_move->posNo).arg(m_move->endMs - nowMs);
    else
        parts << QStringLiteral("moving=no");
    parts << QStringLiteral("faults=") + m_faults.describe();
    return parts.join(u' ');
}

} // namespace ctsim
