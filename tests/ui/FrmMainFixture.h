#pragma once

#include "support/FakeDesktop.h"
#include "support/TestContext.h"
#include "ui/FrmMain.h"

#include <QAction>
#include <QMenu>
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

    // Whether a named control can be used: a menu's title item, an action, or a widget as it stands.
    bool usable(const QString& name) const {
        QObject* object = find<QObject>(name);
        if (!object)
            qFatal("no control %s", qPrintable(name));
        if (auto* menu = qobject_cast<QMenu*>(object))
            object = menu->menuAction();
        if (auto* action = qobject_cast<QAction*>(object))
            return action->isEnabled();
        return qobject_cast<QWidget*>(object)->isEnabled();
    }

    TestContext t;
    FakeDesktop desktop;
    std::unique_ptr<FrmMain> window;
};

} // namespace zovi::test
