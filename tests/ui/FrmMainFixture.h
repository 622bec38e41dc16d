#pragma once

#include "support/FakeDesktop.h"
#include "support/TestContext.h"
#include "ui/FrmMain.h"

#include <QUrl>
#include <memory>

namespace zovi::test {

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
