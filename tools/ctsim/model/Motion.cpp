#include "model/Motion.h"

#include <algorithm>
#include <cmath>

namespace ctsim {

namespace {

quint32 interpolate(quint32 from, quint32 to, qint64 startMs, qint64 endMs, qint64 nowMs) {
    if (nowMs >= endMs)
        return to;
    if (nowMs <= startMs)
        return from;
    const double fraction = double(nowMs - startMs) / double(endMs - startMs);
    return quint32(std::llround(double(from) + (double(to) - double(from)) * fraction));
}

} // namespace

int homingSpeedPps(int homingVelocity) {
    return std::max(100, 1600 - (homingVelocity - 1) * 100);
}

int positionSpeedPps(int speedByte) {
    return std::max(1, speedByte) * 166;
}

qint64 travelMs(quint32 pulses, int pulsesPerSecond, double timeScale) {
    return qint64(std::floor(double(pulses) * 1000.0 / double(pulsesPerSecond) * timeScale));
}

MovePlan planMove(const ControllerState& state, int posNo, qint64 nowMs, bool homingFails, double timeScale) {
    const ParameterBlocks& parameters = state.parameters;
    MovePlan plan;
    plan.posNo = posNo;
    plan.startMs = nowMs;
    plan.fromPulse = state.presentPulse;
    plan.homing = posNo == 0 || !state.homed;
    plan.homingFails = plan.homing && homingFails;

    qint64 homingMs = 0;
    if (plan.homing) {
        const quint32 distance = std::min(state.presentPulse, parameters.strokePulse());
        homingMs = travelMs(distance, homingSpeedPps(parameters.homingVelocity()), timeScale);
    }
    plan.homingEndMs = nowMs + homingMs;

    if (posNo == 0 || plan.homingFails) {
        plan.targetPulse = 0;
        plan.endMs = plan.homingEndMs;
        return plan;
    }
    const PositionRecord& record = state.positions.at(posNo);
    plan.targetPulse = record.pulses;
    const quint32 start = plan.homing ? 0 : state.presentPulse;
    const quint32 distance = start > record.pulses ? start - record.pulses : record.pulses - start;
    const int speed = positionSpeedPps(parameters.speedByte(record.vel));
    plan.endMs = plan.homingEndMs + travelMs(distance, speed, timeScale);
    return plan;
}

quint32 pulseAt(const MovePlan& plan, qint64 nowMs) {
    if (plan.homing && nowMs < plan.homingEndMs)
        return interpolate(plan.fromPulse, 0, plan.startMs, plan.homingEndMs, nowMs);
    const quint32 start = plan.homing ? 0 : plan.fromPulse;
    return interpolate(start, plan.targetPulse, plan.homingEndMs, plan.endMs, nowMs);
}

} // namespace ctsim
