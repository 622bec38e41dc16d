#include "operation/MoveCommands.h"

#include "app/AppContext.h"
#include "app/MainView.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "operation/AlarmPanel.h"
#include "operation/MoveTime.h"
#include "operation/MoveView.h"

namespace zovi {

namespace {

constexpr int kMoveReplyLength = 16;
constexpr int kOutputsReplyLength = 7;
const QByteArray kStatusReply = QByteArrayLiteral("0%%");
const QByteArray kHomeSensorAlarm = QByteArrayLiteral("0%%0B");

} // namespace

MoveCommands::MoveCommands(AppContext& ctx, CtLink& link, CtCommands& commands, AlarmPanel& alarms,
                           MainView& view, MoveView& moveView)
    : blink(link.state, moveView)
    , ctx_(ctx)
    , link_(link)
    , commands_(commands)
    , alarms_(alarms)
    , view_(view)
    , moveView_(moveView) {}

void MoveCommands::clearCache() {
    ctx_.operation.MoveDataReadFlag = false;
}

void MoveCommands::SelectMove(int posNo) {
    view_.setOutputLamps(false, false);
    if (posNo == 0)
        view_.setHomeLamp(false);
    blink.startMovingTimer(posNo);
    link_.state.MovingFlag = true;
    view_.greyAllMoveButtons();

    const auto stop = [this] {
        link_.state.MovingFlag = false;
    };
    if (!prepare())
        return stop();
    if (posNo < 0 || posNo > 3) {
        link_.ReleaseCommPort();
        ctx_.op.message(ctx_.msg(474));
        return stop();
    }
    if (!findPresentPosition())
        return stop();
    const bool moved = move(posNo);
    link_.state.MovingFlag = false;
    blink.waitUntilStopped();
    if (!moved) {
        moveFailed();
        return;
    }
    if (!showArrival(posNo))
        return;
    for (int button = 0; button <= 3; ++button)
        moveView_.setButtonPicture(button, button == posNo ? MoveView::kLitPicture : MoveView::kGreyPicture);
}

bool MoveCommands::prepare() {
    if (link_.OpenCommPort() != 0 || link_.CheckCommPort() != 0) {
        clearCache();
        return false;
    }
    const int homed = commands_.ReadCtHomeState();
    if (homed != 1)
        clearCache();
    if (homed < 0)
        return false;
    if (!ctx_.operation.MoveDataReadFlag) {
        if (commands_.ReadCtParaForMove() != 0 || commands_.ReadCtPositions() != 0)
            return false;
        ctx_.operation.MoveDataReadFlag = true;
    }
    return true;
}

bool MoveCommands::findPresentPosition() {
    if (!commands_.move.HomeDoneFlag)
        return true;
    const qint16 last = ctx_.operation.LastPosNo;
    if (last >= 1 && last <= 3) {
        check_MovePresentPos(commands_.move, last);
        return true;
    }
    if (commands_.ReadCtPresentPos() != 0) {
        clearCache();
        return false;
    }
    return true;
}

bool MoveCommands::move(int posNo) {
    link_.state.MyTimerLimit = calc_MovingTime(commands_.move, posNo) + kMarginSeconds;
    return link_.SendCtMoveCommand(QByteArrayLiteral("0MP"), kMoveReplyLength,
                                   QByteArray::number(posNo, 16).toUpper()) == 0;
}

void MoveCommands::moveFailed() {
    link_.ReleaseCommPort();
    const QByteArray reply = link_.state.ReplyText;
    if (reply.startsWith(kStatusReply)) {
        link_.state.StatusText = reply;
        alarms_.DispAlarmState(reply);
        if (reply.startsWith(kHomeSensorAlarm))
            alarms_.Disp_ZeroB_Error();
    }
    clearCache();
    ctx_.operation.LastPosNo = -1;
}

bool MoveCommands::showArrival(int posNo) {
    ctx_.operation.LastPosNo = static_cast<qint16>(posNo);
    link_.state.TimeoutMsec = 5000;
    if (link_.SendCtCommand(QByteArrayLiteral("0RS"), kOutputsReplyLength) != 0) {
        clearCache();
        link_.ReleaseCommPort();
        return false;
    }
    // OUT1 and OUT2 as one digit; any other character leaves the lamps as they are.
    const char outputs = link_.state.ReplyText.at(3);
    if (outputs >= '0' && outputs <= '3') {
        const int bits = outputs - '0';
        view_.setOutputLamps((bits & 1) != 0, (bits & 2) != 0);
    }
    view_.setHomeLamp(true);
    moveView_.setCompletedPosition(QString::number(posNo));
    return true;
}

} // namespace zovi
