#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

namespace zovi {

// What the help and about commands need of the desktop: a browser for the manual, a registry for
// the system-information tool, and a way to start a program.
class Desktop {
public:
    virtual ~Desktop() = default;
    // False when no browser could be started; `failure` then receives the platform's description
    // of what went wrong, when it gives one.
    virtual bool openUrl(const QUrl& url, QString* failure) = 0;
    // A value of the machine-wide registry; nothing where the platform has no registry.
    virtual std::optional<QString> registryValue(const QString& key, const QString& valueName) = 0;
    virtual bool fileExists(const QString& path) = 0;
    // The full path of a program found on the search path.
    virtual std::optional<QString> findProgram(const QString& name) = 0;
    virtual bool startProgram(const QString& path) = 0;
};

// The real desktop of this machine.
class SystemDesktop : public Desktop {
public:
    bool openUrl(const QUrl& url, QString* failure) override;
    std::optional<QString> registryValue(const QString& key, const QString& valueName) override;
    bool fileExists(const QString& path) override;
    std::optional<QString> findProgram(const QString& name) override;
    bool startProgram(const QString& path) override;
};

} // namespace zovi
