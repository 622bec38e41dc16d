#pragma once

#include "io/IoRegisters.h"

#include <QObject>
#include <QTimer>

namespace zovi {

class AppContext;
class CtLink;
class IoView;

// The I/O monitor: while monitoring runs, every tick of timerInputOutput reads registers "105",
// "106" and "107" one after another and shows the lamps; an output change asked for by a click is
// written with "0WB107" at the start of the next tick, before its reads, never between them. Once an
// output has been changed the outputs are written before every read until monitoring stops. A failed
// exchange (its message already shown) ends monitoring with every lamp off.
//
// The window starts timerInputOutput while it is open; tests may call the tick themselves.
class IoMonitor : public QObject {
    Q_OBJECT
public:
    static constexpr int kTickMs = 300;
    static constexpr int kButtonLockMs = 500;

    IoMonitor(AppContext& ctx, CtLink& link, IoView& view, QObject* parent = nullptr);

    IoState io;
    bool PendChangeReq = false;
    bool Out1ChangeReq = false;
    bool Out2ChangeReq = false;
    bool MonitorOn = false;
    bool StartRequest = false;
    bool MonitorStopRequest = false;
    bool WriteRequest = false;

    // 0 when all three registers were read; 1 after a failure (the port released).
    int ReadIoStateFromCt();
    // Applies the change requests to the output flags and writes them; 0 or 1. The port is released.
    int WriteCtOutput();
    void IoStateHyoji();
    void AllLED_Off();

    // The start/stop button: locked (with the close button) for kButtonLockMs.
    void cmdIoCheck_Click();
    // A click on an output's picture or lamp; ignored unless monitoring runs and no stop is asked for.
    void output_Click(IoOutput output);
    void timerInputOutput_Timer();
    void TimerBtnOff_Timer();
    bool closeAllowed() const { return !MonitorOn; }

    QTimer timerInputOutput;
    QTimer TimerBtnOff;

private:
    bool& changeRequest(IoOutput output);
    void clearRequests();

    AppContext& ctx_;
    CtLink& link_;
    IoView& view_;
    bool ticking_ = false; // a tick waits for a reply: the ticks that come meanwhile are skipped
};

} // namespace zovi
