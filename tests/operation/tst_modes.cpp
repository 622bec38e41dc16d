#include "operation/ControllerModes.h"
#include "support/LinkFixture.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

struct Modes : LinkFixture {
    explicit Modes(const QByteArrayList& replies = {}) {
        for (const QByteArray& reply : replies)
            port.scriptText(reply + "\r\n");
    }
    ControllerModes modes{t.ctx, link, view, view, alarms};
};

const QString kNoVersion = QStringLiteral("Failed to get version information of controller.");

} // namespace

class TestModes : public QObject {
    Q_OBJECT
private slots:
    // A mode change asks first and brackets itself with the disabling of the commands; whatever the
    // controller answered, it leaves the port released and no communication error behind. Each scripted
    // reply answers one frame (the frames themselves are checked with the command table).
    void modeChanges_data() {
        QTest::addColumn<bool>("external");
        QTest::addColumn<QByteArrayList>("replies"); // none: the operator answers No
        QTest::addColumn<QString>("result");         // the last message
        QTest::newRow("external: no")
            << true << QByteArrayList{} << "Change to [External start mode].\r\n\r\nIs it OK?";
        QTest::newRow("external: changed")
            << true << QByteArrayList{"0CM1", "0CM0"} << "Chaged to [External start mode].";
        QTest::newRow("external: refused")
            << true << QByteArrayList{"0CM1", "0CX0", "0CM0"}
            << "Communication error occurs!\r\n\r\nIf not activated when reset "
               "switch on,Turn off the power once and turn on again.";
        QTest::newRow("communication: no")
            << false << QByteArrayList{} << "Change to [Communication mode].\r\n\r\nIs it OK?";
        QTest::newRow("communication: changed")
            << false << QByteArrayList{"0CM1"} << "Changed [Communication mode].";
    }

    void modeChanges() {
        QFETCH(bool, external);
        QFETCH(QByteArrayList, replies);
        QFETCH(QString, result);
        Modes m(replies);
        m.t.op.answer(replies.isEmpty() ? Answer::No : Answer::Yes);
        external ? m.modes.mnuModeGaibu_Click() : m.modes.mnuModeTrancefer_Click();
        QCOMPARE(m.t.op.messages[0].buttons, Buttons::YesNo);
        QCOMPARE(m.t.op.lastText(), result);
        QCOMPARE(m.port.written.size(), replies.size());
        QCOMPARE(m.view.calls, (QStringList{"CMDBTN_Muko", "ToolBar_Muko", "CMDBTN_Yuko", "ToolBar_Yuko"}));
        QVERIFY(!m.port.isOpen() && !m.link.state.CommErrorFlag && !m.t.ctx.operation.CtBusyFlag);
    }

    void versionQuery_data() {
        QTest::addColumn<QByteArrayList>("replies"); // none: the port cannot be opened
        QTest::addColumn<QString>("result");         // the last message, after the failure's own if any
        QTest::addColumn<QString>("panel");
        QTest::newRow("read") << QByteArrayList{"0CM1", "0RV120   "} << "Version of the controller is 120."
                              << "The version of this C/T is 120";
        QTest::newRow("one character too many")
            << QByteArrayList{"0CM1", "0RV120    ", "0CM0"} << kNoVersion << "No version information";
        QTest::newRow("answered by an alarm, which is reset")
            << QByteArrayList{"0CM1", "0%%0E", "0%C00"} << kNoVersion << "No version information";
        QTest::newRow("no port") << QByteArrayList{} << kNoVersion << QString();
    }

    void versionQuery() {
        QFETCH(QByteArrayList, replies);
        QFETCH(QString, result);
        QFETCH(QString, panel);
        Modes m(replies);
        m.port.failOpen = replies.isEmpty();
        m.modes.mnuShowCtversion_Click();
        QCOMPARE(m.t.op.messages.size(), result == kNoVersion ? 2 : 1);
        QCOMPARE(m.t.op.lastText(), result);
        QCOMPARE(m.view.panels.value(1), panel);
        QCOMPARE(m.port.written.size(), replies.size());
        QVERIFY(!m.port.isOpen() && !m.view.alarmLamp && !m.t.ctx.operation.CtBusyFlag);
        QCOMPARE(m.view.calls, (QStringList{"CMDBTN_Muko", "ToolBar_Muko", "Menyu_Muko", "CMDBTN_Yuko",
                                            "ToolBar_Yuko", "Menyu_Yuko"}));
    }

    void resetButton() {
        for (const bool cleared : {true, false}) {
            Modes m({cleared ? "0%C00" : "0%%0E"});
            m.port.open(1);
            m.port.deliverNow("0%%0E\r\n");
            m.modes.cmdReset_Click();
            QCOMPARE(m.view.alarmLamp, !cleared);
            QCOMPARE(m.view.errorComment, cleared ? QStringLiteral("No Error") : m.alarms.AlarmComment);
            QCOMPARE(m.t.op.messages.size(), cleared ? 0 : 1);
            QCOMPARE(m.view.calls, (QStringList{"reset off", "reset on"}));
            QVERIFY(!m.port.isOpen() && !m.t.ctx.operation.CtBusyFlag);
        }
    }

    void controllerResetIsSentWithoutWaitingForAReply() {
        for (const Answer answer : {Answer::Cancel, Answer::Ok}) {
            Modes m({"0CM1"});
            m.t.op.answer(answer);
            QElapsedTimer clock;
            clock.start();
            m.modes.ResetCtByCommand(m.view);
            QCOMPARE(m.t.op.messages[0].text, QStringLiteral("Reset controller. Is it OK?"));
            QCOMPARE(m.t.op.messages[0].buttons, Buttons::OkCancel);
            const bool sent = answer == Answer::Ok;
            QCOMPARE(m.port.written.size(), sent ? 2 : 0);
            QCOMPARE(m.view.paraWinStatus,
                     sent ? QStringList{"The controller is reset now."} : QStringList{});
            QVERIFY2(!sent || clock.elapsed() >= 290, "the controller is given 300 ms");
            QVERIFY(!m.port.isOpen() && m.view.out1 != sent && m.view.greyed == int(sent));
        }
    }
};

QTEST_GUILESS_MAIN(TestModes)
#include "tst_modes.moc"
