#pragma once

#include "app/ParameterState.h"
#include "backup/BackupFolder.h"
#include "position/PositionTable.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace zovi {

class AppContext;

// The step a write to the controller takes just before its first write frame: what the controller
// holds is read into a staging copy that no window shows, saved in the backup folder by the same
// writers as File > Save, and the folder is pruned to its newest BackupFolder::kKept files.
//
// When the read or the save fails, the operator is asked (Yes / No, No the default) whether to write
// without a backup; the step's answer is whether the write goes on. With the setting "AutoBackup"
// off, nothing is read and the write goes on.
class ControllerBackup {
public:
    ControllerBackup(AppContext& ctx, BackupFolder folder);

    // The time a backup is named after; tests may fix it.
    std::function<QDateTime()> now = [] {
        return QDateTime::currentDateTime();
    };

    // `read` fills a staging copy of the position table with the controller's positions (0 when it
    // did, after telling the operator of a failure otherwise). The file records `deviceName` and the
    // program's NEW / OLD type, as a saved position file does; the controller keeps no comments.
    bool beforePositionWrite(const std::function<int(PositionArray&)>& read, const QString& deviceName);
    // `read` fills a staging table with the controller's parameters (0 when it did).
    bool beforeParameterWrite(const std::function<int(ParaSlots&)>& read);

    // The file the last backup was written to; empty when it was not.
    QString lastSaved;

private:
    // A new backup file written by `write` (true when every byte reached it), then the folder pruned.
    bool save(BackupKind kind, const QString& device, const std::function<bool(const QString&)>& write);
    // After a failure: true when the operator chooses to write without a backup.
    bool goOnWithout();

    AppContext& ctx_;
    BackupFolder folder_;
};

} // namespace zovi
