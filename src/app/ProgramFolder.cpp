#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zovi {

ProgramFolder::ProgramFolder()
    : folder_(locate(QCoreApplication::applicationDirPath())) {}

QString ProgramFolder::locate(const QString& programDir) {
    // The manual lies in every data folder, built or installed.
    const QString marker = QStringLiteral("help/index.html");
    const QString installed = QDir::cleanPath(
        QDir(programDir).filePath(QStringLiteral("../") + QStringLiteral(ZOVI_INSTALL_DATADIR)));
    if (!QFileInfo::exists(QDir(programDir).filePath(marker)) &&
        QFileInfo::exists(QDir(installed).filePath(marker)))
        return installed;
    return programDir;
}

QString ProgramFolder::file(const QString& name) const {
    return QDir(folder_).filePath(name);
}

} // namespace zovi
