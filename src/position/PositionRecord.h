#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zovi {

// One position as the controller's records carry it.
struct PositionRecord {
    qint16 vel = 0;
    qint16 acc = 0;
    qint16 out = 0;
    qint32 pulses = 0;
};

// The "0RP" reply of `position` (1 to 3): VEL, ACC and OUT at characters 5, 6 and 7, the pulses at 9 to
// 14; character 8, the brake / current-down code, is not taken over. Nothing when character 4 is not
// the position asked for or a field holds a character that is not a hexadecimal digit: such a reply
// is not a position record, and no part of it may be taken as one.
std::optional<PositionRecord> decodePositionReply(const QByteArray& reply, int position);

// The 11 data characters of "0WP": the position digit, VEL, ACC and OUT as one hexadecimal digit each,
// the brake / current-down code as one decimal digit, the pulses in six hexadecimal digits. A value
// too wide for its field is sent as "X" (which the controller refuses).
QByteArray positionWriteData(int position, const PositionRecord& record, int brakeCode);

// Six hexadecimal digits at characters 6 to 11 of the "0RD" reply for block 10: the stroke limit in
// pulses. Nothing when one of them is not a hexadecimal digit.
std::optional<qint32> strokeLimitOfBlock10(const QByteArray& reply);

} // namespace zovi
