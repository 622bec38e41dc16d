#include "operation/ControllerModes.h"

#include "app/AppContext.h"
#include "app/MainControls.h"
#include "app/MainView.h"
#include "app/Wait.h"
#include "link/CtLink.h"
#include "link/ReplyFields.h"
#include "operation/AlarmPanel.h"

namespace zovi {

namespace {

constexpr int kResetSettleMs = 300;

} // namespace

bool ControllerModes::openAndCheck() {
    return link_.OpenCommPort() == 0 && link_.CheckCommPort() == 0;
}

int ControllerModes::mnuModeGaibu_Click() {
    controls_.CMDBTN_Muko();
    controls_.ToolBar_Muko();
    int result = 1;
    if (ctx_.op.message(ctx_.texts.joined({492, 493}), Buttons::YesNo, Icon::Question) == Answer::Yes) {
        if (openAndCheck()) {
            link_.state.TimeoutMsec = 5000;
            if (link_.SendCtCommand(QByteArrayLiteral("0CM"), 6, QByteArrayLiteral("0")) == 0) {
                ctx_.op.message(ctx_.msg(495));
                result = 0;
            } else
                ctx_.op.message(ctx_.texts.joined({508, 494}));
        } else {
            ctx_.op.message(ctx_.texts.joined({508, 494}));
        }
        link_.state.CommErrorFlag = false;
    }
    link_.ReleaseCommPort();
    controls_.CMDBTN_Yuko();
    controls_.ToolBar_Yuko();
    return result;
}

int ControllerModes::mnuModeTrancefer_Click() {
    controls_.CMDBTN_Muko();
    controls_.ToolBar_Muko();
    int result = 1;
    if (ctx_.op.message(ctx_.texts.joined({496, 493}), Buttons::YesNo, Icon::Question) == Answer::Yes) {
        ctx_.operation.CtBusyFlag = true;
        if (openAndCheck()) {
            link_.ReleaseCommPort();
            ctx_.op.message(ctx_.msg(497));
            result = 0;
        }
    }
    link_.ReleaseCommPort();
    controls_.CMDBTN_Yuko();
    controls_.ToolBar_Yuko();
    ctx_.operation.CtBusyFlag = false;
    return result;
}

int ControllerModes::mnuShowCtversion_Click() {
    ctx_.operation.CtBusyFlag = true;
    int result = 1;
    controls_.CMDBTN_Muko();
    controls_.ToolBar_Muko();
    controls_.Menyu_Muko();
    if (openAndCheck() && GetVersionNo() == 0) {
        ctx_.op.message(ctx_.msg(601) + VersionText + ctx_.msg(602));
        link_.ReleaseCommPort();
        result = 0;
    } else {
        ctx_.op.message(ctx_.msg(600));
    }
    controls_.CMDBTN_Yuko();
    controls_.ToolBar_Yuko();
    controls_.Menyu_Yuko();
    ctx_.operation.CtBusyFlag = false;
    return result;
}

int ControllerModes::GetVersionNo() {
    link_.state.TimeoutMsec = 5000;
    if (link_.SendCtCommand(QByteArrayLiteral("0RV"), 11) == 0) {
        VersionText = QString::fromLatin1(replyChars(link_.state.ReplyText, 4, 3));
        view_.setStatusPanel(1, ctx_.msg(499) + VersionText);
        return 0;
    }
    view_.setStatusPanel(1, ctx_.msg(498));
    if (link_.state.ReplyText.startsWith("0%%")) {
        link_.state.TimeoutMsec = 5000;
        link_.SendCtCommand(QByteArrayLiteral("0%C"), 7);
    }
    link_.ReleaseCommPort();
    return 1;
}

int ControllerModes::cmdReset_Click() {
    controls_.setResetEnabled(false);
    ctx_.operation.CtBusyFlag = true;
    link_.state.TimeoutMsec = 5000;
    const int result = link_.SendCtCommand(QByteArrayLiteral("0%C"), 7) == 0 ? 0 : 1;
    if (result == 0)
        alarms_.clearAlarm();
    link_.ReleaseCommPort();
    controls_.setResetEnabled(true);
    ctx_.operation.CtBusyFlag = false;
    return result;
}

void ControllerModes::ResetCtByCommand(ParameterStatusView& parameterWindow) {
    const QString question = ctx_.msg(581) + QLatin1Char(' ') + ctx_.msg(493);
    if (ctx_.op.message(question, Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return;
    if (!openAndCheck())
        return;
    parameterWindow.setParaWinStatus(ctx_.msg(361));
    link_.writeWithoutReply(QByteArrayLiteral("0CM3"));
    view_.greyAllMoveButtons();
    view_.setOutputLamps(false, false);
    waitMs(ctx_, kResetSettleMs);
    link_.ReleaseCommPort();
}

} // namespace zovi
