#pragma once

#include "position/PositionTable.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

namespace zovi {

class AppContext;
class ControllerModes;
class CtCommands;
class CtLink;
class DeviceCatalogue;
class DeviceView;
class ProgressView;

// The position table's exchanges with the controller: Read from C/T, Write to C/T and the
// verification against the controller. Each command asks its questions, talks to the controller through
// the link (every failed exchange has been reported there), shows its progress in frmTrance, and leaves
// the port released whichever way it ends. A read that fails at any step, or receives a record it cannot
// read, leaves the table as it was; a write that fails part-way has written the positions before the
// failing one. The caller brackets each command (controls disabled, CtBusyFlag set, grids refreshed).
class PositionTransfer {
public:
    PositionTransfer(AppContext& ctx, PositionTable& table, DeviceCatalogue& catalogue, CtLink& link,
                     CtCommands& commands, ControllerModes& modes, ProgressView& progress, DeviceView& view);

    // Save As, offered before a read over a table that holds data; reading goes on whatever it does.
    std::function<void()> saveAs;
    // Runs after the write's checks and confirmations, just before the first record is sent (the
    // backup of what the controller holds); false ends the write with nothing sent.
    std::function<bool()> beforeWrite;

    // Read from C/T: 0 when the table shows the controller's positions.
    int readFromCt();
    // Write to C/T: 0 when all three positions were written.
    int writeToCt();
    // Verification of the table against the controller: 0 when the result was shown (OK or NG), 1 when
    // the controller's positions could not be read.
    int PosiDataCtShogo();

    // The stroke pre-check before a write: 0 when no position lies beyond the controller's stroke
    // parameter. The progress window stays open on success.
    int PosiKakikomimaeParaCheck();
    // Sends every position whose PosErrFlags entry is clear: 0 when all went through.
    int WritePosidataToCt();

    // Port, the three "0RP" records with the progress window, the version query, and the decoding into
    // `staging` (VEL, ACC, OUT and pulses of rows 1 to 3). 0 on success; otherwise `staging` is
    // untouched. `cancelText` closes the message about an unreadable record. Neither the grid nor
    // PosiDataArray is touched, and the port stays open after a success.
    int readPositionsIntoStaging(PositionArray& staging, int cancelText = 751);

    // Per position 1 to 3: the last "0RP" reply, or the data built for "0WP".
    std::array<QByteArray, 4> PosRecordText;
    // The stroke parameter in pulses, from parameter block 10.
    qint32 StrokeLimitPulse = 0;

private:
    bool askBeforeReading();
    // The controller's actuator against the program's before a read; false when the read is to end.
    bool settleDeviceBeforeReading();
    void adoptControllerDevice();
    // The controller's actuator against the program's before a write; false when the operator stops.
    bool confirmDeviceBeforeWriting();
    // The soft-limit list "1,3," of the positions beyond StrokeLimitPulse.
    QString positionsBeyondStroke() const;
    void endPreCheck();

    AppContext& ctx_;
    PositionTable& table_;
    DeviceCatalogue& catalogue_;
    CtLink& link_;
    CtCommands& commands_;
    ControllerModes& modes_;
    ProgressView& progress_;
    DeviceView& view_;
};

} // namespace zovi
