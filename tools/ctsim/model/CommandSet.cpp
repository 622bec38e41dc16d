#include "model/CommandSet.h"

#include "model/Hex.h"

#include <algorithm>

namespace ctsim {

namespace {

Response reply(QByteArrayView body) {
    return {Response::Kind::Reply, replyLine(body), 0};
}

Response status(quint8 alarmNumber) {
    return {Response::Kind::Reply, CommandSet::statusReply(alarmNumber), 0};
}

Response dataError() {
    return status(alarm::DataError);
}

// A single decimal digit within [low, high], or -1.
int digitIn(QByteArrayView data, int low, int high) {
    if (data.size() != 1)
        return -1;
    const int value = data[0] - '0';
    return value >= low && value <= high ? value : -1;
}

// "0CM": "1" communication mode, "0" external start mode, "3" reset (no reply).
Response changeMode(ControllerState& state, QByteArrayView data) {
    if (data == "3")
        return {Response::Kind::Restart, {}, 0};
    const int mode = digitIn(data, 0, 1);
    if (mode < 0)
        return dataError();
    state.commMode = mode == 1;
    return reply(QByteArray("0CM") + data.toByteArray());
}

// "0%C": alarm reset; refused while the emergency stop is still active.
Response resetAlarm(ControllerState& state, QByteArrayView data) {
    if (!data.isEmpty())
        return dataError();
    if (state.emergencyInput) {
        state.alarm = alarm::EmergencyStop;
        return status(state.alarm);
    }
    state.alarm = alarm::None;
    return reply("0%C00");
}

// "0%%": the latched alarm number, 00 when there is none.
Response readStatus(ControllerState& state, QByteArrayView data) {
    if (!data.isEmpty())
        return dataError();
    return status(state.alarm);
}

// "0RD" + block number: block number and 16 digits (23 characters).
Response readBlock(ControllerState& state, QByteArrayView data) {
    const std::optional<QByteArray> digits = state.parameters.read(data);
    if (!digits)
        return dataError();
    return reply("0RD" + data.toByteArray() + *digits);
}

// "0WD" + block number + 16 digits: echoes the block as stored (23 characters).
Response writeBlock(ControllerState& state, QByteArrayView data) {
    if (data.size() != 2 + ParameterBlocks::DigitCount)
        return dataError();
    const QByteArrayView number = data.first(2);
    const std::optional<QByteArray> stored = state.parameters.write(number, data.sliced(2));
    if (!stored)
        return dataError();
    return reply("0WD" + number.toByteArray() + *stored);
}

// "0RP" + number: the position record (16 characters).
Response readPosition(ControllerState& state, QByteArrayView data) {
    const int number = digitIn(data, 1, PositionTable::Count);
    if (number < 0)
        return dataError();
    return reply("0RP" + PositionTable::format(number, state.positions.at(number)));
}

// "0WP" + record: echoes the record as stored (16 characters).
Response writePosition(ControllerState& state, QByteArrayView data) {
    const auto parsed = PositionTable::parse(data);
    if (!parsed)
        return dataError();
    state.positions.set(parsed->first, parsed->second);
    return reply("0WP" + PositionTable::format(parsed->first, parsed->second));
}

// "0MP" + number: 0 home, 1 to 3 positions. A target beyond the stroke parameter latches alarm 04.
Response move(ControllerState& state, QByteArrayView data) {
    const int posNo = digitIn(data, 0, PositionTable::Count);
    if (posNo < 0)
        return dataError();
    if (posNo > 0 && state.positions.at(posNo).pulses > state.parameters.strokePulse()) {
        state.alarm = alarm::SoftLimit;
        return status(state.alarm);
    }
    return {Response::Kind::Move, {}, posNo};
}

// "0RS": output code (0 to 3) and a status digit (bit 1 homed, bit 2 communication mode): 7 characters.
Response readOutputs(ControllerState& state, QByteArrayView data) {
    if (!data.isEmpty())
        return dataError();
    const int statusBits = (state.homed ? 1 : 0) | (state.commMode ? 2 : 0);
    return reply("0RS" + toHex(quint32(state.outputCode()), 1) + toHex(quint32(statusBits), 1));
}

// "0RH": "1" when homing is complete, else "0" (6 characters).
Response readHoming(ControllerState& state, QByteArrayView data) {
    if (!data.isEmpty())
        return dataError();
    return reply(state.homed ? "0RH1" : "0RH0");
}

// "0RC": last position reached ("F" none), "0000", present position in 6 hexadecimal digits (16 characters).
Response readPresent(ControllerState& state, QByteArrayView data) {
    if (!data.isEmpty())
        return dataError();
    const QByteArray last = state.lastPosNo < 0 ? QByteArray("F") : toHex(quint32(state.lastPosNo), 1);
    return reply("0RC" + last + "0000" + toHex(state.presentPulse, 6));
}

// "0RV": version (3 characters) and revision "000" (11 characters).
Response readVersion(ControllerState&, QByteArrayView data) {
    if (!data.isEmpty())
        return dataError();
    return reply(QByteArray("0RV") + ControllerState::Version + "000");
}

// "0RB" + register: register number and contents in 2 hexadecimal digits (10 characters).
Response readRegister(ControllerState& state, QByteArrayView data) {
    const std::optional<quint8> value = state.readRegister(data);
    if (!value)
        return dataError();
    return reply("0RB" + data.toByteArray() + toHex(*value, 2));
}

// "0WB107" + 2 digits: sets the outputs (low digit); the input digit is ignored. Echoes the register.
Response writeRegister(ControllerState& state, QByteArrayView data) {
    if (data.size() != 5 || !data.startsWith("107"))
        return dataError();
    const std::optional<quint32> value = parseHex(data.sliced(3));
    if (!value)
        return dataError();
    state.outputBits = quint8(*value & 0xF);
    return reply("0WB107" + toHex(*state.readRegister("107"), 2));
}

struct Command {
    const char* name;
    bool allowedInAlarm;
    bool needsCommMode;
    Response (*handler)(ControllerState&, QByteArrayView);
};

const Command Commands[] = {
    {"0CM", true, false, changeMode},    {"0%C", true, false, resetAlarm},
    {"0%%", true, false, readStatus},    {"0RD", false, false, readBlock},
    {"0WD", false, true, writeBlock},    {"0RP", false, false, readPosition},
    {"0WP", false, true, writePosition}, {"0MP", false, true, move},
    {"0RS", false, false, readOutputs},  {"0RH", false, false, readHoming},
    {"0RC", false, false, readPresent},  {"0RV", false, false, readVersion},
    {"0RB", true, false, readRegister},  {"0WB", false, true, writeRegister},
};

} // namespace

QByteArray CommandSet::statusReply(quint8 alarmNumber) {
    return replyLine("0%%" + toHex(alarmNumber, 2));
}

QByteArray CommandSet::moveReply(const ControllerState& state, int posNo) {
    QByteArray body = "0MP" + toHex(quint32(posNo), 1);
    if (posNo == 0)
        body += "0000";
    else
        body += PositionTable::format(posNo, state.positions.at(posNo)).mid(1, 4);
    return replyLine(body + toHex(state.presentPulse, 6));
}

Response CommandSet::execute(ControllerState& state, QByteArrayView line) {
    if (line.isEmpty() || line[0] != '0')
        return {};
    const QByteArrayView name = line.first(std::min<qsizetype>(3, line.size()));
    for (const Command& command : Commands) {
        if (name != command.name)
            continue;
        const QByteArrayView data = line.sliced(3);
        if (state.alarm != alarm::None && !command.allowedInAlarm)
            return status(state.alarm);
        if (command.needsCommMode && !state.commMode)
            return status(alarm::ModeError);
        return command.handler(state, data);
    }
    return status(alarm::CommandError);
}

} // namespace ctsim
