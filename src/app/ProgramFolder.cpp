#include "app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace zovi {

ProgramFolder::ProgramFolder() {
    const QString appDir = QCoreApplication::applicationDirPath();
    const QString installed =
        QDir(appDir).absoluteFilePath(QStringLiteral("../") + QStringLiteral(ZOVI_INSTALL_DATADIR));
    if (!QFileInfo::exists(QDir(appDir).filePath(QStringLiteral("catalogue.tsv"))) &&
        QFileInfo::exists(QDir(installed).filePath(QStringLiteral("catalogue.tsv"))))
        folder_ = QDir::cleanPath(installed);
    else
        folder_ = appDir;
}

QString ProgramFolder::file(const QString& name) const {
    return QDir(folder_).filePath(name);
}

} // namespace zovi
