#pragma once

#include <QtGlobal>

namespace zovi {

struct MoveData;

// How long a move may take, in seconds, from what the controller reported: a homing over the whole
// stroke when the move homes (the home button, or any move before homing is complete), plus the
// travel from the present position (from home when not homed) at the position's speed.
//
// Speeds are the controller's settings: the homing speed setting 1 is 1600 pulses per second and
// each step above it 100 slower; a position's speed is its speed-table entry x 166 pulses per second.
// A speed of 0 or less, a speed number outside 0 to 9 or a position number outside 0 to 3 gives no
// estimate (0): the move then has only the fixed margin that the caller adds.
float calc_MovingTime(const MoveData& data, int posNo);

// The present position taken from a position reached: home for 0, the target of 1 to 3; any other
// number leaves it unchanged.
void check_MovePresentPos(MoveData& data, int posNo);

} // namespace zovi
