#pragma once

#include "model/ControllerState.h"

#include <QByteArray>
#include <QByteArrayView>

namespace ctsim {

// What a received line asks of the controller.
struct Response {
    enum class Kind {
        Ignore,  // empty line or another station's address: no reply
        Restart, // "0CM3": restart the controller, no reply
        Reply,   // reply at once with `line`
        Move,    // start the move to `posNo`; the reply follows when it ends
    };
    Kind kind = Kind::Ignore;
    QByteArray line; // the whole reply, CR LF included
    int posNo = 0;
};

// The command set. Replies repeat the three command characters and have a fixed length per command.
// Any command may instead be answered by the status reply "0%%" + alarm number (7 characters):
//  - an unknown command: alarm 01 (this command only);
//  - a known command with malformed or out-of-range data: alarm 02 (this command only);
//  - a move or a write ("0MP", "0WP", "0WD", "0WB") in external start mode: alarm 03 (this command only);
//  - while an alarm is latched, every command but "0CM", "0%C", "0%%" and the register reads "0RB": that
//  alarm.
// A line whose first character is not the station digit "0" is another station's and stays unanswered.
class CommandSet {
public:
    static Response execute(ControllerState& state, QByteArrayView line);

    static QByteArray statusReply(quint8 alarmNumber);
    // The reply to "0MP" once the slide stands at the end of the move.
    static QByteArray moveReply(const ControllerState& state, int posNo);
};

} // namespace ctsim
