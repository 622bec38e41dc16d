#include "position/PositionFiles.h"
#include "app/WholeFile.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "device/CurrentDevice.h"
#include "device/DeviceCatalogue.h"
#include "position/FileDevice.h"
#include "position/PositionDiff.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zovi {

namespace {

using Grid = PositionGridModel;

class WaitCursor {
public:
    explicit WaitCursor(PositionFileView& view)
        : view_(view) {
        view_.setWaitCursor(true);
    }
    ~WaitCursor() { view_.setWaitCursor(false); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    PositionFileView& view_;
};

FileDialogRequest positionFileDialog(const AppContext& ctx, int titleId) {
    FileDialogRequest request;
    request.title = ctx.msg(titleId);
    request.filter = ctx.msg(405);
    request.defaultExtension = ctx.msg(404);
    return request;
}

QString nameWithoutFolder(const QString& path) {
    return QFileInfo(path).fileName();
}

} // namespace

PositionFiles::PositionFiles(AppContext& ctx, PositionTable& table, PositionFileView& view)
    : ctx_(ctx)
    , table_(table)
    , view_(view) {}

int PositionFiles::SaveFileAs(const QString& path) {
    PositionFileData data;
    data.deviceName = view_.deviceTypeName();
    data.newOld = ctx_.device.IsNewType ? QStringLiteral("NEW") : QStringLiteral("OLD");
    for (int p = 1; p <= kPositionFileRecords; ++p) {
        const auto& row = table_.PosiDataArray[p];
        PositionFileRecord& record = data.records[p - 1];
        record.vel = qint16(row[PfVel].toInt());
        record.acc = qint16(row[PfAcc].toInt());
        record.pulses = row[PfPulse].toInt();
        record.comment = table_.grid().text(p, Grid::ColComment).trimmed();
        // A field ends at its next double quote: such a comment would make the file unreadable.
        if (record.comment.contains(QLatin1Char('"'))) {
            ctx_.op.message(ctx_.msg(749).arg(p) + kParagraph + ctx_.msg(461), Buttons::Ok,
                            Icon::Exclamation);
            return 1;
        }
    }

    bool written = false;
    {
        WaitCursor hourglass(view_);
        written = writeWholeFile(path, positionFileBytes(data)).isEmpty();
    }
    if (!written) {
        ctx_.op.message(ctx_.msg(748).arg(QDir::toNativeSeparators(path)), Buttons::Ok, Icon::Exclamation);
        return 1;
    }
    table_.setCurrentDataFile(path);
    ctx_.operation.DataChangeFlag = false;
    return 0;
}

int PositionFiles::ReadPositionFile(const QString& path) {
    QFile file(path);
    PositionFileParse parsed;
    if (file.open(QIODevice::ReadOnly))
        parsed = parsePositionFile(file.read(kMaxPositionFileBytes), ctx_.japanese());
    if (file.error() != QFileDevice::NoError)
        parsed.problem.fault = PositionFileFault::Unreadable;

    if (parsed.problem.fault == PositionFileFault::NotPositionFile) {
        ctx_.op.message(ctx_.texts.joined({362, 363}), Buttons::Ok, Icon::Exclamation);
        return 1;
    }
    if (!parsed.ok()) {
        ctx_.op.message(positionFileProblemText(ctx_.texts, QDir::toNativeSeparators(path), parsed.problem),
                        Buttons::Ok, Icon::Exclamation);
        return 1;
    }

    const PositionFileData& data = parsed.data;
    table_.workPosDA[0][PfVel] = data.deviceName;
    FileDevName = data.deviceName;
    FileNewOld = data.newOld;
    FileTypeCaption = ctx_.msg(FileNewOld == QLatin1String("NEW") ? 148 : 149);
    for (int p = 1; p <= kPositionFileRecords; ++p) {
        const PositionFileRecord& record = data.records[p - 1];
        auto& row = table_.workPosDA[p];
        row[PfVel] = record.vel;
        row[PfAcc] = record.acc;
        row[PfPulse] = record.pulses;
        row[PfComment] = record.comment;
    }
    return 0;
}

bool PositionFiles::hasNoFile() const {
    const QString& name = table_.CurrentDataName();
    return table_.CurrentDataPath().isEmpty() || name == ctx_.msg(483) || name == ctx_.msg(433);
}

std::optional<QString> PositionFiles::askSavePath(int titleId) {
    FileDialogRequest request = positionFileDialog(ctx_, titleId);
    request.initialName = ctx_.msg(490);
    request.overwritePrompt = true;
    return ctx_.op.saveFile(request);
}

bool PositionFiles::saveTo(const std::optional<QString>& path) {
    return path && SaveFileAs(*path) == 0;
}

bool PositionFiles::save() {
    if (table_.guardChecks(GuardFor::Save) != 0)
        return false;
    if (hasNoFile())
        return saveTo(askSavePath(523));
    return saveTo(table_.CurrentDataPath() + QStringLiteral(".vqd"));
}

bool PositionFiles::saveAs() {
    if (table_.guardChecks(GuardFor::Save) != 0)
        return false;
    return saveTo(askSavePath(489));
}

void PositionFiles::open(DeviceCatalogue& catalogue) {
    FileDialogRequest request = positionFileDialog(ctx_, 443);
    request.mustExist = true;
    if (const auto path = ctx_.op.openFile(request))
        openFile(*path, catalogue);
}

int PositionFiles::openFile(const QString& path, DeviceCatalogue& catalogue) {
    if (ReadPositionFile(path) != 0)
        return 1;
    DeviceState& dev = ctx_.device;
    FileDevice file;
    file.kind = QString::number(dev.DevListKind);
    file.newType = dev.IsNewType;
    parseFileDeviceName(ctx_, catalogue, FileDevName, FileNewOld, file);
    ReflectFileInfo2PcSettings(ctx_, FileDevName, file);

    catalogue.loadDeviceList(0);
    catalogue.seekLeadAndPpr();
    if (catalogue.DeviceNotFoundFlag) {
        catalogue.DeviceNotFoundFlag = false;
        return 1;
    }
    conv::recomputeLimits(dev);
    showFullDeviceLabel(ctx_, catalogue, view_.deviceView());
    table_.takeWorkPosDA();
    table_.Disp_PosiData3();
    table_.setCurrentDataFile(path);
    ctx_.operation.DataChangeFlag = false;
    showUnitLine(ctx_, view_.deviceView());
    return 0;
}

void PositionFiles::newData() {
    if (ctx_.operation.DataChangeFlag) {
        const QString question = ctx_.msg(481) + QLatin1Char(' ') + ctx_.msg(482);
        switch (ctx_.op.message(question, Buttons::YesNoCancel, Icon::Question)) {
        case Answer::Yes:
            if (!saveAs())
                return;
            break;
        case Answer::No:
            break;
        default:
            return;
        }
    }
    table_.clearArrays();
    table_.grid().init(PositionGridModel::InitMode::ClearAll);
    ctx_.operation.DataChangeFlag = false;
    table_.setCurrentDataName(ctx_.msg(483));
}

void PositionFiles::PosiDataFileShogo() {
    if (table_.PosiDataTorikomi() != 0) {
        ctx_.op.message(ctx_.texts.joined({401, 402}));
        return;
    }
    FileDialogRequest request = positionFileDialog(ctx_, 403);
    request.mustExist = true;
    const auto path = ctx_.op.openFile(request);
    if (!path || ReadPositionFile(*path) != 0)
        return;
    for (int p = 1; p <= kPositionFileRecords; ++p)
        table_.workPosDA[p][PfOut] = table_.PosiDataArray[p][PfOut];

    const QString source = ctx_.msg(406) + QLatin1Char('(') + nameWithoutFolder(*path) + QLatin1Char(')');
    if (table_.PosiDataSyogoProc() == 0) {
        ctx_.op.message(source + kParagraph + ctx_.msg(410));
    } else {
        ctx_.op.message(source + kParagraph + ctx_.texts.joined({407, 408}) + kParagraph +
                        table_.VerifyResultList);
        ctx_.op.showDifferences(positionDiff(ctx_, table_, ctx_.msg(822).arg(nameWithoutFolder(*path))),
                                ctx_.texts);
    }
}

void PositionFiles::verifyWithChoice(const std::function<int()>& askSource,
                                     const std::function<void()>& verifyCt,
                                     const std::function<void()>& releasePort) {
    if (table_.guardChecks(GuardFor::Verify) != 0)
        return;
    switch (askSource()) {
    case 1:
        PosiDataFileShogo();
        break;
    case 2:
        ctx_.operation.CtBusyFlag = true;
        verifyCt();
        ctx_.operation.CtBusyFlag = false;
        break;
    default:
        break;
    }
    releasePort();
}

} // namespace zovi
