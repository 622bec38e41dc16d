#include "parameter/ParameterTransfer.h"

#include "app/AppContext.h"
#include "app/ProgressView.h"
#include "app/Wait.h"
#include "link/CtLink.h"
#include "link/HexPad.h"
#include "link/ReplyFields.h"

namespace zovi {

namespace {

constexpr int kBlockReplyLength = 23;
constexpr int kPositionReplyLength = 16;
constexpr int kReplyMs = 5000;
constexpr int kSettleMs = 500;
constexpr int kPositions = 3;

} // namespace

ParameterTransfer::ParameterTransfer(AppContext& ctx, CtLink& link, ProgressView& progress)
    : wait([&ctx](int ms) { waitMs(ctx, ms); })
    , ctx_(ctx)
    , link_(link)
    , progress_(progress) {}

int ParameterTransfer::GetParametaValueProc() {
    return GetParametaValueProc(ctx_.parameters.ParaFileData);
}

int ParameterTransfer::GetParametaValueProc(ParaSlots& staging) {
    if (link_.OpenCommPort() != 0)
        return 1;
    if (link_.CheckCommPort() != 0) {
        link_.ReleaseCommPort();
        return 1;
    }
    progress_.open(kBlockCount, ctx_.msg(434));
    BlockTexts digits;
    for (int i = 0; i < kBlockCount; ++i) {
        const QByteArray number(kBlockNumbers[i]);
        link_.state.TimeoutMsec = kReplyMs;
        if (link_.SendCtCommand(QByteArrayLiteral("0RD"), kBlockReplyLength, number) != 0) {
            progress_.close();
            link_.ReleaseCommPort();
            return 1;
        }
        const QByteArray& reply = link_.state.ReplyText;
        digits[i] = replyChars(reply, 6, kBlockDigits);
        // The length is the link's check; the block number and the digits are this one's.
        if (replyChars(reply, 4, 2) != number || !isHexDigits(digits[i])) {
            progress_.close();
            link_.ReleaseCommPort();
            ctx_.op.message(ctx_.msg(770).arg(QString::fromLatin1(number), printableReply(reply)),
                            Buttons::Ok, Icon::Exclamation);
            return 1;
        }
        progress_.step(i + 1);
    }
    ParaBlockText = digits;
    staging[0] = QString();
    decodeParameterBlocks(digits, staging);
    progress_.close();
    link_.ReleaseCommPort();
    return 0;
}

int ParameterTransfer::ParaKakikomimaeCheck() {
    ParameterState& state = ctx_.parameters;
    state.OverStrokeList.clear();
    progress_.open(kPositions, ctx_.msg(440));
    progress_.step(0);
    auto failed = [this] {
        link_.ReleaseCommPort();
        progress_.close();
        return -1;
    };
    if (link_.OpenCommPort() != 0 || link_.CheckCommPort() != 0)
        return failed();
    for (int position = 1; position <= kPositions; ++position) {
        link_.state.TimeoutMsec = kReplyMs;
        if (link_.SendCtCommand(QByteArrayLiteral("0RP"), kPositionReplyLength, HexPad(position, 1)) != 0)
            return failed();
        const QByteArray target = replyChars(link_.state.ReplyText, 9, 6);
        if (!isHexDigits(target)) {
            const QString reply = printableReply(link_.state.ReplyText);
            failed();
            ctx_.op.message(ctx_.msg(771).arg(position).arg(reply), Buttons::Ok, Icon::Exclamation);
            return -1;
        }
        if (hexValue(target) > state.set.Stroke)
            state.OverStrokeList += QString::number(position, 16).toUpper() + QLatin1Char(',');
        progress_.step(position);
    }
    int result = 1;
    if (state.OverStrokeList.isEmpty()) {
        progress_.step(kPositions);
        wait(kSettleMs);
        result = 0;
    }
    link_.ReleaseCommPort();
    return result;
}

int ParameterTransfer::WriteParadataToCt(const BlockTexts& blocks) {
    progress_.open(kBlockCount, ctx_.msg(471));
    progress_.step(0);
    for (int i = 0; i < kBlockCount; ++i) {
        link_.state.TimeoutMsec = kReplyMs;
        if (link_.SendCtCommand(QByteArrayLiteral("0WD"), kBlockReplyLength, blocks[i]) != 0) {
            progress_.close();
            link_.ReleaseCommPort();
            return 1;
        }
        progress_.step(i + 1);
    }
    wait(kSettleMs);
    progress_.close();
    return 0;
}

} // namespace zovi
