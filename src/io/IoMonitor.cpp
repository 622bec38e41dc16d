#include "io/IoMonitor.h"

#include "app/AppContext.h"
#include "io/IoView.h"
#include "link/CtLink.h"

namespace zovi {

namespace {

constexpr int kRegisterReplyLength = 10;
constexpr qint16 kTimeoutMs = 5000;
constexpr int kStartMonitorText = 176;
constexpr int kStopMonitorText = 556;

} // namespace

IoMonitor::IoMonitor(AppContext& ctx, CtLink& link, IoView& view, QObject* parent)
    : QObject(parent)
    , ctx_(ctx)
    , link_(link)
    , view_(view) {
    timerInputOutput.setObjectName(QStringLiteral("timerInputOutput"));
    timerInputOutput.setInterval(kTickMs);
    TimerBtnOff.setObjectName(QStringLiteral("TimerBtnOff"));
    TimerBtnOff.setInterval(kButtonLockMs);
    connect(&timerInputOutput, &QTimer::timeout, this, &IoMonitor::timerInputOutput_Timer);
    connect(&TimerBtnOff, &QTimer::timeout, this, &IoMonitor::TimerBtnOff_Timer);
}

int IoMonitor::ReadIoStateFromCt() {
    if (link_.OpenCommPort() != 0)
        return 1;
    if (link_.CheckCommPort() != 0) {
        link_.ReleaseCommPort();
        return 1;
    }
    for (const char* registerNo : kIoRegisters) {
        link_.state.TimeoutMsec = kTimeoutMs;
        if (link_.SendCtCommand(QByteArrayLiteral("0RB"), kRegisterReplyLength, QByteArray(registerNo)) !=
            0) {
            link_.ReleaseCommPort();
            return 1;
        }
        // A reply that is not this register's contents leaves its flags as they were; one that cannot
        // be read ends the reads as a failed exchange does.
        if (takeRegisterReply(io, QByteArray(registerNo), link_.state.ReplyText) ==
            RegisterReply::NotHexadecimal)
            return link_.refuseUnreadableReply("0RB" + QByteArray(registerNo));
    }
    return 0;
}

int IoMonitor::WriteCtOutput() {
    for (const IoOutput output : {IoOutput::Pend, IoOutput::Out1, IoOutput::Out2}) {
        bool& request = changeRequest(output);
        if (request) {
            request = false;
            io[signalOf(output)] = !io[signalOf(output)];
        }
    }
    link_.state.TimeoutMsec = kTimeoutMs;
    const int result = link_.SendCtCommand(QByteArrayLiteral("0WB107"), kRegisterReplyLength, outputData(io));
    if (result == 0)
        IoStateHyoji();
    link_.ReleaseCommPort();
    return result == 0 ? 0 : 1;
}

void IoMonitor::IoStateHyoji() {
    view_.showLamps(io);
}

void IoMonitor::AllLED_Off() {
    view_.allLampsOff();
}

void IoMonitor::cmdIoCheck_Click() {
    view_.setCheckEnabled(false);
    view_.setCloseEnabled(false);
    TimerBtnOff.start();
    if (MonitorOn) {
        MonitorStopRequest = true;
        PendChangeReq = Out1ChangeReq = Out2ChangeReq = false;
        WriteRequest = false;
    } else {
        StartRequest = true;
    }
}

void IoMonitor::output_Click(IoOutput output) {
    if (!MonitorOn || MonitorStopRequest)
        return;
    changeRequest(output) = true;
    WriteRequest = true;
}

void IoMonitor::TimerBtnOff_Timer() {
    TimerBtnOff.stop();
    view_.setCheckEnabled(true);
}

void IoMonitor::timerInputOutput_Timer() {
    if (ticking_)
        return;
    if (!MonitorOn) {
        if (!StartRequest)
            return;
        StartRequest = false;
        MonitorOn = true;
        view_.setCheckCaption(ctx_.msg(kStopMonitorText));
        view_.setCloseEnabled(false);
    }
    ticking_ = true;
    bool failed = false;
    if (WriteRequest)
        failed = WriteCtOutput() != 0;
    if (!failed) {
        failed = ReadIoStateFromCt() != 0;
        if (!failed)
            IoStateHyoji();
    }
    bool ended = failed;
    if (failed) {
        // Monitoring that has ended takes its requests with it: a new start neither stops at once nor
        // writes outputs of the last session before its first read.
        MonitorOn = false;
        clearRequests();
        AllLED_Off();
    } else if (MonitorStopRequest) {
        MonitorStopRequest = false;
        MonitorOn = false;
        link_.ReleaseCommPort();
        AllLED_Off();
        ended = true;
    }
    if (ended) {
        view_.setCheckCaption(ctx_.msg(kStartMonitorText));
        view_.setCloseEnabled(true);
    }
    ticking_ = false;
}

bool& IoMonitor::changeRequest(IoOutput output) {
    switch (output) {
    case IoOutput::Pend:
        return PendChangeReq;
    case IoOutput::Out1:
        return Out1ChangeReq;
    case IoOutput::Out2:
        break;
    }
    return Out2ChangeReq;
}

void IoMonitor::clearRequests() {
    MonitorStopRequest = false;
    WriteRequest = false;
    PendChangeReq = Out1ChangeReq = Out2ChangeReq = false;
}

} // namespace zovi
