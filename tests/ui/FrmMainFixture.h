#pragma once

#include "session/ControllerSession.h"
#include "support/FakeDesktop.h"
#include "support/FakePorts.h"
#include "support/LinkFixture.h"
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
    // Those of the named controls that cannot be used now, in the order given.
    QStringList unusable(const QStringList& names) const {
        QStringList disabled;
        for (const QString& name : names) {
            if (!usable(name))
                disabled << name;
        }
        return disabled;
    }

    TestContext t;
    FakeDesktop desktop;
    std::unique_ptr<FrmMain> window;
};

// A loaded main window whose controller link talks to a scripted far end, moves timed on a fake clock.
struct ConnectedWindowFixture : MainWindowFixture {
    ConnectedWindowFixture() {
        auto scripted = std::make_unique<ScriptedPort>();
        auto fake = std::make_unique<FakeClock>();
        port = scripted.get();
        clock = fake.get();
        controller = std::make_unique<ControllerSession>(t.ctx, *window, *window, std::move(scripted),
                                                         std::move(fake));
        window->attachController(*controller);
        load();
    }
    ~ConnectedWindowFixture() { controller.reset(); }

    ScriptedPort* port = nullptr;
    FakeClock* clock = nullptr;
    std::unique_ptr<ControllerSession> controller;
};

} // namespace zovi::test
