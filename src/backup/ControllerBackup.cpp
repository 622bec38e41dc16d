#include "backup/ControllerBackup.h"

#include "app/AppContext.h"
#include "app/Options.h"
#include "app/WholeFile.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterFile.h"
#include "position/PositionFile.h"

namespace zovi {

namespace {

// The device a parameter set is for, as the backup's name carries it: "VQ- 28L-100".
QString parameterDevice(const ParameterSet& set) {
    return (set.Type == 2 ? QStringLiteral("JM-") : QStringLiteral("VQ-")) + set.Actuator;
}

} // namespace

ControllerBackup::ControllerBackup(AppContext& ctx, BackupFolder folder)
    : ctx_(ctx)
    , folder_(std::move(folder)) {}

bool ControllerBackup::beforePositionWrite(const std::function<int(PositionArray&)>& read,
                                           const QString& deviceName) {
    lastSaved.clear();
    if (!autoBackupEnabled(ctx_))
        return true;
    PositionArray staging;
    if (read(staging) != 0)
        return goOnWithout();
    PositionFileData data;
    data.deviceName = deviceName;
    data.newOld = ctx_.device.IsNewType ? QStringLiteral("NEW") : QStringLiteral("OLD");
    for (int p = 1; p <= kPositionFileRecords; ++p) {
        PositionFileRecord& record = data.records[p - 1];
        record.vel = qint16(staging[p][PfVel].toInt());
        record.acc = qint16(staging[p][PfAcc].toInt());
        record.pulses = staging[p][PfPulse].toInt();
    }
    const QByteArray bytes = positionFileBytes(data);
    const auto write = [&bytes](const QString& path) {
        return writeWholeFile(path, bytes).isEmpty();
    };
    return save(BackupKind::Positions, deviceName, write) || goOnWithout();
}

bool ControllerBackup::beforeParameterWrite(const std::function<int(ParaSlots&)>& read) {
    lastSaved.clear();
    if (!autoBackupEnabled(ctx_))
        return true;
    ParameterState staging;
    if (read(staging.ParaFileData) != 0)
        return goOnWithout();
    ParaDA2Hensu(staging);
    const auto write = [&staging](const QString& path) {
        return SaveParaFileAs(path, staging.set) == 0;
    };
    return save(BackupKind::Parameters, parameterDevice(staging.set), write) || goOnWithout();
}

bool ControllerBackup::save(BackupKind kind, const QString& device,
                            const std::function<bool(const QString&)>& write) {
    const std::optional<QString> path = folder_.newFilePath(kind, device, now());
    if (!path || !write(*path))
        return false;
    lastSaved = *path;
    folder_.prune();
    return true;
}

bool ControllerBackup::goOnWithout() {
    return ctx_.op.message(ctx_.texts.joined({831, 832}), Buttons::YesNoDefaultNo, Icon::Exclamation) ==
           Answer::Yes;
}

} // namespace zovi
