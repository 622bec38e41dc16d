#pragma once

#include "model/AlarmCodes.h"
#include "model/ParameterBlocks.h"
#include "model/PositionTable.h"

#include <QByteArrayView>

#include <optional>

namespace ctsim {

// Everything the controller holds apart from a move under way.
struct ControllerState {
    static constexpr quint32 PowerOnPulse = 2000; // where the slide stands when the simulation starts
    static constexpr const char* Version = "120";

    // Bits of the low digit of register 107 (outputs).
    static constexpr quint8 PendBit = 1; // positioning ended
    static constexpr quint8 Out1Bit = 2;
    static constexpr quint8 Out2Bit = 4;
    static constexpr quint8 AuxBit = 8; // spare output, kept as written

    ParameterBlocks parameters = ParameterBlocks::factory();
    PositionTable positions = PositionTable::factory();
    bool commMode = false; // false: external start mode (also after power-on and reset)
    bool homed = false;
    quint32 presentPulse = PowerOnPulse;
    int lastPosNo = -1; // position last reached (0 home, 1 to 3), -1 none since start, reset or a failed move
    quint8 outputBits = 0;
    quint8 alarm = alarm::None; // latched alarm, cleared by "0%C"
    bool emergencyInput = false;
    quint8 positionInputs = 0; // POSI1/2/4 inputs that are active (bits 1, 2, 4)
    // The HOME LS input as the operator set it; none: active while the slide stands at 0.
    std::optional<bool> homeSensorForced;

    // What the reset command does: homing lost, outputs off, external start mode, alarms cleared unless the
    // emergency stop is still active. Parameters, positions and the slide's place are kept.
    void restart();

    // OUT1/OUT2 as one digit: 0 none, 1 OUT1, 2 OUT2, 3 both.
    int outputCode() const { return (outputBits >> 1) & 3; }
    void setOutputCode(int code);

    bool homeSensorActive() const { return homeSensorForced.value_or(presentPulse == 0); }

    // Input/output registers "105", "106", "107". Inputs read 0 while active, unused input bits read 1.
    std::optional<quint8> readRegister(QByteArrayView number) const;
};

} // namespace ctsim
