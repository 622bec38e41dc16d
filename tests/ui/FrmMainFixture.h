#pragma once

#include "app/Desktop.h"
#include "support/TestContext.h"
#include "ui/FrmMain.h"

#include <QStringList>
#include <QUrl>
#include <memory>

namespace zovi::test {

// A desktop whose files, registry and browser are answered by the test.
class FakeDesktop : public Desktop {
public:
    bool openUrl(const QUrl& url) override {
        opened << url;
        return browserWorks;
    }
    std::optional<QString> registryValue(const QString&, const QString&) override { return std::nullopt; }
    bool fileExists(const QString& path) override { return existingFiles.contains(path); }
    std::optional<QString> findProgram(const QString&) override { return std::nullopt; }
    bool startProgram(const QString&) override { return false; }

    QStringList existingFiles;
    bool browserWorks = true;
    QList<QUrl> opened;
};

// A loaded main window over a fresh run's state.
struct MainWindowFixture {
    explicit MainWindowFixture(qint16 langNo = 2)
        : t(langNo)
        , window(std::make_unique<FrmMain>(t.ctx, desktop)) {}

    FrmMain& load() {
        window->formLoad();
        return *window;
    }

    template <typename T> T* find(const QString& name) const { return window->findChild<T*>(name); }

    TestContext t;
    FakeDesktop desktop;
    std::unique_ptr<FrmMain> window;
};

} // namespace zovi::test
