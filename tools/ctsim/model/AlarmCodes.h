#pragma once

#include <QtGlobal>

namespace ctsim::alarm {

// Alarm numbers of the status reply "0%%" + two hexadecimal digits.
// Refusals (command, data, mode) answer one command only; the others stay until reset with "0%C".
constexpr quint8 None = 0x00;
constexpr quint8 CommandError = 0x01;  // unknown command
constexpr quint8 DataError = 0x02;     // data of a known command malformed or out of range
constexpr quint8 ModeError = 0x03;     // move or write refused in external start mode
constexpr quint8 SoftLimit = 0x04;     // move target beyond the stroke parameter
constexpr quint8 HomeSensor = 0x0B;    // home sensor not found during homing
constexpr quint8 EmergencyStop = 0x0E; // emergency stop input

} // namespace ctsim::alarm
