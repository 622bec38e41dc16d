// The main window's File > Restore from Backup and the backups its two writes take: a position backup
// opens into the grid as File > Open would, a parameter backup into the parameter window as its Open
// would. Nothing is written to the controller here.
#include "backup/ControllerBackup.h"
#include "parameter/ParameterCommands.h"
#include "position/PositionFiles.h"
#include "position/PositionTransfer.h"
#include "ui/FrmBackups.h"
#include "ui/FrmMain.h"
#include "ui/FrmParameta.h"

namespace zovi {

void FrmMain::mnuFileRestore_Click() {
    if (!devices_)
        return;
    FrmBackups dialog(ctx_, BackupFolder(BackupFolder::defaultPath()), this);
    if (dialog.exec() != QDialog::Accepted || !dialog.chosen())
        return;
    const BackupEntry entry = *dialog.chosen();
    if (entry.kind == BackupKind::Positions) {
        runPositionCommand(Busy::No, [this, &entry] { positionFiles().openFile(entry.path, *devices_); });
        return;
    }
    mnuShowParameta_Click();
    if (auto* window = findChild<FrmParameta*>(QStringLiteral("frmParameta"), Qt::FindDirectChildrenOnly))
        window->commands().openChosenFile(entry.path);
}

void FrmMain::backUpBeforeWriting(PositionTransfer& transfer) {
    transfer.beforeWrite = [this, &transfer] {
        ControllerBackup backup(ctx_, BackupFolder(BackupFolder::defaultPath()));
        return backup.beforePositionWrite(
            [&transfer](PositionArray& staging) { return transfer.readPositionsIntoStaging(staging); },
            deviceLabel());
    };
}

void FrmMain::backUpBeforeWriting(ParameterCommands& commands) {
    commands.beforeWrite = [this, &commands] {
        ControllerBackup backup(ctx_, BackupFolder(BackupFolder::defaultPath()));
        return backup.beforeParameterWrite(
            [&commands](ParaSlots& staging) { return commands.transfer.GetParametaValueProc(staging); });
    };
}

} // namespace zovi
