#pragma once

#include <QByteArray>
#include <array>

namespace zovi {

// The eight signals the I/O monitor shows, in the order of the register table.
enum class IoSignal { HomeLs, Posi1, Posi2, Posi4, EmgStop, Pend, Out1, Out2 };
constexpr int kIoSignalCount = 8;

// The three outputs the operator can switch.
enum class IoOutput { Pend, Out1, Out2 };

constexpr IoSignal signalOf(IoOutput output) {
    return output == IoOutput::Pend   ? IoSignal::Pend
           : output == IoOutput::Out1 ? IoSignal::Out1
                                      : IoSignal::Out2;
}

// Where a signal lives in the controller: its register, which of the reply's two digits (character 7
// the high four bits, 8 the low four), the bit value in that digit, and whether the signal is active
// when the bit reads 1 (the outputs) or 0 (the inputs).
struct IoBit {
    const char* registerNo;
    int character;
    int bit;
    IoSignal signal;
    bool activeWhenSet;
};

inline constexpr std::array<IoBit, kIoSignalCount> kIoBits = {{
    {"105", 7, 1, IoSignal::HomeLs, false},
    {"106", 8, 1, IoSignal::Posi1, false},
    {"106", 8, 2, IoSignal::Posi2, false},
    {"106", 8, 4, IoSignal::Posi4, false},
    {"107", 7, 2, IoSignal::EmgStop, false},
    {"107", 8, 1, IoSignal::Pend, true},
    {"107", 8, 2, IoSignal::Out1, true},
    {"107", 8, 4, IoSignal::Out2, true},
}};

inline constexpr std::array<const char*, 3> kIoRegisters = {"105", "106", "107"};

// What the last reads found: one flag per signal (true = active) and the two digits of register
// "107" as read, which an output change writes back around the new outputs.
struct IoState {
    std::array<bool, kIoSignalCount> active{};
    qint16 Reg107High = 0;
    qint16 Reg107Low = 0;

    bool operator[](IoSignal signal) const { return active[static_cast<int>(signal)]; }
    bool& operator[](IoSignal signal) { return active[static_cast<int>(signal)]; }
};

enum class RegisterReply { Taken, OtherContents, NotHexadecimal };

// Takes the reply to "0RB" + `registerNo` into `state`: the flags of that register's signals, and for
// "107" its two digits. A reply that does not begin "0RB" + the register number is not this register's
// contents; one whose two digits are not hexadecimal cannot be read. Either way nothing is set.
RegisterReply takeRegisterReply(IoState& state, const QByteArray& registerNo, const QByteArray& reply);

// The data of "0WB107": the high digit of "107" as read, then the outputs PEND (1), OUT1 (2) and
// OUT2 (4) as the flags now stand, with bit 8 of the low digit kept as read.
QByteArray outputData(const IoState& state);

} // namespace zovi
