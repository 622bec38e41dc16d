#pragma once

#include "model/ControllerState.h"
#include "model/FaultSet.h"
#include "model/LineAssembler.h"
#include "model/Motion.h"
#include "model/Output.h"

#include <QByteArrayView>
#include <QString>

#include <deque>
#include <optional>

namespace ctsim {

// The controller as seen from its serial line, driven by an outside clock (milliseconds, any origin).
// Feed it the received bytes; call tick() at nextDeadlineMs() so that a move can end. Every call returns
// what the controller sends and when.
//
// One command is carried out at a time: lines that arrive while a move runs wait (at most MaxQueuedLines,
// further ones are lost) and are answered when it has ended; only the reset "0CM3" acts at once.
// While the line is cut (the "hangup" fault) received bytes are lost.
class ControllerModel {
public:
    static constexpr int MaxQueuedLines = 16;

    Outputs receive(QByteArrayView bytes, qint64 nowMs);
    Outputs tick(qint64 nowMs);
    std::optional<qint64> nextDeadlineMs() const;

    FaultSet& faults() { return m_faults; }

    // Latches an alarm until "0%C" resets it; a move under way stops and is answered with the alarm.
    Outputs raiseAlarm(quint8 number, qint64 nowMs);
    // The emergency stop input. Pressing it stops a move (answered with alarm 0E), latches alarm 0E and, with
    // the emergency input set to "reset" (block 13), loses the homing. Releasing it lets "0%C" clear the
    // alarm.
    Outputs setEmergency(bool active, qint64 nowMs);
    // An unsolicited write, sent at once as given.
    Outputs stray(QByteArrayView bytes, qint64 nowMs);
    // The active POSI1/2/4 inputs (bits 1, 2, 4).
    void setPositionInputs(int bits);
    // The HOME LS input held active or inactive; none: active while the slide stands at 0.
    void setHomeSensor(std::optional<bool> active) { m_state.homeSensorForced = active; }
    // Move durations are multiplied by this factor (0 to 1; 1 = true speed).
    void setMoveTimeScale(double scale);
    // Stores a position as "0WP" would, whatever the mode; the slide does not move.
    void setPosition(int number, const PositionRecord& record) { m_state.positions.set(number, record); }

    const ControllerState& state() const { return m_state; }
    QString describe(qint64 nowMs) const; // one line: mode, homing, position, outputs, alarm, faults

private:
    Outputs pump(qint64 nowMs);
    Outputs execute(const QByteArray& line, qint64 nowMs);
    Outputs startMove(int posNo, qint64 nowMs);
    Outputs finishMove();
    void abortMove(qint64 nowMs);
    void restart(qint64 nowMs);
    Outputs send(const QByteArray& reply, qint64 atMs) { return m_faults.shape(reply, atMs); }

    ControllerState m_state;
    LineAssembler m_assembler;
    std::deque<QByteArray> m_queue;
    std::optional<MovePlan> m_move;
    FaultSet m_faults;
    double m_timeScale = 1.0;
};

} // namespace ctsim
