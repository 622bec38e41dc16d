#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>
#include <optional>

namespace ctsim {

// One stored target position.
struct PositionRecord {
    int vel = 1;        // speed number 1 to 9
    int acc = 1;        // acceleration number 1 to 3
    int out = 0;        // output code 0 to 3: bit 1 OUT1, bit 2 OUT2 on arrival
    int brake = 2;      // brake / current-down code 0 to 3
    quint32 pulses = 0; // target in pulses, 0 to FFFFFF

    friend bool operator==(const PositionRecord&, const PositionRecord&) = default;
};

// Positions 1 to 3. The record text (as written with "0WP" and read with "0RP", without the command) is
// 11 characters: number, VEL, ACC, OUT, brake code, and six hexadecimal digits of pulses.
class PositionTable {
public:
    static constexpr int Count = 3;
    static constexpr int RecordLength = 11;

    static PositionTable factory();

    const PositionRecord& at(int number) const { return m_records[number - 1]; }
    void set(int number, const PositionRecord& record) { m_records[number - 1] = record; }

    // The number (1 to 3) and the record of a record text; nothing when any field is malformed or out of
    // range.
    static std::optional<std::pair<int, PositionRecord>> parse(QByteArrayView text);
    static QByteArray format(int number, const PositionRecord& record);

private:
    std::array<PositionRecord, Count> m_records;
};

} // namespace ctsim
