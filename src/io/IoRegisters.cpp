#include "io/IoRegisters.h"

#include "link/ReplyFields.h"

namespace zovi {

namespace {

char hexDigit(int value) {
    return "0123456789ABCDEF"[value & 0xF];
}

} // namespace

RegisterReply takeRegisterReply(IoState& state, const QByteArray& registerNo, const QByteArray& reply) {
    if (!reply.startsWith("0RB" + registerNo))
        return RegisterReply::OtherContents;
    const QByteArray digits = replyChars(reply, 7, 2);
    if (digits.size() != 2 || !isHexDigits(digits))
        return RegisterReply::NotHexadecimal;
    const int high = int(hexValue(digits.left(1)));
    const int low = int(hexValue(digits.mid(1, 1)));
    for (const IoBit& bit : kIoBits) {
        if (registerNo != bit.registerNo)
            continue;
        const bool set = ((bit.character == 7 ? high : low) & bit.bit) != 0;
        state[bit.signal] = set == bit.activeWhenSet;
    }
    if (registerNo == "107") {
        state.Reg107High = static_cast<qint16>(high);
        state.Reg107Low = static_cast<qint16>(low);
    }
    return RegisterReply::Taken;
}

QByteArray outputData(const IoState& state) {
    int low = 0;
    if (state[IoSignal::Pend])
        low += 1;
    if (state[IoSignal::Out1])
        low += 2;
    if (state[IoSignal::Out2])
        low += 4;
    if (state.Reg107Low & 8)
        low += 8;
    QByteArray data;
    data.append(hexDigit(state.Reg107High)).append(hexDigit(low));
    return data;
}

} // namespace zovi
