#pragma once

#include <QByteArray>

namespace zovi {

// The transaction's shared state. Flags keep their values between transactions except where the
// transaction itself sets or clears them.
struct LinkState {
    qint16 TimeoutMsec = 5000; // reply time-out of the next SendCtCommand; 0 = none
    bool ReplyDoneFlag = false;
    bool TimeoutFlag = false;
    bool CommErrorFlag = false;
    bool StatusReplyFlag = false;
    bool MovingFlag = false;
    QByteArray RecvBuffer; // characters of the reply being collected (the last 256 at most)
    QByteArray ReplyText;  // the last complete reply, CR LF included
    QByteArray StatusText; // the status line being decoded
    float MyTimerStart = 0.0f;
    float MyTimerLimit = 0.0f;
    bool MyTimerUpFlag = false;
    bool MyTimerStopFlag = false;
};

} // namespace zovi
