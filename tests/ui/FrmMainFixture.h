#pragma once

#include "device/Conversion.h"
#include "position/PositionGridModel.h"
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

    // The run's device (VQ- 28L-100, which the start-up sets and Form_Load cleared) and grid positions 1, 2,
    // ... from "VEL,ACC,mm[,comment]" each.
    void fillGrid(const QStringList& rows) {
        t.ctx.device.DevSize = QStringLiteral(" 28");
        t.ctx.device.DevSpeed = QStringLiteral("L");
        t.ctx.device.DevStroke = 100;
        conv::recomputeLimits(t.ctx.device);
        for (int p = 1; p <= rows.size(); ++p) {
            const QStringList cells = rows[p - 1].split(u',');
            for (int c = 0; c < cells.size(); ++c)
                window->positionModel().setText(p, QList{1, 2, 3, 5}[c], cells[c]); // VEL, ACC, mm, comment
        }
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
