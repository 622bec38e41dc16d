#include "position/PositionRecord.h"

#include "link/HexPad.h"
#include "link/ReplyFields.h"

namespace zovi {

std::optional<PositionRecord> decodePositionReply(const QByteArray& reply, int position) {
    const auto number = strictHexField(reply, 4, 1);
    const auto vel = strictHexField(reply, 5, 1);
    const auto acc = strictHexField(reply, 6, 1);
    const auto out = strictHexField(reply, 7, 1);
    const auto pulses = strictHexField(reply, 9, 6);
    if (number != position || !vel || !acc || !out || !pulses)
        return std::nullopt;
    return PositionRecord{static_cast<qint16>(*vel), static_cast<qint16>(*acc), static_cast<qint16>(*out),
                          static_cast<qint32>(*pulses)};
}

QByteArray positionWriteData(int position, const PositionRecord& record, int brakeCode) {
    return HexPad(position, 1) + HexPad(record.vel, 1) + HexPad(record.acc, 1) + HexPad(record.out, 1) +
           QByteArray::number(brakeCode) + HexPad(record.pulses, 6);
}

std::optional<qint32> strokeLimitOfBlock10(const QByteArray& reply) {
    const auto pulses = strictHexField(reply, 6, 6);
    if (!pulses)
        return std::nullopt;
    return static_cast<qint32>(*pulses);
}

} // namespace zovi
