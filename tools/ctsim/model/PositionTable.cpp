#include "model/PositionTable.h"

#include "model/Hex.h"

namespace ctsim {

namespace {

// A single decimal digit within [low, high], or -1.
int digitIn(char c, int low, int high) {
    const int value = c - '0';
    return value >= low && value <= high ? value : -1;
}

} // namespace

PositionTable PositionTable::factory() {
    PositionTable table;
    table.m_records = {{
        {5, 2, 1, 2, 4000},  // 20 mm, OUT1 on arrival
        {7, 2, 2, 2, 10000}, // 50 mm, OUT2
        {9, 3, 3, 2, 16000}, // 80 mm, OUT1 and OUT2
    }};
    return table;
}

std::optional<std::pair<int, PositionRecord>> PositionTable::parse(QByteArrayView text) {
    if (text.size() != RecordLength)
        return std::nullopt;
    const int number = digitIn(text[0], 1, Count);
    PositionRecord record;
    record.vel = digitIn(text[1], 1, 9);
    record.acc = digitIn(text[2], 1, 3);
    record.out = digitIn(text[3], 0, 3);
    record.brake = digitIn(text[4], 0, 3);
    const std::optional<quint32> pulses = parseHex(text.sliced(5, 6));
    if (number < 0 || record.vel < 0 || record.acc < 0 || record.out < 0 || record.brake < 0 || !pulses)
        return std::nullopt;
    record.pulses = *pulses;
    return std::make_pair(number, record);
}

QByteArray PositionTable::format(int number, const PositionRecord& record) {
    QByteArray text;
    text.append(char('0' + number));
    text.append(char('0' + record.vel));
    text.append(char('0' + record.acc));
    text.append(char('0' + record.out));
    text.append(char('0' + record.brake));
    text.append(toHex(record.pulses, 6));
    return text;
}

} // namespace ctsim
