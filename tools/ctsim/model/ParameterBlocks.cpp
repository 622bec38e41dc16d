#include "model/ParameterBlocks.h"

#include "model/Hex.h"

namespace ctsim {

namespace {

enum Block { B00, B10, B11, B12, B13, B14 };

// Fixed digits of each block: a digit other than '.' is fixed to that character.
const std::array<QByteArray, ParameterBlocks::BlockCount> FixedMasks = {
    QByteArray("FF02......FFFFFF"), // 00: D5-D6 pushing amount, D7-D10 home offset
    QByteArray("......02020202FF"), // 10: D1-D6 stroke in pulses
    QByteArray("............FFFF"), // 11: VEL 1-3 (x4), homing speed, offset speed, homing method
    QByteArray("............FFFF"), // 12: VEL 4-9 (x4)
    QByteArray("................"), // 13: jog 1-3, emergency input, logic, lead, pulses per revolution
    QByteArray("..........FFFFFF"), // 14: size, speed letter, stroke in mm, type
};

const std::array<QByteArray, ParameterBlocks::BlockCount> FactoryDigits = {
    QByteArray("FF02140000FFFFFF"), // pushing amount 20, home offset 0
    QByteArray("004E2002020202FF"), // stroke 20000 pulses = 100 mm at lead 2, 400 pulses per revolution
    QByteArray("14283C010400FFFF"), // VEL 1-3 = 5, 10, 15; homing speed 1; offset speed 4; sensor homing
    QByteArray("506478A0C8F0FFFF"), // VEL 4-9 = 20, 25, 30, 40, 50, 60
    QByteArray("050A140101020190"), // jog 5, 10, 20; hold; logic A; lead 2; 400 pulses per revolution
    QByteArray("1C4C006400FFFFFF"), // size 28, speed "L", stroke 100 mm, type 0 (VQ NEW)
};

} // namespace

const std::array<QByteArray, ParameterBlocks::BlockCount>& ParameterBlocks::blockNumbers() {
    static const std::array<QByteArray, BlockCount> numbers = {"00", "10", "11", "12", "13", "14"};
    return numbers;
}

ParameterBlocks ParameterBlocks::factory() {
    ParameterBlocks blocks;
    blocks.m_digits = FactoryDigits;
    return blocks;
}

int ParameterBlocks::indexOf(QByteArrayView blockNumber) {
    const auto& numbers = blockNumbers();
    for (int i = 0; i < BlockCount; ++i) {
        if (blockNumber == numbers[i])
            return i;
    }
    return -1;
}

std::optional<QByteArray> ParameterBlocks::read(QByteArrayView blockNumber) const {
    const int index = indexOf(blockNumber);
    if (index < 0)
        return std::nullopt;
    return m_digits[index];
}

std::optional<QByteArray> ParameterBlocks::write(QByteArrayView blockNumber, QByteArrayView digits) {
    const int index = indexOf(blockNumber);
    if (index < 0 || digits.size() != DigitCount)
        return std::nullopt;
    for (char c : digits) {
        if (!isUpperHexDigit(c))
            return std::nullopt;
    }
    QByteArray stored = digits.toByteArray();
    const QByteArray& mask = FixedMasks[index];
    for (int i = 0; i < DigitCount; ++i) {
        if (mask[i] != '.')
            stored[i] = mask[i];
    }
    if (index == B14 && *parseHex(stored.mid(8, 2)) > 2)
        return std::nullopt;
    if (index == B13 && (*parseHex(stored.mid(10, 2)) == 0 || *parseHex(stored.mid(12, 4)) == 0))
        return std::nullopt;
    m_digits[index] = stored;
    return stored;
}

quint32 ParameterBlocks::field(int block, int firstDigit, int digitCount) const {
    return *parseHex(QByteArrayView(m_digits[block]).sliced(firstDigit - 1, digitCount));
}

quint32 ParameterBlocks::strokePulse() const {
    return field(B10, 1, 6);
}

int ParameterBlocks::homingVelocity() const {
    return int(field(B11, 7, 2));
}

int ParameterBlocks::speedByte(int vel) const {
    if (vel >= 1 && vel <= 3)
        return int(field(B11, 1 + (vel - 1) * 2, 2));
    if (vel >= 4 && vel <= 9)
        return int(field(B12, 1 + (vel - 4) * 2, 2));
    return 0;
}

bool ParameterBlocks::emergencyHold() const {
    return field(B13, 7, 2) != 0;
}

} // namespace ctsim
