// The main window over a scripted controller: alarms, version, modes, and the bracket that
// keeps a second exchange from starting while one waits.
#include "FrmMainFixture.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// The controls that start an exchange.
const QStringList kStarters{u"cmdReset"_s,      u"cmdGetfromCt"_s,    u"mnuShowCtversion"_s,
                            u"mnuModeChange"_s, u"mnuView"_s,         u"mnuFileGetfromCt"_s,
                            u"tbButton_Read"_s, u"optModeSelect_0"_s, u"imgButton_0"_s};

struct Connected : ConnectedWindowFixture {
    QStringList disabledStarters() const { return unusable(kStarters); }
};

} // namespace

class TestFrmMainController : public QObject {
    Q_OBJECT
private slots:
    void alarmLineShowsOnThePanelAndResetClearsIt();
    void versionAndModeMenus();
    void nothingStartsAnExchangeWhileOneWaits();
    void controlsComeBackAfterAFailureAndATimeOut();
    void closeReleasesTheOpenPort();
};

// The alarm list read at load explains the alarm line; the reset button clears it.
void TestFrmMainController::alarmLineShowsOnThePanelAndResetClearsIt() {
    Connected c;
    QVERIFY(c.t.op.messages.isEmpty());
    c.port->open(1);
    c.port->deliverNow("0%%0E\r\n");
    auto* lamp = c.find<QWidget>(u"imgAlarmLed"_s);
    QVERIFY(lamp->isVisibleTo(c.window.get()));
    QCOMPARE(c.find<QLabel>(u"lblAlarmNo"_s)->text(), u"0E"_s);
    QVERIFY(c.find<QLabel>(u"lblErrorComment"_s)->text().startsWith(u"Emergency stop"_s));
    QVERIFY(!c.find<QWidget>(u"imgHomeGreen"_s)->isVisibleTo(c.window.get()));

    c.port->scriptText("0%C00\r\n");
    c.find<QPushButton>(u"cmdReset"_s)->click();
    QCOMPARE(c.port->written, QByteArrayList{"0%C\r\n"});
    QVERIFY(!lamp->isVisibleTo(c.window.get()));
    QCOMPARE(c.find<QLabel>(u"lblErrorComment"_s)->text(), u"No Error"_s);
    QCOMPARE(c.find<QLabel>(u"lblAlarmNo"_s)->text(), QString());
    QVERIFY(!c.t.ctx.operation.CtBusyFlag);
}

// The version menu writes the status bar; the mode menus ask before they send anything.
void TestFrmMainController::versionAndModeMenus() {
    Connected c;
    c.port->scriptText("0CM1\r\n");
    c.port->scriptText("0RV120000\r\n");
    c.find<QAction>(u"mnuShowCtversion"_s)->trigger();
    QCOMPARE(c.t.op.lastText(), u"Version of the controller is 120."_s);
    QCOMPARE(c.find<QLabel>(u"sbPanel_1"_s)->text(), u"The version of this C/T is 120"_s);
    c.port->written.clear();
    c.t.op.messages.clear();
    c.t.op.answer(Answer::No);
    c.find<QAction>(u"mnuModeGaibu"_s)->trigger();
    c.t.op.answer(Answer::No);
    c.find<QAction>(u"mnuModeTrancefer"_s)->trigger();
    QCOMPARE(c.t.op.messages.size(), 2);
    QVERIFY(c.port->written.isEmpty());
}

// During the reset's wait for its reply, nothing that starts another exchange can be chosen.
void TestFrmMainController::nothingStartsAnExchangeWhileOneWaits() {
    Connected c;
    const QStringList editMode = {u"imgButton_0"_s};
    QCOMPARE(c.disabledStarters(), editMode);
    c.port->script({{"0%C00\r\n", 300}});
    QStringList during;
    QTimer::singleShot(100, this, [&] { during = c.disabledStarters(); });
    c.find<QPushButton>(u"cmdReset"_s)->click();
    QCOMPARE(during.size(), 9);
    QCOMPARE(c.disabledStarters(), editMode);
    QCOMPARE(c.port->written, QByteArrayList{"0%C\r\n"});

    // In Move Mode the data commands stay disabled after the reset.
    c.window->optModeSelect_Click(FrmMain::MoveMode);
    const QStringList moveMode = c.disabledStarters();
    QVERIFY(moveMode.contains(u"cmdGetfromCt"_s) && !moveMode.contains(u"imgButton_0"_s));
    c.port->scriptText("0%C00\r\n");
    c.find<QPushButton>(u"cmdReset"_s)->click();
    QCOMPARE(c.disabledStarters(), moveMode);
}

void TestFrmMainController::controlsComeBackAfterAFailureAndATimeOut() {
    Connected c;
    const QStringList editMode = {u"imgButton_0"_s};
    c.port->scriptText("0%%0E\r\n"); // the reset refused with an alarm
    c.find<QPushButton>(u"cmdReset"_s)->click();
    QCOMPARE(c.disabledStarters(), editMode);
    c.find<QAction>(u"mnuShowCtversion"_s)->trigger(); // no reply to the port check: a time-out
    QCOMPARE(c.t.op.lastText(), u"Failed to get version information of controller."_s);
    QCOMPARE(c.disabledStarters(), editMode);
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
