#pragma once

#include "io/IoRegisters.h"

#include <QString>

namespace zovi {

// The I/O monitor window as its state machine writes it: the eight lamps (with the pictures of the
// outputs), the start/stop button and the close button.
class IoView {
public:
    virtual ~IoView() = default;
    virtual void showLamps(const IoState& state) = 0;      // IoStateHyoji: each lamp by its flag
    virtual void allLampsOff() = 0;                        // AllLED_Off
    virtual void setCheckCaption(const QString& text) = 0; // cmdIoCheck: "Start Monitor" / "Stop Monitor"
    virtual void setCheckEnabled(bool enabled) = 0;        // cmdIoCheck
    virtual void setCloseEnabled(bool enabled) = 0;        // cmdIoWinClose
};

} // namespace zovi
