#pragma once

#include "app/Desktop.h"
#include "support/TestContext.h"
#include "ui/FrmMain.h"

#include <QUrl>
#include <memory>

namespace zovi::test {

// A desktop without files, registry, programs or browser.
class FakeDesktop : public Desktop {
public:
    bool openUrl(const QUrl&) override { return false; }
    std::optional<QString> registryValue(const QString&, const QString&) override { return std::nullopt; }
    bool fileExists(const QString&) override { return false; }
    std::optional<QString> findProgram(const QString&) override { return std::nullopt; }
    bool startProgram(const QString&) override { return false; }
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
