#include "backup/BackupFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace zovi {

namespace {

const QString kStampFormat = QStringLiteral("yyyyMMdd-HHmmss");
// The sequence number of backups within one second has at most four digits.
constexpr int kMaxSequence = 9999;

QString kindWord(BackupKind kind) {
    return kind == BackupKind::Positions ? QStringLiteral("positions") : QStringLiteral("parameters");
}

QString extension(BackupKind kind) {
    return kind == BackupKind::Positions ? QStringLiteral("vqd") : QStringLiteral("pmt");
}

} // namespace

QString fileSafeDevice(const QString& device) {
    static const QRegularExpression unsafe(QStringLiteral("[^A-Za-z0-9]+"));
    QString safe = device;
    safe.replace(unsafe, QStringLiteral("-"));
    while (safe.startsWith(QLatin1Char('-')))
        safe.remove(0, 1);
    while (safe.endsWith(QLatin1Char('-')))
        safe.chop(1);
    return safe.isEmpty() ? QStringLiteral("unknown") : safe;
}

QString backupFileName(BackupKind kind, const QString& device, const QDateTime& taken, int sequence) {
    const QString suffix = sequence > 1 ? QStringLiteral("_%1").arg(sequence) : QString();
    return taken.toString(kStampFormat) + QLatin1Char('-') + kindWord(kind) + QLatin1Char('-') +
           fileSafeDevice(device) + suffix + QLatin1Char('.') + extension(kind);
}

std::optional<BackupEntry> parseBackupFileName(const QString& fileName) {
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d{8}-\\d{6})-(positions|parameters)-([A-Za-z0-9]+(?:-[A-Za-z0-9]+)*)(?:_(\\d{1,4}"
                       "))?\\.(vqd|pmt)$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    BackupEntry entry;
    entry.kind =
        match.captured(2) == QLatin1String("positions") ? BackupKind::Positions : BackupKind::Parameters;
    if (match.captured(5) != extension(entry.kind))
        return std::nullopt;
    entry.taken = QDateTime::fromString(match.captured(1), kStampFormat);
    if (!entry.taken.isValid())
        return std::nullopt;
    entry.device = match.captured(3);
    entry.sequence = match.captured(4).isEmpty() ? 1 : match.captured(4).toInt();
    if (entry.sequence < 2 && !match.captured(4).isEmpty())
        return std::nullopt;
    return entry;
}

BackupFolder::BackupFolder(QString path)
    : path_(std::move(path)) {}

QString BackupFolder::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + QStringLiteral("/backups");
}

std::optional<QString> BackupFolder::newFilePath(BackupKind kind, const QString& device,
                                                 const QDateTime& taken) const {
    const QDir folder(path_);
    if (!folder.mkpath(QStringLiteral(".")))
        return std::nullopt;
    for (int sequence = 1; sequence <= kMaxSequence; ++sequence) {
        const QString path = folder.filePath(backupFileName(kind, device, taken, sequence));
        if (!QFileInfo::exists(path))
            return path;
    }
    return std::nullopt;
}

QList<BackupEntry> BackupFolder::list() const {
    QList<BackupEntry> entries;
    const QFileInfoList files = QDir(path_).entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo& file : files) {
        if (auto entry = parseBackupFileName(file.fileName())) {
            entry->path = file.absoluteFilePath();
            entries.append(*entry);
        }
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry& a, const BackupEntry& b) {
        if (a.taken != b.taken)
            return a.taken > b.taken;
        if (a.sequence != b.sequence)
            return a.sequence > b.sequence;
        return a.path > b.path;
    });
    return entries;
}

int BackupFolder::prune(int keep) const {
    const QList<BackupEntry> entries = list();
    int removed = 0;
    for (qsizetype i = std::max(keep, 0); i < entries.size(); ++i) {
        if (QFile::remove(entries[i].path))
            ++removed;
    }
    return removed;
}

} // namespace zovi
