#include "position/PositionTransfer.h"

#include "app/AppContext.h"
#include "app/ProgressView.h"
#include "device/Conversion.h"
#include "device/CurrentDevice.h"
#include "device/DeviceSettings.h"
#include "device/DeviceView.h"
#include "link/CtCommands.h"
#include "link/CtLink.h"
#include "link/HexPad.h"
#include "link/ReplyFields.h"
#include "operation/ControllerModes.h"
#include "position/PositionDiff.h"
#include "position/PositionRecord.h"
#include "position/PositionTable.h"

namespace zovi {

namespace {

constexpr int kReplyMs = 5000;
constexpr int kRecordReplyLength = 16;
constexpr int kBlockReplyLength = 23;
// Brake / current-down code sent when the options do not choose one: current-down enabled.
constexpr int kDefaultBrakeCode = 2;

} // namespace

PositionTransfer::PositionTransfer(AppContext& ctx, PositionTable& table, DeviceCatalogue& catalogue,
                                   CtLink& link, CtCommands& commands, ControllerModes& modes,
                                   ProgressView& progress, DeviceView& view)
    : ctx_(ctx)
    , table_(table)
    , catalogue_(catalogue)
    , link_(link)
    , commands_(commands)
    , modes_(modes)
    , progress_(progress)
    , view_(view) {}

// --- Read from C/T

int PositionTransfer::readFromCt() {
    if (!askBeforeReading() || !settleDeviceBeforeReading())
        return 1;
    if (readPositionsIntoStaging(table_.workPosDA) != 0)
        return 1;
    table_.takeWorkPosDA();
    table_.Disp_PosiData3();
    table_.setCurrentDataName(ctx_.msg(433));
    link_.ReleaseCommPort();
    return 0;
}

bool PositionTransfer::askBeforeReading() {
    if (table_.hasData()) {
        const Answer answer = ctx_.op.message(ctx_.msg(446), Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return false;
        if (answer == Answer::Yes && saveAs)
            saveAs();
        return true;
    }
    return ctx_.op.message(ctx_.msg(447), Buttons::YesNo, Icon::Question) == Answer::Yes;
}

bool PositionTransfer::settleDeviceBeforeReading() {
    if (commands_.ReadCtDevice() != 0)
        return false;
    if (compareCtDevice(ctx_.device, commands_.device) == 0)
        return true;
    // An actuator the program cannot work with (no lead, a stroke out of range) is never taken over.
    if (!ctDeviceUsable(commands_.device)) {
        link_.ReleaseCommPort();
        ctx_.op.message(ctx_.msg(909).arg(commands_.device.modelCode()));
        return false;
    }
    if (ctx_.op.message(ctx_.texts.joined({592, 593}), Buttons::OkCancel, Icon::Question) != Answer::Ok) {
        link_.ReleaseCommPort();
        return false;
    }
    adoptControllerDevice();
    return true;
}

void PositionTransfer::adoptControllerDevice() {
    DeviceState& dev = ctx_.device;
    adoptCtDevice(dev, commands_.device, view_);
    saveDeviceSettings(ctx_);
    conv::recomputeLimits(dev);
    showFullDeviceLabel(ctx_, catalogue_, view_);
    showUnitLine(ctx_, view_);
    refreshMmColumn(dev, table_);
}

int PositionTransfer::readPositionsIntoStaging(PositionArray& staging, int cancelText) {
    if (link_.OpenCommPort() != 0 || link_.CheckCommPort() != 0) {
        link_.ReleaseCommPort();
        return 1;
    }
    progress_.open(PositionTable::kPositions, ctx_.msg(448));
    std::array<PositionRecord, 4> records;
    for (int n = 1; n <= PositionTable::kPositions; ++n) {
        link_.state.TimeoutMsec = kReplyMs;
        if (link_.SendCtCommand(QByteArrayLiteral("0RP"), kRecordReplyLength, HexPad(n, 1)) != 0) {
            link_.ReleaseCommPort();
            progress_.close();
            return 1;
        }
        PosRecordText[n] = link_.state.ReplyText;
        const std::optional<PositionRecord> record = decodePositionReply(PosRecordText[n], n);
        if (!record) {
            link_.ReleaseCommPort();
            progress_.close();
            ctx_.op.message(ctx_.msg(750).arg(QString::number(n), printableReply(PosRecordText[n])) +
                            kParagraph + ctx_.msg(cancelText));
            return 1;
        }
        records[n] = *record;
        progress_.step(n);
    }
    modes_.GetVersionNo();
    progress_.close();
    for (int n = 1; n <= PositionTable::kPositions; ++n) {
        auto& row = staging[n];
        row[PfVel] = records[n].vel;
        row[PfAcc] = records[n].acc;
        row[PfOut] = records[n].out;
        row[PfPulse] = records[n].pulses;
    }
    return 0;
}

// --- Write to C/T

int PositionTransfer::writeToCt() {
    if (table_.guardChecks(GuardFor::Write) != 0)
        return 1;
    if (ctx_.op.message(ctx_.msg(462), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return 1;
    if (PosiKakikomimaeParaCheck() != 0)
        return 1;
    if (!confirmDeviceBeforeWriting())
        return 1;
    if (beforeWrite && !beforeWrite()) {
        progress_.close();
        link_.ReleaseCommPort();
        return 1;
    }
    if (WritePosidataToCt() != 0)
        return 1;
    ctx_.op.message(ctx_.msg(466));
    ctx_.operation.LastPosNo = -1;
    ctx_.operation.MoveDataReadFlag = false;
    link_.ReleaseCommPort();
    return 0;
}

int PositionTransfer::PosiKakikomimaeParaCheck() {
    progress_.open(PositionTable::kPositions, ctx_.msg(468));
    if (link_.OpenCommPort() != 0 || link_.CheckCommPort() != 0) {
        endPreCheck();
        return 1;
    }
    link_.state.TimeoutMsec = kReplyMs;
    if (link_.SendCtCommand(QByteArrayLiteral("0RD"), kBlockReplyLength, QByteArrayLiteral("10")) != 0) {
        endPreCheck();
        return 1;
    }
    const std::optional<qint32> stroke = strokeLimitOfBlock10(link_.state.ReplyText);
    if (!stroke) {
        const QString reply = printableReply(link_.state.ReplyText);
        endPreCheck();
        ctx_.op.message(ctx_.msg(752).arg(reply) + kParagraph + ctx_.msg(461));
        return 1;
    }
    StrokeLimitPulse = *stroke;
    const QString beyond = positionsBeyondStroke();
    if (beyond.isEmpty())
        return 0;
    endPreCheck();
    ctx_.op.message(ctx_.texts.joined({469, 470}) + kParagraph + QLatin1Char('<') + ctx_.msg(409) + beyond +
                    QLatin1Char('>'));
    return 1;
}

QString PositionTransfer::positionsBeyondStroke() const {
    QString list;
    for (int p = 1; p <= PositionTable::kPositions; ++p) {
        if (!table_.PosErrFlags[p] && table_.PosiDataArray[p][PfPulse].toLongLong() > StrokeLimitPulse)
            list += QString::number(p) + QLatin1Char(',');
    }
    return list;
}

void PositionTransfer::endPreCheck() {
    link_.state.CommErrorFlag = false;
    progress_.close();
    link_.ReleaseCommPort();
    view_.repaintGrids();
}

bool PositionTransfer::confirmDeviceBeforeWriting() {
    // A controller whose actuator cannot be read is written without the comparison.
    if (commands_.ReadCtDevice() != 0 || compareCtDevice(ctx_.device, commands_.device) == 0)
        return true;
    if (ctx_.op.message(ctx_.texts.joined({592, 594, 595}), Buttons::OkCancel, Icon::Question) == Answer::Ok)
        return true;
    progress_.close();
    link_.ReleaseCommPort();
    return false;
}

int PositionTransfer::WritePosidataToCt() {
    const OptionsState& options = ctx_.options;
    const int brakeCode = options.BkCdChangeFlag ? options.BkCdCode : kDefaultBrakeCode;
    if (brakeCode < 0 || brakeCode > 3) {
        progress_.close();
        link_.ReleaseCommPort();
        ctx_.op.message(ctx_.msg(753).arg(brakeCode) + kParagraph + ctx_.msg(461));
        return 1;
    }
    for (int n = 1; n <= PositionTable::kPositions; ++n) {
        if (table_.PosErrFlags[n])
            continue;
        const auto& row = table_.PosiDataArray[n];
        const PositionRecord record{static_cast<qint16>(row[PfVel].toInt()),
                                    static_cast<qint16>(row[PfAcc].toInt()),
                                    static_cast<qint16>(row[PfOut].toInt()), row[PfPulse].toInt()};
        PosRecordText[n] = positionWriteData(n, record, brakeCode);
    }

    progress_.open(PositionTable::kPositions, ctx_.msg(471));
    for (int n = 1; n <= PositionTable::kPositions; ++n) {
        if (!table_.PosErrFlags[n]) {
            link_.state.TimeoutMsec = kReplyMs;
            if (link_.SendCtCommand(QByteArrayLiteral("0WP"), kRecordReplyLength, PosRecordText[n]) != 0) {
                link_.ReleaseCommPort();
                progress_.close();
                return 1;
            }
            if (link_.state.ReplyText.left(4) != QByteArrayLiteral("0WP") + HexPad(n, 1)) {
                link_.ReleaseCommPort();
                link_.state.CommErrorFlag = true;
                progress_.close();
                ctx_.op.message(ctx_.texts.joined({472, 473}));
                return 1;
            }
        }
        progress_.step(n);
    }
    progress_.close();
    return 0;
}

// --- Verification against the controller

int PositionTransfer::PosiDataCtShogo() {
    if (table_.PosiDataTorikomi() != 0) {
        ctx_.op.message(ctx_.texts.joined({401, 402}));
        return 1;
    }
    if (readPositionsIntoStaging(table_.workPosDA, 402) != 0)
        return 1;
    const int result = table_.PosiDataSyogoProc();
    link_.ReleaseCommPort();
    if (result == 0) {
        ctx_.op.message(ctx_.texts.joined({411, 410}));
    } else {
        ctx_.op.message(ctx_.texts.joined({411, 407, 408}) + kParagraph + table_.VerifyResultList);
        ctx_.op.showDifferences(positionDiff(ctx_, table_, ctx_.msg(823)), ctx_.texts);
    }
    return 0;
}

} // namespace zovi
