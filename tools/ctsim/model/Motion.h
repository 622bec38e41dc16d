#pragma once

#include "model/ControllerState.h"

namespace ctsim {

// Speeds in pulses per second. The homing speed setting 1 is the fastest (1600); each step above it is 100
// slower, down to 100 at setting 16 and beyond. A position runs at its speed setting as stored (four times
// the parameter value) x 166; a stored 0 runs as 1.
int homingSpeedPps(int homingVelocity);
int positionSpeedPps(int speedByte);

// Whole milliseconds to travel a distance at a speed, rounded down, scaled by timeScale (0 to 1).
qint64 travelMs(quint32 pulses, int pulsesPerSecond, double timeScale);

// A move under way. A move to a position before homing is complete homes first. Homing runs from the
// present place to home at the homing speed; it never takes longer than a homing over the whole stroke.
// The slide travels at constant speed, so a move takes exactly distance / speed: no longer than the time
// that the speed settings promise.
struct MovePlan {
    int posNo = 0;
    qint64 startMs = 0;
    qint64 homingEndMs = 0; // equal to startMs when there is no homing phase
    qint64 endMs = 0;
    quint32 fromPulse = 0;
    quint32 targetPulse = 0;
    bool homing = false;
    bool homingFails = false; // the home sensor is not found: the move ends at homingEndMs with alarm 0B
};

MovePlan planMove(const ControllerState& state, int posNo, qint64 nowMs, bool homingFails, double timeScale);

// Where the slide is at a moment of the move.
quint32 pulseAt(const MovePlan& plan, qint64 nowMs);

} // namespace ctsim
