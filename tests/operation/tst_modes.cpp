#include "operation/ControllerModes.h"
#include "support/LinkFixture.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

struct Modes : LinkFixture<ScriptedPort> {
    Modes() { alarms.Get_ErrorList(); }
    ControllerModes modes{t.ctx, link, view, view, alarms};
};

const QStringList kBracket{"CMDBTN_Muko", "ToolBar_Muko", "CMDBTN_Yuko", "ToolBar_Yuko"};

} // namespace

class TestModes : public QObject {
    Q_OBJECT
private slots:
    void answeringNoSendsNothing_data();
    void answeringNoSendsNothing();
    void externalStartMode_data();
    void externalStartMode();
    void communicationMode();
    void versionQuery();
    void versionQueryAnsweredByAnAlarmResetsIt();
    void versionQueryWithoutController();
    void resetButton_data();
    void resetButton();
    void controllerResetIsSentWithoutWaitingForAReply();
    void controllerResetCancelled();
};

void TestModes::answeringNoSendsNothing_data() {
    QTest::addColumn<bool>("external");
    QTest::newRow("external start mode") << true;
    QTest::newRow("communication mode") << false;
}

void TestModes::answeringNoSendsNothing() {
    QFETCH(bool, external);
    Modes m;
    m.t.op.answer(Answer::No);
    if (external)
        m.modes.mnuModeGaibu_Click();
    else
        m.modes.mnuModeTrancefer_Click();
    QVERIFY(m.port.written.isEmpty());
    QCOMPARE(m.port.opens, 0);
    QCOMPARE(m.view.calls, kBracket);
    QCOMPARE(m.t.op.messages.size(), 1);
    QCOMPARE(m.t.op.messages[0].buttons, Buttons::YesNo);
    QCOMPARE(m.t.op.messages[0].icon, Icon::Question);
    QCOMPARE(m.t.op.messages[0].text,
             external ? QStringLiteral("Change to [External start mode].\r\n\r\nIs it OK?")
                      : QStringLiteral("Change to [Communication mode].\r\n\r\nIs it OK?"));
    QVERIFY(!m.t.ctx.operation.CtBusyFlag);
}

void TestModes::externalStartMode_data() {
    QTest::addColumn<QByteArray>("modeReply");
    QTest::addColumn<QString>("result");
    QTest::newRow("changed") << QByteArray("0CM0\r\n") << "Chaged to [External start mode].";
    QTest::newRow("refused") << QByteArray("0CX0\r\n")
                             << "Communication error occurs!\r\n\r\nIf not activated when reset "
                                "switch on,Turn off the power once and turn on again.";
}

void TestModes::externalStartMode() {
    QFETCH(QByteArray, modeReply);
    QFETCH(QString, result);
    Modes m;
    m.port.scriptText("0CM1\r\n");
    m.port.scriptText(modeReply);
    m.port.scriptText("0CM0\r\n"); // answers the recovery exchange after a refusal
    m.modes.mnuModeGaibu_Click();
    QCOMPARE(m.port.written.mid(0, 2), (QByteArrayList{"0CM1\r\n", "0CM0\r\n"}));
    QCOMPARE(m.t.op.messages.last().text, result);
    QCOMPARE(m.t.op.messages.last().icon, Icon::None);
    QVERIFY2(!m.link.state.CommErrorFlag, "cleared after the mode change, whatever happened");
    QVERIFY(!m.port.isOpen());
    QCOMPARE(m.view.calls, kBracket);
}

void TestModes::communicationMode() {
    Modes m;
    m.port.scriptText("0CM1\r\n");
    m.modes.mnuModeTrancefer_Click();
    QCOMPARE(m.port.written, QByteArrayList{"0CM1\r\n"});
    QCOMPARE(m.t.op.messages.last().text, QStringLiteral("Changed [Communication mode]."));
    QVERIFY(!m.port.isOpen());
    QVERIFY(!m.t.ctx.operation.CtBusyFlag);
}

void TestModes::versionQuery() {
    Modes m;
    m.t.ctx.options.PortOccupyFlag = false;
    m.port.scriptText("0CM1\r\n");
    m.port.scriptText("0RV120    \r\n"); // 12 characters: wrong length
    m.port.scriptText("0CM0\r\n");
    m.modes.mnuShowCtversion_Click();
    QCOMPARE(m.t.op.messages.last().text, QStringLiteral("Failed to get version information of controller."));
    QCOMPARE(m.view.panels.value(1), QStringLiteral("No version information"));

    m.port.scriptText("0CM1\r\n");
    m.port.scriptText("0RV120   \r\n");
    m.modes.mnuShowCtversion_Click();
    QCOMPARE(m.modes.VersionText, QStringLiteral("120"));
    QCOMPARE(m.t.op.messages.last().text, QStringLiteral("Version of the controller is 120."));
    QCOMPARE(m.view.panels.value(1), QStringLiteral("The version of this C/T is 120"));
    QVERIFY(!m.port.isOpen());
    QVERIFY(!m.t.ctx.operation.CtBusyFlag);
    QCOMPARE(m.view.calls.mid(m.view.calls.size() - 6),
             (QStringList{"CMDBTN_Muko", "ToolBar_Muko", "Menyu_Muko", "CMDBTN_Yuko", "ToolBar_Yuko",
                          "Menyu_Yuko"}));
}

void TestModes::versionQueryAnsweredByAnAlarmResetsIt() {
    Modes m;
    m.port.scriptText("0CM1\r\n");
    m.port.scriptText("0%%0E\r\n");
    m.port.scriptText("0%C00\r\n");
    m.modes.mnuShowCtversion_Click();
    QCOMPARE(m.port.written, (QByteArrayList{"0CM1\r\n", "0RV\r\n", "0%C\r\n"}));
    QCOMPARE(m.view.panels.value(1), QStringLiteral("No version information"));
    QCOMPARE(m.t.op.messages.size(), 2); // the alarm, then the failure
    QVERIFY(m.t.op.messages[0].text.contains(QStringLiteral("Error No.0E")));
    QCOMPARE(m.t.op.messages[1].text, QStringLiteral("Failed to get version information of controller."));
    QVERIFY2(!m.view.alarmLamp, "the reset cleared the alarm display");
}

void TestModes::versionQueryWithoutController() {
    Modes m;
    m.port.failOpen = true;
    m.modes.mnuShowCtversion_Click();
    QCOMPARE(m.t.op.messages.size(), 2);
    QCOMPARE(m.t.op.messages[0].text, QStringLiteral("Failed in opening of a communication port."));
    QCOMPARE(m.t.op.messages[1].text, QStringLiteral("Failed to get version information of controller."));
}

void TestModes::resetButton_data() {
    QTest::addColumn<QByteArray>("reply");
    QTest::addColumn<bool>("alarmAfter");
    QTest::newRow("alarm cleared") << QByteArray("0%C00\r\n") << false;
    QTest::newRow("alarm still active") << QByteArray("0%%0E\r\n") << true;
}

void TestModes::resetButton() {
    QFETCH(QByteArray, reply);
    QFETCH(bool, alarmAfter);
    Modes m;
    m.port.open(1);
    m.port.deliverNow("0%%0E\r\n");
    QVERIFY(m.view.alarmLamp);
    m.port.scriptText(reply);
    m.modes.cmdReset_Click();
    QCOMPARE(m.port.written, QByteArrayList{"0%C\r\n"});
    QCOMPARE(m.view.alarmLamp, alarmAfter);
    QCOMPARE(m.view.calls, (QStringList{"reset off", "reset on"}));
    QVERIFY(!m.t.ctx.operation.CtBusyFlag);
    if (!alarmAfter) {
        QCOMPARE(m.view.errorComment, QStringLiteral("No Error"));
        QVERIFY(m.t.op.messages.isEmpty());
    } else {
        QVERIFY(m.t.op.messages.last().text.endsWith(m.t.ctx.msg(366)));
    }
}

void TestModes::controllerResetIsSentWithoutWaitingForAReply() {
    Modes m;
    m.port.scriptText("0CM1\r\n");
    QElapsedTimer clock;
    clock.start();
    m.modes.ResetCtByCommand(m.view);
    QVERIFY2(clock.elapsed() >= 290, "the controller is given 300 ms");
    QCOMPARE(m.port.written, (QByteArrayList{"0CM1\r\n", "0CM3\r\n"}));
    QCOMPARE(m.t.op.messages.size(), 1);
    QCOMPARE(m.t.op.messages[0].text, QStringLiteral("Reset controller. Is it OK?"));
    QCOMPARE(m.t.op.messages[0].buttons, Buttons::OkCancel);
    QCOMPARE(m.view.paraWinStatus, QStringList{"The controller is reset now."});
    QVERIFY(!m.view.out1 && !m.view.out2);
    QVERIFY(m.view.greyed > 0);
    QVERIFY(!m.port.isOpen());
}

void TestModes::controllerResetCancelled() {
    Modes m;
    m.t.op.answer(Answer::Cancel);
    m.modes.ResetCtByCommand(m.view);
    QVERIFY(m.port.written.isEmpty());
    QVERIFY(m.view.paraWinStatus.isEmpty());
}

QTEST_GUILESS_MAIN(TestModes)
#include "tst_modes.moc"
