#include "FrmMainFixture.h"
#include "session/ControllerSession.h"
#include "support/FakePorts.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// A loaded main window whose controller link talks to a scripted far end.
struct Connected : MainWindowFixture {
    Connected() {
        auto scripted = std::make_unique<ScriptedPort>();
        port = scripted.get();
        controller = std::make_unique<ControllerSession>(t.ctx, *window, *window, std::move(scripted));
        window->attachController(*controller);
        load();
    }
    ~Connected() { controller.reset(); }
    ScriptedPort* port = nullptr;
    std::unique_ptr<ControllerSession> controller;
};

} // namespace

class TestFrmMainController : public QObject {
    Q_OBJECT
private slots:
    void loadReadsTheAlarmList();
    void alarmLineShowsOnThePanelAndResetClearsIt();
    void portLampFollowsThePort();
    void versionMenuWritesTheStatusBar();
    void modeMenusAskFirst();
    void closeReleasesTheOpenPort();
};

void TestFrmMainController::loadReadsTheAlarmList() {
    Connected c;
    QVERIFY(!c.controller->alarms.ErrListMissingFlag);
    QVERIFY(c.controller->alarms.list().records().size() > 0);
    QVERIFY(c.t.op.messages.isEmpty());
}

void TestFrmMainController::alarmLineShowsOnThePanelAndResetClearsIt() {
    Connected c;
    c.port->open(1);
    c.port->deliverNow("0%%0E\r\n");
    auto* lamp = c.find<QWidget>(QStringLiteral("imgAlarmLed"));
    QVERIFY(lamp->isVisibleTo(c.window.get()));
    QCOMPARE(c.find<QLabel>(QStringLiteral("lblAlarmNo"))->text(), QStringLiteral("0E"));
    QVERIFY(c.find<QLabel>(QStringLiteral("lblErrorComment"))
                ->text()
                .startsWith(QStringLiteral("Emergency stop")));
    QVERIFY(!c.find<QWidget>(QStringLiteral("imgHomeGreen"))->isVisibleTo(c.window.get()));

    c.port->scriptText("0%C00\r\n");
    c.find<QPushButton>(QStringLiteral("cmdReset"))->click();
    QCOMPARE(c.port->written, QByteArrayList{"0%C\r\n"});
    QVERIFY(!lamp->isVisibleTo(c.window.get()));
    QCOMPARE(c.find<QLabel>(QStringLiteral("lblErrorComment"))->text(), QStringLiteral("No Error"));
    QCOMPARE(c.find<QLabel>(QStringLiteral("lblAlarmNo"))->text(), QString());
    QVERIFY(c.find<QPushButton>(QStringLiteral("cmdReset"))->isEnabled());
    QVERIFY(!c.t.ctx.operation.CtBusyFlag);
}

void TestFrmMainController::portLampFollowsThePort() {
    Connected c;
    auto* lamp = c.find<QWidget>(QStringLiteral("imgPortGreen"));
    c.port->open(1);
    QTRY_VERIFY_WITH_TIMEOUT(lamp->isVisibleTo(c.window.get()), 300);
    c.port->close();
    QTRY_VERIFY_WITH_TIMEOUT(!lamp->isVisibleTo(c.window.get()), 300);
}

void TestFrmMainController::versionMenuWritesTheStatusBar() {
    Connected c;
    c.port->scriptText("0CM1\r\n");
    c.port->scriptText("0RV120000\r\n");
    c.find<QAction>(QStringLiteral("mnuShowCtversion"))->trigger();
    QCOMPARE(c.t.op.lastText(), QStringLiteral("Version of the controller is 120."));
    QCOMPARE(c.find<QLabel>(QStringLiteral("sbPanel_1"))->text(),
             QStringLiteral("The version of this C/T is 120"));
    QVERIFY(c.find<QPushButton>(QStringLiteral("cmdFileOpen"))->isEnabled());
    QVERIFY(c.find<QAction>(QStringLiteral("mnuShowCtversion"))->isEnabled());
}

void TestFrmMainController::modeMenusAskFirst() {
    Connected c;
    c.t.op.answer(Answer::No);
    c.find<QAction>(QStringLiteral("mnuModeGaibu"))->trigger();
    c.t.op.answer(Answer::No);
    c.find<QAction>(QStringLiteral("mnuModeTrancefer"))->trigger();
    QCOMPARE(c.t.op.messages.size(), 2);
    QVERIFY(c.port->written.isEmpty());
    QVERIFY(c.find<QPushButton>(QStringLiteral("cmdGetfromCt"))->isEnabled());
}

void TestFrmMainController::closeReleasesTheOpenPort() {
    Connected c;
    c.port->open(1);
    c.t.op.answer(Answer::Ok);
    QVERIFY(c.window->close());
    QVERIFY(!c.port->isOpen());
}

QTEST_MAIN(TestFrmMainController)
#include "tst_frmmain_controller.moc"
