#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace zovi {

// The folder where the controller's data are kept before each write, and the names of its files:
//   20261206-101530-positions-VQ-28L-100.vqd     (a second backup in the same second: ..._2.vqd)
//   20261206-101530-parameters-VQ-28L-100.pmt
// the local date and time the data were read, the kind, and the device with everything but letters
// and digits turned into single dashes, so that a name is safe on every file system. Files whose
// names do not read this way are not backups: listing and pruning leave them alone.

enum class BackupKind { Positions, Parameters };

struct BackupEntry {
    QString path;
    QDateTime taken;
    BackupKind kind = BackupKind::Positions;
    QString device;   // as the name carries it
    int sequence = 1; // 2, 3 ... for later backups within the same second
};

// "VQ- 28L-100 " -> "VQ-28L-100"; "unknown" when nothing is left.
QString fileSafeDevice(const QString& device);
QString backupFileName(BackupKind kind, const QString& device, const QDateTime& taken, int sequence = 1);
// Nothing for a name that is not a backup's (also a kind that does not match the extension).
std::optional<BackupEntry> parseBackupFileName(const QString& fileName);

class BackupFolder {
public:
    // How many backups the folder keeps, both kinds counted together.
    static constexpr int kKept = 50;

    explicit BackupFolder(QString path);
    // The per-user data folder's "backups".
    static QString defaultPath();

    const QString& path() const { return path_; }
    // The path for a new backup: the folder is made when missing, and a name already taken gets the
    // next sequence number. Nothing when the folder cannot be made.
    std::optional<QString> newFilePath(BackupKind kind, const QString& device, const QDateTime& taken) const;
    // The backups in the folder, newest first.
    QList<BackupEntry> list() const;
    // Deletes the oldest backups beyond `keep`; the number deleted.
    int prune(int keep = kKept) const;

private:
    QString path_;
};

} // namespace zovi
