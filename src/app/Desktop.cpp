#include "app/Desktop.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

namespace zovi {

namespace {

// How long the desktop's opener may take to report that it found no browser.
constexpr int kOpenerVerdictMs = 2000;

// The last line the opener wrote to its error output: its own words for the failure.
QString lastErrorLine(QProcess& process) {
    const QStringList lines =
        QString::fromLocal8Bit(process.readAllStandardError()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.isEmpty() ? QString() : lines.constLast().trimmed();
}

// xdg-open returns at once when the desktop hands the page to its browser, but on a bare desktop it
// runs the browser itself and returns only when the browser ends. So the page counts as shown when
// the opener is still running after kOpenerVerdictMs, and as not shown when it has ended with an
// error by then (exit code 3: no browser found).
bool openWith(const QString& opener, const QUrl& url, QString* failure) {
    auto process = std::make_unique<QProcess>();
    process->setStandardOutputFile(QProcess::nullDevice());
    process->start(opener, {url.toString()});
    if (!process->waitForStarted()) {
        if (failure)
            *failure = process->errorString();
        return false;
    }
    QEventLoop loop;
    QTimer verdict;
    verdict.setSingleShot(true);
    QObject::connect(&verdict, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(process.get(), &QProcess::finished, &loop, &QEventLoop::quit);
    verdict.start(kOpenerVerdictMs);
    loop.exec();
    if (process->state() != QProcess::NotRunning) {
        // The opener runs the browser: it lives on until the browser ends.
        QProcess* running = process.release();
        running->setParent(QCoreApplication::instance());
        QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
        return true;
    }
    if (process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0)
        return true;
    if (failure)
        *failure = lastErrorLine(*process);
    return false;
}

} // namespace

bool SystemDesktop::openUrl(const QUrl& url, QString* failure) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (const auto opener = findProgram(QStringLiteral("xdg-open")))
        return openWith(*opener, url, failure);
#endif
    if (failure)
        failure->clear();
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
