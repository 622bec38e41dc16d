#include "app/Desktop.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace zovi {

bool SystemDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}

std::optional<QString> SystemDesktop::registryValue(const QString& key, const QString& valueName) {
#ifdef Q_OS_WIN
    QSettings registry(QStringLiteral("HKEY_LOCAL_MACHINE\\") + key, QSettings::NativeFormat);
    const QVariant value = registry.value(valueName);
    if (!value.isValid())
        return std::nullopt;
    if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::UInt)
        return QStringLiteral("&h") + QString::number(value.toUInt(), 16).toUpper();
    return value.toString().section(QChar(0), 0, 0);
#else
    Q_UNUSED(key);
    Q_UNUSED(valueName);
    return std::nullopt;
#endif
}

bool SystemDesktop::fileExists(const QString& path) {
    return QFileInfo::exists(path);
}

std::optional<QString> SystemDesktop::findProgram(const QString& name) {
    const QString path = QStandardPaths::findExecutable(name);
    if (path.isEmpty())
        return std::nullopt;
    return path;
}

bool SystemDesktop::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

} // namespace zovi
