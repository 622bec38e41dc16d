#include "operation/MoveTime.h"

#include "link/CtCommands.h"

#include <cstdlib>

namespace zovi {

namespace {

constexpr int kFastestHomingPps = 1600;
constexpr int kHomingStepPps = 100;
constexpr int kPositionSpeedFactor = 166;

} // namespace

float calc_MovingTime(const MoveData& data, int posNo) {
    if (posNo < 0 || posNo > 3)
        return 0.0f;
    // Each part is held in single precision, as the time limit it feeds.
    float homeTime = 0.0f;
    if (posNo == 0 || !data.HomeDoneFlag) {
        const int homingSpeed = kFastestHomingPps - (int(data.SpeedTable[0]) - 1) * kHomingStepPps;
        if (homingSpeed <= 0)
            return 0.0f;
        homeTime = static_cast<float>(double(data.StrokePulse) / double(homingSpeed));
    }
    float moveTime = 0.0f;
    if (posNo != 0) {
        const int speedNo = data.PosVel[posNo];
        if (speedNo < 0 || speedNo > 9)
            return 0.0f;
        const int speed = int(data.SpeedTable[speedNo]) * kPositionSpeedFactor;
        if (speed <= 0)
            return 0.0f;
        // Before homing is complete the move starts from home.
        const qint64 distance = data.HomeDoneFlag
                                    ? std::llabs(qint64(data.PresentPulse) - qint64(data.PosPulse[posNo]))
                                    : qint64(data.PosPulse[posNo]);
        moveTime = static_cast<float>(double(distance) / double(speed));
    }
    return moveTime + homeTime;
}

void check_MovePresentPos(MoveData& data, int posNo) {
    if (posNo == 0)
        data.PresentPulse = 0;
    else if (posNo >= 1 && posNo <= 3)
        data.PresentPulse = data.PosPulse[posNo];
}

} // namespace zovi
