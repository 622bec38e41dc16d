#include "link/CtLink.h"

#include "app/AppContext.h"
#include "app/MainView.h"
#include "link/Clock.h"
#include "link/ReplyFields.h"
#include "link/SerialPort.h"
#include "operation/AlarmPanel.h"

#include <QEventLoop>

namespace zovi {

namespace {

const QByteArray kCrLf = QByteArrayLiteral("\r\n");
const QByteArray kStatusReply = QByteArrayLiteral("0%%");
constexpr float kSecondsPerDayWrap = 86399.0f;
// No reply is longer than 23 characters: of a line that goes on without CR LF (noise on the line),
// only this many last characters are kept.
constexpr qsizetype kRecvBufferKept = 256;

} // namespace

CtLink::CtLink(AppContext& ctx, SerialPort& port, MainView& view, AlarmPanel& alarms, Clock& clock,
               QObject* parent)
    : QObject(parent)
    , ctx_(ctx)
    , port_(port)
    , view_(view)
    , alarms_(alarms)
    , clock_(clock) {
    Timer1.setObjectName(QStringLiteral("Timer1"));
    Timer1.setInterval(kPollMs);
    timerTimeout.setObjectName(QStringLiteral("timerTimeout"));
    timerTimeout.setSingleShot(true);
    timerTimeout.setTimerType(Qt::PreciseTimer); // a coarse timer may end the wait 5% early
    TimerMyTimer.setObjectName(QStringLiteral("TimerMyTimer"));
    TimerMyTimer.setInterval(kPollMs);
    connect(&Timer1, &QTimer::timeout, this, &CtLink::receive);
    connect(&timerTimeout, &QTimer::timeout, this, &CtLink::timeoutTick);
    connect(&TimerMyTimer, &QTimer::timeout, this, [this] {
        CheckMyTimer();
        if (state.MyTimerUpFlag || state.MyTimerStopFlag)
            TimerMyTimer.stop();
    });
    connect(&port_, &SerialPort::readyRead, this, &CtLink::receive);
    Timer1.start();
}

bool CtLink::portIsOpen() const {
    return port_.isOpen();
}

int CtLink::OpenCommPort() {
    OptionsState& options = ctx_.options;
    if (options.PortNo < 1 || options.PortNo > 9)
        options.PortNo = ctx_.settings.readInt(QStringLiteral("PortNo"), 1);
    if (!port_.isOpen()) {
        if (options.PortNo < 1 || options.PortNo > 9 || !port_.open(options.PortNo)) {
            ctx_.op.message(ctx_.msg(374));
            return 1;
        }
    }
    return 0;
}

int CtLink::CheckCommPort() {
    state.TimeoutMsec = 1000;
    return SendCtCommand(QByteArrayLiteral("0CM"), 6, QByteArrayLiteral("1")) == 0 ? 0 : 1;
}

void CtLink::ReleaseCommPort() {
    if (port_.isOpen() && !ctx_.options.PortOccupyFlag)
        port_.close();
}

void CtLink::CloseCommPort() {
    if (port_.isOpen())
        port_.close();
}

int CtLink::SendCtCommand(const QByteArray& command, int replyLength, const QByteArray& data) {
    return transact(command, replyLength, data, Limit::Timeout);
}

int CtLink::SendCtMoveCommand(const QByteArray& command, int replyLength, const QByteArray& data) {
    return transact(command, replyLength, data, Limit::Clock);
}

int CtLink::refuseUnreadableReply(const QByteArray& request) {
    ReleaseCommPort();
    ctx_.op.message(ctx_.msg(840).arg(QString::fromLatin1(request), printableReply(state.ReplyText)),
                    Buttons::Ok, Icon::Exclamation);
    return 1;
}

void CtLink::writeWithoutReply(const QByteArray& frame) {
    if (log_)
        log_->sent(frame + kCrLf);
    port_.write(frame + kCrLf);
}

int CtLink::transact(const QByteArray& command, int replyLength, const QByteArray& data, Limit limit) {
    if (waiting_) {
        qWarning("ZO-VI: %s refused while another exchange waits for its reply", command.constData());
        return 1;
    }
    if (OpenCommPort() != 0)
        return 1;
    if (limit == Limit::Timeout) {
        state.CommErrorFlag = false;
        state.TimeoutFlag = false;
    }
    armLimit(limit);
    if (log_)
        log_->begin();

    const QByteArray frame = command + data;
    const QByteArray echo = frame.left(3);
    sendAndWait(frame, limit);
    if (limit == Limit::Clock)
        state.MyTimerStopFlag = true;
    timerTimeout.stop();

    if (limitReached(limit)) {
        state.MovingFlag = false;
        state.CommErrorFlag = true;
        CloseCommPort();
        logEnd(CommLog::Outcome::Timeout);
        ctx_.op.message(timeoutMessage());
        return 1;
    }
    if (state.ReplyText.startsWith(kStatusReply)) {
        logEnd(CommLog::Outcome::Alarm);
        alarmProcedure(true);
        return 1;
    }
    if (state.ReplyText.left(3) != echo) {
        logEnd(CommLog::Outcome::EchoMismatch);
        recoveryExchange(ctx_.msg(504), limit);
        return 1;
    }
    if (state.ReplyText.size() != replyLength) {
        logEnd(CommLog::Outcome::LengthMismatch);
        recoveryExchange(ctx_.texts.joined({505, 506}), limit);
        return 1;
    }
    logEnd(CommLog::Outcome::Ok);
    state.StatusReplyFlag = false;
    alarms_.clearAlarm();
    return 0;
}

void CtLink::armLimit(Limit limit) {
    if (limit == Limit::Clock) {
        StartMyTimer();
        return;
    }
    if (state.TimeoutMsec != 0) {
        timerTimeout.setInterval(state.TimeoutMsec);
        timerTimeout.start();
    }
}

// Writes the frame and keeps window events flowing until the reply is complete or the limit is
// reached.
void CtLink::sendAndWait(const QByteArray& frame, Limit limit) {
    state.ReplyDoneFlag = false;
    if (log_)
        log_->sent(frame + kCrLf); // before the write: a loopback answers within it
    port_.write(frame + kCrLf);
    receive(); // a loopback answers at once
    if (state.ReplyDoneFlag || limitReached(limit))
        return;
    QEventLoop loop;
    loop_ = &loop;
    waitLimit_ = limit;
    waiting_ = true;
    while (!state.ReplyDoneFlag && !limitReached(limit))
        loop.exec();
    waiting_ = false;
    loop_ = nullptr;
}

bool CtLink::limitReached(Limit limit) const {
    return limit == Limit::Timeout ? state.TimeoutFlag : state.MyTimerUpFlag;
}

// Only the wait's own limit ends it: the clock check of a move that has just ended ticks once more
// and may find the move's limit reached while the next command already waits.
void CtLink::wake() {
    if (loop_ && (state.ReplyDoneFlag || limitReached(waitLimit_)))
        loop_->quit();
}

void CtLink::timeoutTick() {
    state.TimeoutFlag = true;
    timerTimeout.stop();
    wake();
}

void CtLink::receive() {
    if (port_.isOpen()) {
        if (port_.bytesAvailable() > 0) {
            state.RecvBuffer += port_.readAll();
            if (state.RecvBuffer.size() > kRecvBufferKept)
                state.RecvBuffer.remove(0, state.RecvBuffer.size() - kRecvBufferKept);
        }
        if (state.RecvBuffer.endsWith(kCrLf)) {
            state.ReplyDoneFlag = true;
            state.ReplyText = state.RecvBuffer;
            state.RecvBuffer.clear();
            if (log_)
                log_->received(state.ReplyText);
            if (state.ReplyText.startsWith(kStatusReply)) {
                state.StatusReplyFlag = true;
                state.StatusText = state.ReplyText;
                alarms_.DispAlarmState(state.StatusText);
            }
            wake();
        }
        view_.setPortLamp(port_.isOpen());
    } else {
        view_.setPortLamp(false);
    }
    view_.refreshStatusBar();
}

void CtLink::alarmProcedure(bool withIcon) {
    state.MovingFlag = false;
    const QString number = QString::fromLatin1(state.ReplyText.mid(3, 2));
    state.StatusReplyFlag = true;
    alarms_.ClearStateLamps();
    state.StatusText = state.ReplyText;
    alarms_.DispAlarmState(state.StatusText);

    QString text = ctx_.msg(504) + kParagraph;
    if (alarms_.AlarmKnownFlag) {
        text += ctx_.msg(720) + alarms_.AlarmNoText + kParagraph + QLatin1Char('[') + alarms_.AlarmComment +
                QLatin1Char(']') + kParagraph + ctx_.msg(number == QLatin1String("0E") ? 366 : 360);
    } else {
        text += QLatin1Char('[') + alarms_.AlarmComment + QLatin1Char(']');
    }
    ctx_.op.message(text, Buttons::Ok, withIcon ? Icon::Exclamation : Icon::None);
}

void CtLink::recoveryExchange(const QString& failureText, Limit limit) {
    if (limit == Limit::Clock) {
        StartMyTimer();
    } else {
        state.TimeoutFlag = false;
        armLimit(limit);
    }
    if (log_)
        log_->begin();
    sendAndWait(QByteArrayLiteral("0CM0"), limit);
    if (limit == Limit::Clock)
        state.MyTimerStopFlag = true;
    timerTimeout.stop();
    logEnd(CommLog::Outcome::Recovery);
    if (state.ReplyText.startsWith(kStatusReply)) {
        alarmProcedure(false);
        return;
    }
    state.MovingFlag = false;
    ReleaseCommPort();
    state.CommErrorFlag = true;
    ctx_.op.message(failureText);
}

void CtLink::StartMyTimer() {
    state.MyTimerUpFlag = false;
    state.MyTimerStopFlag = false;
    state.MyTimerStart = clock_.secondsSinceMidnight();
    TimerMyTimer.start();
}

void CtLink::CheckMyTimer() {
    const float now = clock_.secondsSinceMidnight();
    const float elapsed =
        now >= state.MyTimerStart ? now - state.MyTimerStart : kSecondsPerDayWrap - state.MyTimerStart + now;
    if (elapsed >= state.MyTimerLimit) {
        state.MyTimerUpFlag = true;
        wake();
    }
}

void CtLink::logEnd(CommLog::Outcome outcome) {
    if (log_)
        log_->end(outcome);
}

QString CtLink::timeoutMessage() const {
    return ctx_.texts.joined({500, 501, 502, 503});
}

} // namespace zovi
