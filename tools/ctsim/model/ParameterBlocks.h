#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <optional>

namespace ctsim {

// The six parameter blocks "00", "10", "11", "12", "13", "14" of 16 hexadecimal digits each.
// Digit positions below count from 1 (D1 is the first digit of a block).
class ParameterBlocks {
public:
    static constexpr int BlockCount = 6;
    static constexpr int DigitCount = 16;
    static const std::array<QByteArray, BlockCount>& blockNumbers();

    // The factory setting: a VQ NEW " 28" L actuator, 100 mm stroke, lead 2 mm, 400 pulses per revolution,
    // sensor homing (vertical mounting).
    static ParameterBlocks factory();

    // The 16 digits of a block; nothing for an unknown block number.
    std::optional<QByteArray> read(QByteArrayView blockNumber) const;

    // Stores a block after checking it; the fixed digits keep their fixed values whatever was sent.
    // Returns the digits as stored, or nothing (and changes nothing) when the block number is unknown, the
    // digits are not 16 upper-case hexadecimal digits, or a value is out of range: type above 2 (block 14),
    // lead or pulses per revolution of 0 (block 13).
    std::optional<QByteArray> write(QByteArrayView blockNumber, QByteArrayView digits);

    quint32 strokePulse() const;  // block 10 D1-D6
    int homingVelocity() const;   // block 11 D7-D8, the homing speed setting
    int speedByte(int vel) const; // the speed setting chosen by a position's VEL 1 to 9, as stored (x4)
    bool emergencyHold() const;   // block 13 D7-D8 not 0: an emergency stop keeps the homing

private:
    static int indexOf(QByteArrayView blockNumber);
    quint32 field(int block, int firstDigit, int digitCount) const;

    std::array<QByteArray, BlockCount> m_digits;
};

} // namespace ctsim
