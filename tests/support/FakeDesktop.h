#pragma once

#include "app/Desktop.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QUrl>

namespace zovi::test {

// A desktop with only the files, registry values, programs and browser a test gives it; it records
// the pages opened and the programs started.
class FakeDesktop : public Desktop {
public:
    bool openUrl(const QUrl& url, QString* failure) override {
        opened << url;
        if (!browserWorks && failure)
            *failure = browserFailure;
        return browserWorks;
    }
    std::optional<QString> registryValue(const QString& key, const QString& valueName) override {
        const auto it = registry.constFind(key + QLatin1Char('|') + valueName);
        return it == registry.constEnd() ? std::nullopt : std::optional<QString>(*it);
    }
    bool fileExists(const QString& path) override { return files.contains(path); }
    std::optional<QString> findProgram(const QString& name) override {
        return programs.contains(name) ? std::optional<QString>(QStringLiteral("/usr/bin/") + name)
                                       : std::nullopt;
    }
    bool startProgram(const QString& path) override {
        started << path;
        return startWorks;
    }

    bool browserWorks = true;
    QString browserFailure; // the platform's words when the browser cannot be started
    bool startWorks = true;
    QHash<QString, QString> registry; // "key|value name" to value
    QSet<QString> files;
    QSet<QString> programs;
    QList<QUrl> opened;
    QStringList started;
};

} // namespace zovi::test
