#pragma once

#include "link/CommLog.h"
#include "link/LinkState.h"

#include <QObject>
#include <QTimer>

class QEventLoop;

namespace zovi {

class AlarmPanel;
class AppContext;
class Clock;
class MainView;
class SerialPort;

// The serial link to the controller: the port on demand, and one command/reply transaction at a
// time with its time-out, alarm replies and recovery exchange. Every failure is reported to the
// operator here; callers only test the result (0 success, 1 failure).
class CtLink : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMs = 100;

    CtLink(AppContext& ctx, SerialPort& port, MainView& view, AlarmPanel& alarms, Clock& clock,
           QObject* parent = nullptr);

    LinkState state;

    int OpenCommPort();
    int CheckCommPort();
    void ReleaseCommPort();
    void CloseCommPort();
    bool portIsOpen() const;

    int SendCtCommand(const QByteArray& command, int replyLength, const QByteArray& data = {});
    int SendCtMoveCommand(const QByteArray& command, int replyLength, const QByteArray& data = {});
    // For a reply that passed the exchange's checks but holds a character that is not a hexadecimal
    // digit where a number is read (noise on the line): releases the port and tells the operator which
    // answer to `request` could not be used. Returns 1, the failed result.
    int refuseUnreadableReply(const QByteArray& request);
    // Writes a command and CR LF straight to the port; no reply is awaited.
    void writeWithoutReply(const QByteArray& frame);

    // Receive routine: run by the poll timer (Timer1) and whenever characters arrive.
    void receive();
    void StartMyTimer();
    void CheckMyTimer();

    // True while a transaction waits for its reply: no second one may start then.
    bool busy() const { return waiting_; }

    // Every frame sent and received is reported to `log` with its transaction's outcome; none: nothing
    // is recorded.
    void setLog(CommLog* log) { log_ = log; }

    QTimer Timer1;
    QTimer timerTimeout;
    QTimer TimerMyTimer;

private:
    enum class Limit { Timeout, Clock };
    int transact(const QByteArray& command, int replyLength, const QByteArray& data, Limit limit);
    void armLimit(Limit limit);
    void sendAndWait(const QByteArray& frame, Limit limit);
    bool limitReached(Limit limit) const;
    void timeoutTick();
    void wake();
    void alarmProcedure(bool withIcon);
    void recoveryExchange(const QString& failureText, Limit limit);
    QString timeoutMessage() const;
    void logEnd(CommLog::Outcome outcome);

    AppContext& ctx_;
    SerialPort& port_;
    MainView& view_;
    AlarmPanel& alarms_;
    Clock& clock_;
    QEventLoop* loop_ = nullptr;
    Limit waitLimit_ = Limit::Timeout;
    bool waiting_ = false;
    CommLog* log_ = nullptr;
};

} // namespace zovi
