#pragma once

#include "link/CtCommands.h"
#include "operation/MoveCommands.h"
#include "operation/MoveView.h"
#include "support/LinkFixture.h"

#include <QMap>

namespace zovi::test {

// Keeps the faces of the move buttons, every face change in order, and lblkanryoNo.
class RecordingMoveView : public MoveView {
public:
    void setButtonPicture(int index, int picture) override {
        faces[index] = picture;
        changes << QStringLiteral("%1:%2").arg(index).arg(picture);
    }
    void setCompletedPosition(const QString& text) override { completed = text; }

    QMap<int, int> faces;
    QStringList changes;
    QString completed;
};

// The moves over a scripted far end. Replies and frames are written as one text, separated by spaces.
struct MoveFixture : LinkFixture {
    // The first exchanges of a homed controller: stroke 20000 pulses, homing speed setting 1 (1600
    // pulses/s: 12.5 s over the stroke), speed table 1-9 = 20, 40, 60, 80, 100, 120, 160, 200, 240;
    // position 1 at 3320 pulses with speed 5 (16600 pulses/s), 2 at 9960 with speed 2 (6640 pulses/s),
    // 3 at 19920 with speed 9 (39840 pulses/s); the slide at position 1.
    static constexpr const char* kFirst = "0CM1 0RH1 0RD10004E2002020202FF 0RD1114283C010400FFFF "
                                          "0RD12506478A0C8F0FFFF 0RP15212000CF8 0RP222220026E8 "
                                          "0RP39332004DD0 0RCF0000000CF8 ";
    static constexpr const char* kFirstFrames = "0CM1 0RH 0RD10 0RD11 0RD12 0RP1 0RP2 0RP3 0RC ";

    void reply(const QByteArray& replies) {
        for (const QByteArray& text : replies.split(' '))
            port.scriptText(text + "\r\n");
    }
    QByteArray frames() const {
        QByteArrayList out;
        for (const QByteArray& frame : port.written)
            out << frame.chopped(2);
        return out.join(' ');
    }
    // The time limit the last move command went out with, in ms.
    int moveLimitMs() const {
        for (qsizetype i = port.written.size() - 1; i >= 0; --i) {
            if (port.written[i].startsWith("0MP"))
                return port.limits[i];
        }
        return -1;
    }

    RecordingMoveView moveView;
    CtCommands commands{link};
    MoveCommands moves{t.ctx, link, commands, alarms, view, moveView};
};

} // namespace zovi::test
