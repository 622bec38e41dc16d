#include "support/LinkFixture.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

using Fixture = LinkFixture<ScriptedPort>;
using Reply = ScriptedPort::Reply;

const QString kTimeoutText =
    QStringLiteral("Communication timeout error!\r\n\r\nCheck the followings;\r\n\r\n"
                   " 1.Power ON for controller?\r\n\r\n 2.Communication cables are connected?");
const QString kLengthText =
    QStringLiteral("Communication data length error occurs!\r\n\r\nLength of data is wrong.");
const QString kEchoText = QStringLiteral("Communication error occurs!");

} // namespace

Q_DECLARE_METATYPE(zovi::test::ScriptedPort::Reply)

class TestTransaction : public QObject {
    Q_OBJECT
private slots:
    void replies_data();
    void replies();
    void alarmReplies_data();
    void alarmReplies();
    void unknownAlarmShowsTheLastKnownText();
    void recoveryAnsweredByAnAlarm();
    void timeoutClosesThePortEvenWhenOccupied();
    void successClearsAnEarlierAlarm();
    void portThatCannotOpen_data();
    void portThatCannotOpen();
    void portCheckSendsCommunicationMode();
    void releaseKeepsAnOccupiedPort();
    void strayLinesBetweenExchanges();
    void secondExchangeWhileWaitingIsRefused();
    void pollAndReadyReadEachTakeTheReply();
    void moveCommandTimeLimit_data();
    void moveCommandTimeLimit();
    void moveEndingNearItsLimitLeavesTheNextWaitAlone();
    void clockCheckWrapsAtMidnight_data();
    void clockCheckWrapsAtMidnight();
    void portLampFollowsThePort();
};

// One exchange "0RV" (reply length 11) against the scripted far end; the recovery "0CM0" gets the
// second scripted reply.
void TestTransaction::replies_data() {
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<Reply>("recovery");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QByteArrayList>("written");
    QTest::addColumn<bool>("portOpen");
    QTest::addColumn<bool>("commError");

    const QByteArrayList plain{"0RV\r\n"};
    const QByteArrayList recovered{"0RV\r\n", "0CM0\r\n"};
    QTest::newRow("whole reply") << Reply{{"0RV120Z00\r\n", 0}} << Reply{} << 0 << QString() << plain << true
                                 << false;
    QTest::newRow("reply in pieces over several ticks")
        << Reply{{"0R", 0}, {"V12", 120}, {"0Z00\r", 250}, {"\n", 420}} << Reply{} << 0 << QString() << plain
        << true << false;
    QTest::newRow("CR LF split across pieces")
        << Reply{{"0RV120Z00\r", 0}, {"\n", 150}} << Reply{} << 0 << QString() << plain << true << false;
    QTest::newRow("wrong echo") << Reply{{"0RX120Z00\r\n", 0}} << Reply{{"0CM\r\n", 0}} << 1 << kEchoText
                                << recovered << false << true;
    QTest::newRow("one character too many") << Reply{{"0RV120Z000\r\n", 0}} << Reply{{"0CM\r\n", 0}} << 1
                                            << kLengthText << recovered << false << true;
    QTest::newRow("one character too few") << Reply{{"0RV120Z0\r\n", 0}} << Reply{{"0CM\r\n", 0}} << 1
                                           << kLengthText << recovered << false << true;
    QTest::newRow("recovery unanswered")
        << Reply{{"0RV1\r\n", 0}} << Reply{} << 1 << kLengthText << recovered << false << true;
    QTest::newRow("silence") << Reply{} << Reply{} << 1 << kTimeoutText << plain << false << true;
}

void TestTransaction::replies() {
    QFETCH(Reply, reply);
    QFETCH(Reply, recovery);
    QFETCH(int, result);
    QFETCH(QString, message);
    QFETCH(QByteArrayList, written);
    QFETCH(bool, portOpen);
    QFETCH(bool, commError);
    Fixture f;
    f.port.signalReadyRead = false; // only the 100 ms poll collects the pieces
    f.port.script(reply);
    f.port.script(recovery);
    f.link.state.MovingFlag = true;
    f.link.state.TimeoutMsec = 600;
    QCOMPARE(f.link.SendCtCommand("0RV", 11), result);
    QCOMPARE(f.port.written, written);
    QCOMPARE(f.port.isOpen(), portOpen);
    QCOMPARE(f.link.state.CommErrorFlag, commError);
    QCOMPARE(f.link.state.MovingFlag, result == 0);
    if (message.isEmpty()) {
        QVERIFY(f.messages().isEmpty());
        QCOMPARE(f.link.state.ReplyText, QByteArray("0RV120Z00\r\n"));
    } else {
        QCOMPARE(f.messages().size(), 1);
        QCOMPARE(f.messages()[0].text, message);
        QCOMPARE(f.messages()[0].icon, Icon::None);
        QCOMPARE(f.messages()[0].buttons, Buttons::Ok);
    }
}

void TestTransaction::alarmReplies_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<int>("advice");
    QTest::addColumn<bool>("homeLamp");
    QTest::newRow("emergency stop")
        << 2 << QByteArray("0%%0E\r\n")
        << "Emergency stop: the emergency stop input is active. Remove the cause, then release it." << 366
        << false;
    QTest::newRow("home sensor")
        << 2 << QByteArray("0%%0B\r\n")
        << "Home sensor not found during homing. Check the sensor, its connector and obstacles." << 360
        << false;
    QTest::newRow("Japanese emergency stop")
        << 1 << QByteArray("0%%0E99\r\n")
        << "非常停止：非常停止入力が働いています。原因を取り除いてから解除してください。" << 366 << false;
}

void TestTransaction::alarmReplies() {
    QFETCH(int, langNo);
    QFETCH(QByteArray, status);
    QFETCH(QString, comment);
    QFETCH(int, advice);
    QFETCH(bool, homeLamp);
    Fixture f(static_cast<qint16>(langNo));
    f.link.state.MovingFlag = true;
    f.port.scriptText(status);
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
    const QString number = QString::fromLatin1(status.mid(3, 2));
    const QString expected = f.t.ctx.msg(504) + kParagraph + QStringLiteral("Error No.") + number +
                             kParagraph + QLatin1Char('[') + comment + QLatin1Char(']') + kParagraph +
                             f.t.ctx.msg(advice);
    QCOMPARE(f.messages().size(), 1);
    QCOMPARE(f.messages()[0].text, expected);
    QCOMPARE(f.messages()[0].icon, Icon::Exclamation);
    QCOMPARE(f.port.written, QByteArrayList{"0RH\r\n"});
    QVERIFY2(f.port.isOpen(), "the port stays open after an alarm");
    QVERIFY(!f.link.state.CommErrorFlag);
    QVERIFY(!f.link.state.MovingFlag);
    QVERIFY(f.link.state.StatusReplyFlag);
    QVERIFY(f.view.alarmLamp);
    QCOMPARE(f.view.alarmNo, number);
    QCOMPARE(f.view.errorComment, comment);
    QCOMPARE(f.view.homeLamp, homeLamp);
    QVERIFY(!f.view.out1 && !f.view.out2);
    QVERIFY(f.view.greyed > 0);
}

void TestTransaction::unknownAlarmShowsTheLastKnownText() {
    Fixture f;
    f.port.scriptText("0%%7F\r\n");
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
    QCOMPARE(f.messages()[0].text, QStringLiteral("Communication error occurs!\r\n\r\n[]"));
    QCOMPARE(f.view.errorComment, QStringLiteral("No contents for this Error No."));
    QCOMPARE(f.view.alarmNo, QStringLiteral("7F"));

    f.port.scriptText("0%%05\r\n");
    f.port.scriptText("0%%7F\r\n");
    f.link.SendCtCommand("0RH", 6);
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
    QCOMPARE(f.messages().last().text,
             QStringLiteral("Communication error occurs!\r\n\r\n[Overcurrent: motor current too "
                            "high. Check the motor cable for a short circuit and check the load.]"));
}

void TestTransaction::recoveryAnsweredByAnAlarm() {
    Fixture f;
    f.port.scriptText("0RX\r\n");
    f.port.scriptText("0%%0E\r\n");
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
    QCOMPARE(f.port.written, (QByteArrayList{"0RH\r\n", "0CM0\r\n"}));
    QCOMPARE(f.messages().size(), 1);
    QVERIFY(f.messages()[0].text.endsWith(f.t.ctx.msg(366)));
    QCOMPARE(f.messages()[0].icon, Icon::None);
    QVERIFY(!f.link.state.CommErrorFlag);
}

void TestTransaction::timeoutClosesThePortEvenWhenOccupied() {
    Fixture f;
    f.t.ctx.options.PortOccupyFlag = true;
    f.link.state.TimeoutMsec = 300;
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
    QVERIFY2(clock.elapsed() >= 290 && clock.elapsed() < 1500, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!f.port.isOpen());
    QCOMPARE(f.messages()[0].text, kTimeoutText);

    f.port.scriptText("0RH1\r\n");
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
    QCOMPARE(f.port.opens, 2);
    QVERIFY(!f.link.state.CommErrorFlag);
}

void TestTransaction::successClearsAnEarlierAlarm() {
    Fixture f;
    f.port.scriptText("0%%0E\r\n");
    f.link.SendCtCommand("0RH", 6);
    QVERIFY(f.view.alarmLamp);
    f.port.scriptText("0RH1\r\n");
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
    QVERIFY(!f.view.alarmLamp);
    QCOMPARE(f.view.errorComment, QStringLiteral("No Error"));
    QCOMPARE(f.view.alarmNo, QString());
    QVERIFY(!f.link.state.StatusReplyFlag);
}

void TestTransaction::portThatCannotOpen_data() {
    QTest::addColumn<int>("portNo");
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("failOpen");
    QTest::addColumn<int>("opened");
    QTest::newRow("port in use") << 1 << "1" << true << 1;
    QTest::newRow("port 0 takes the stored port") << 0 << "4" << true << 4;
    QTest::newRow("stored port invalid too") << 0 << "12" << false << -1;
}

void TestTransaction::portThatCannotOpen() {
    QFETCH(int, portNo);
    QFETCH(QString, stored);
    QFETCH(bool, failOpen);
    QFETCH(int, opened);
    Fixture f;
    f.t.settings.writeText(QStringLiteral("PortNo"), stored);
    f.t.ctx.options.PortNo = static_cast<qint16>(portNo);
    f.port.failOpen = failOpen;
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
    QVERIFY(f.port.written.isEmpty());
    QCOMPARE(f.port.openedPorts, opened < 0 ? QList<int>{} : QList<int>{opened});
    QCOMPARE(f.messages().size(), 1);
    QCOMPARE(f.messages()[0].text, QStringLiteral("Failed in opening of a communication port."));
    QCOMPARE(f.messages()[0].icon, Icon::None);
}

void TestTransaction::portCheckSendsCommunicationMode() {
    Fixture f;
    f.port.scriptText("0CM\r\n0");
    QCOMPARE(f.link.CheckCommPort(), 1);
    QCOMPARE(f.link.state.TimeoutMsec, qint16(1000));
    QCOMPARE(f.port.written.first(), QByteArray("0CM1\r\n"));

    Fixture g;
    g.port.scriptText("0CM1\r\n");
    QCOMPARE(g.link.CheckCommPort(), 0);
}

void TestTransaction::releaseKeepsAnOccupiedPort() {
    Fixture f;
    f.port.scriptText("0RH1\r\n");
    f.link.SendCtCommand("0RH", 6);
    f.t.ctx.options.PortOccupyFlag = true;
    f.link.ReleaseCommPort();
    QVERIFY(f.port.isOpen());
    f.t.ctx.options.PortOccupyFlag = false;
    f.link.ReleaseCommPort();
    QVERIFY(!f.port.isOpen());
    f.port.open(1);
    f.t.ctx.options.PortOccupyFlag = true;
    f.link.CloseCommPort();
    QVERIFY(!f.port.isOpen());
}

void TestTransaction::strayLinesBetweenExchanges() {
    Fixture f;
    f.port.open(1);
    f.port.deliverNow("0%%05\r\n");
    QVERIFY(f.link.state.ReplyDoneFlag);
    QVERIFY(f.link.state.StatusReplyFlag);
    QVERIFY(f.view.alarmLamp);
    QCOMPARE(f.view.alarmNo, QStringLiteral("05"));
    QVERIFY(f.messages().isEmpty());

    // Characters without an end stay and become the start of the next reply.
    f.port.deliverNow("xy");
    f.port.scriptText("0RH1\r\n");
    f.port.scriptText("0CM\r\n");
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
    QCOMPARE(f.messages().last().text, kEchoText);
    QVERIFY(f.link.state.RecvBuffer.isEmpty());
}

void TestTransaction::secondExchangeWhileWaitingIsRefused() {
    Fixture f;
    f.port.script({{"0RH1\r\n", 300}});
    int nested = -2;
    QTimer::singleShot(50, &f.link, [&] { nested = f.link.SendCtCommand("0RV", 11); });
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
    QCOMPARE(nested, 1);
    QCOMPARE(f.port.written, QByteArrayList{"0RH\r\n"});
    QVERIFY(f.messages().isEmpty());
}

void TestTransaction::pollAndReadyReadEachTakeTheReply() {
    Fixture f;
    f.port.signalReadyRead = false;
    f.port.script({{"0RH1\r\n", 30}});
    QElapsedTimer clock;
    clock.start();
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
    QVERIFY2(clock.elapsed() <= 3 * CtLink::kPollMs, qPrintable(QString::number(clock.elapsed())));

    // Without the poll, readyRead alone must take the reply.
    f.link.Timer1.stop();
    f.port.signalReadyRead = true;
    f.link.state.TimeoutMsec = 1000;
    f.port.script({{"0RH1\r\n", 30}});
    clock.restart();
    QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
    QVERIFY2(clock.elapsed() < 500, qPrintable(QString::number(clock.elapsed())));
}

void TestTransaction::moveCommandTimeLimit_data() {
    QTest::addColumn<Reply>("reply");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("portOpen");
    QTest::newRow("move ends in time") << Reply{{"0MP1ABCDEFGHIJ\r\n", 250}} << 0 << true;
    QTest::newRow("move never reported") << Reply{} << 1 << false;
    QTest::newRow("wrong echo, then the recovery exchange")
        << Reply{{"0XP1ABCDEFGHIJ\r\n", 100}} << 1 << true;
}

void TestTransaction::moveCommandTimeLimit() {
    QFETCH(Reply, reply);
    QFETCH(int, result);
    QFETCH(bool, portOpen);
    Fixture f;
    f.t.ctx.options.PortOccupyFlag = true;
    f.port.script(reply);
    f.port.scriptText("0CM0\r\n");
    f.link.state.CommErrorFlag = true; // a move does not clear it at its start
    f.link.state.MovingFlag = true;
    f.link.state.MyTimerLimit = 0.5f;
    QTimer advance;
    QObject::connect(&advance, &QTimer::timeout, [&] { f.clock.now += 0.1f; });
    advance.start(50); // the clock runs twice as fast as real time
    QCOMPARE(f.link.SendCtMoveCommand("0MP", 16, "1"), result);
    QCOMPARE(f.port.isOpen(), portOpen);
    QVERIFY(f.link.state.CommErrorFlag);
    QCOMPARE(f.link.state.MovingFlag, result == 0);
    QVERIFY(f.link.state.MyTimerStopFlag || f.link.state.MyTimerUpFlag);
    if (!reply.isEmpty() && result != 0)
        QCOMPARE(f.messages().last().text, kEchoText);
    if (reply.isEmpty())
        QCOMPARE(f.messages().last().text, kTimeoutText);
    QTRY_VERIFY_WITH_TIMEOUT(!f.link.TimerMyTimer.isActive(), 300);
}

// The move's clock check ticks once more after the move has ended; the limit it finds reached then
// belongs to the move, not to the "0RS" that follows.
void TestTransaction::moveEndingNearItsLimitLeavesTheNextWaitAlone() {
    Fixture f;
    f.port.script({{"0MP1ABCDEFGHIJ\r\n", 20}});
    f.port.script({{"0RS00\r\n", 250}});
    f.link.state.MyTimerLimit = 0.5f;
    QTimer::singleShot(40, [&f] { f.clock.now += 1.0f; }); // the clock passes the limit before the tick
    QCOMPARE(f.link.SendCtMoveCommand("0MP", 16, "1"), 0);
    f.link.state.TimeoutMsec = 5000;
    QCOMPARE(f.link.SendCtCommand("0RS", 7), 0);
    QCOMPARE(f.port.written, (QByteArrayList{"0MP1\r\n", "0RS\r\n"}));
    QVERIFY(f.messages().isEmpty());
}

void TestTransaction::clockCheckWrapsAtMidnight_data() {
    QTest::addColumn<float>("start");
    QTest::addColumn<float>("now");
    QTest::addColumn<float>("limit");
    QTest::addColumn<bool>("up");
    QTest::newRow("same day, short") << 1000.0f << 1004.0f << 5.0f << false;
    QTest::newRow("same day, reached") << 1000.0f << 1005.0f << 5.0f << true;
    QTest::newRow("over midnight, short") << 86397.0f << 1.0f << 4.0f << false;
    QTest::newRow("over midnight, 86399 wrap reached") << 86397.0f << 2.0f << 4.0f << true;
    QTest::newRow("midnight exactly") << 86398.0f << 0.0f << 1.0f << true;
}

void TestTransaction::clockCheckWrapsAtMidnight() {
    QFETCH(float, start);
    QFETCH(float, now);
    QFETCH(float, limit);
    QFETCH(bool, up);
    Fixture f;
    f.clock.now = start;
    f.link.state.MyTimerLimit = limit;
    f.link.StartMyTimer();
    f.link.TimerMyTimer.stop();
    QVERIFY(!f.link.state.MyTimerUpFlag);
    f.clock.now = now;
    f.link.CheckMyTimer();
    QCOMPARE(f.link.state.MyTimerUpFlag, up);
}

void TestTransaction::portLampFollowsThePort() {
    Fixture f;
    f.port.scriptText("0RH1\r\n");
    f.link.SendCtCommand("0RH", 6);
    QVERIFY(f.view.portLamp);
    f.link.ReleaseCommPort();
    QTRY_VERIFY_WITH_TIMEOUT(!f.view.portLamp, 300);
    QVERIFY(f.view.refreshes > 0);
}

QTEST_GUILESS_MAIN(TestTransaction)
#include "tst_transaction.moc"
