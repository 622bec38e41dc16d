#include "support/LinkFixture.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

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
    // One exchange "0RV" (reply length 11), collected by the 100 ms poll alone; the recovery "0CM0"
    // after a mismatch gets the second scripted reply.
    void replies_data() {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<Reply>("recovery");
        QTest::addColumn<QString>("message"); // empty: success
        const Reply ok{{"0CM0\r\n", 0}};
        QTest::newRow("whole reply") << Reply{{"0RV120Z00\r\n", 0}} << Reply{} << QString();
        QTest::newRow("reply in pieces over several ticks")
            << Reply{{"0R", 0}, {"V12", 120}, {"0Z00\r", 250}, {"\n", 420}} << Reply{} << QString();
        QTest::newRow("CR LF split") << Reply{{"0RV120Z00\r", 0}, {"\n", 150}} << Reply{} << QString();
        QTest::newRow("wrong echo") << Reply{{"0RX120Z00\r\n", 0}} << ok << kEchoText;
        QTest::newRow("one character too many") << Reply{{"0RV120Z000\r\n", 0}} << ok << kLengthText;
        QTest::newRow("one character too few") << Reply{{"0RV120Z0\r\n", 0}} << ok << kLengthText;
        QTest::newRow("recovery unanswered") << Reply{{"0RV1\r\n", 0}} << Reply{} << kLengthText;
        QTest::newRow("silence") << Reply{} << Reply{} << kTimeoutText;
    }

    void replies() {
        QFETCH(Reply, reply);
        QFETCH(Reply, recovery);
        QFETCH(QString, message);
        LinkFixture f;
        f.port.signalReadyRead = false;
        f.port.script(reply);
        f.port.script(recovery);
        f.link.state.MovingFlag = true;
        f.link.state.TimeoutMsec = 600;
        const bool success = message.isEmpty();
        const bool recovered = !success && message != kTimeoutText; // after a mismatch
        QCOMPARE(f.link.SendCtCommand("0RV", 11), success ? 0 : 1);
        QCOMPARE(f.port.written,
                 recovered ? (QByteArrayList{"0RV\r\n", "0CM0\r\n"}) : QByteArrayList{"0RV\r\n"});
        QCOMPARE((QList<bool>{f.port.isOpen(), f.link.state.CommErrorFlag, f.link.state.MovingFlag}),
                 (QList<bool>{success, !success, success}));
        QCOMPARE(f.messages().size(), success ? 0 : 1);
        QCOMPARE(f.t.op.lastText(), message);
        QVERIFY(!success || f.link.state.ReplyText == "0RV120Z00\r\n");
        QVERIFY(success || f.messages()[0].icon == Icon::None);
    }

    // An alarm reply is shown in the run's language; the next successful exchange clears it again.
    void alarmReplies() {
        LinkFixture f(1);
        f.link.state.MovingFlag = true;
        f.port.scriptText("0%%0E99\r\n");
        QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
        const QString comment =
            u"非常停止：非常停止入力が働いています。原因を取り除いてから解除してください。"_s;
        const QStringList paragraphs{
            u"通信エラーが発生しました！"_s, u"エラーNo.0E"_s, u'[' + comment + u']',
            u"非常停止を解除した後、[リセット]ボタンを押すか、一度電源をOFFしてください。"_s};
        QCOMPARE(f.t.op.texts(), QStringList{paragraphs.join(kParagraph)});
        QCOMPARE(f.messages()[0].icon, Icon::Exclamation);
        QVERIFY2(f.port.isOpen(), "the port stays open after an alarm");
        QVERIFY(!f.link.state.CommErrorFlag && !f.link.state.MovingFlag && f.link.state.StatusReplyFlag);
        QVERIFY(f.view.alarmLamp && !f.view.homeLamp && !f.view.out1 && !f.view.out2 && f.view.greyed > 0);
        QVERIFY(f.view.alarmNo == u"0E"_s && f.view.errorComment == comment);

        f.port.scriptText("0RH1\r\n");
        QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
        QVERIFY(!f.view.alarmLamp && f.view.alarmNo.isEmpty() && !f.link.state.StatusReplyFlag);
        QCOMPARE(f.view.errorComment, u"ｴﾗｰなし"_s);
    }

    void recoveryAnsweredByAnAlarm() {
        LinkFixture f;
        f.port.scriptText("0RX\r\n");
        f.port.scriptText("0%%0E\r\n");
        QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
        QCOMPARE(f.messages().size(), 1);
        QVERIFY(f.messages()[0].text.contains(QStringLiteral("Error No.0E")));
        QCOMPARE(f.messages()[0].icon, Icon::None);
        QVERIFY(!f.link.state.CommErrorFlag);
    }

    void portThatCannotOpen() {
        // The port number, the stored setting, and the ports then tried.
        const QList<std::tuple<qint16, QString, QList<int>>> cases{
            {1, "1", {1}}, {0, "4", {4}}, {0, "12", {}}};
        for (const auto& [portNo, stored, tried] : cases) {
            LinkFixture f;
            f.t.settings.writeText(QStringLiteral("PortNo"), stored);
            f.t.ctx.options.PortNo = portNo;
            f.port.failOpen = true;
            QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
            QCOMPARE(f.port.openedPorts, tried);
            QVERIFY(f.port.written.isEmpty());
            QCOMPARE(f.t.op.lastText(), QStringLiteral("Failed in opening of a communication port."));
        }
    }

    // The poll runs between exchanges too: a late status line is shown, and characters without an end
    // are kept (at most a few hundred of them) to become the start of the next reply.
    void linesBetweenExchanges() {
        LinkFixture f;
        f.port.open(1);
        f.port.deliverNow("0%%05\r\n");
        QVERIFY(f.link.state.ReplyDoneFlag && f.link.state.StatusReplyFlag && f.view.alarmLamp);
        QCOMPARE(f.view.alarmNo, QStringLiteral("05"));
        QVERIFY(f.messages().isEmpty());

        QByteArray noise;
        for (int i = 0; noise.size() < (1 << 20); ++i)
            noise += QByteArray::number(i) + ' ';
        for (qsizetype at = 0; at < noise.size(); at += 4096)
            f.port.deliverNow(noise.mid(at, 4096));
        const QByteArray kept = f.link.state.RecvBuffer;
        QVERIFY2(kept.size() >= 23 && kept.size() <= 1024, qPrintable(QString::number(kept.size())));
        QVERIFY(noise.endsWith(kept));
        f.port.scriptText("0RH1\r\n");
        f.link.state.TimeoutMsec = 200; // the recovery goes unanswered: the reply stays
        QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
        QVERIFY(f.link.state.ReplyText.size() > 6 && (kept + "0RH1\r\n").endsWith(f.link.state.ReplyText));
        QCOMPARE(f.messages().last().text, kEchoText);
    }

    void secondExchangeWhileWaitingIsRefused() {
        LinkFixture f;
        f.port.script({{"0RH1\r\n", 300}});
        int nested = -2;
        QTimer::singleShot(50, &f.link, [&] { nested = f.link.SendCtCommand("0RV", 11); });
        QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
        QCOMPARE(nested, 1);
        QCOMPARE(f.port.written, QByteArrayList{"0RH\r\n"});
    }

    void pollAndReadyReadEachTakeTheReply() {
        LinkFixture f;
        for (const bool poll : {true, false}) {
            f.port.signalReadyRead = !poll;
            if (!poll)
                f.link.Timer1.stop();
            f.port.script({{"0RH1\r\n", 30}});
            QElapsedTimer clock;
            clock.start();
            QCOMPARE(f.link.SendCtCommand("0RH", 6), 0);
            QVERIFY2(clock.elapsed() <= 3 * CtLink::kPollMs, qPrintable(QString::number(clock.elapsed())));
        }
    }

    void moveCommandTimeLimit_data() {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<QString>("message");
        QTest::newRow("move ends in time") << Reply{{"0MP1ABCDEFGHIJ\r\n", 250}} << QString();
        QTest::newRow("move never reported") << Reply{} << kTimeoutText;
        QTest::newRow("wrong echo, then the recovery") << Reply{{"0XP1ABCDEFGHIJ\r\n", 100}} << kEchoText;
    }

    void moveCommandTimeLimit() {
        QFETCH(Reply, reply);
        QFETCH(QString, message);
        const bool success = message.isEmpty();
        LinkFixture f;
        f.t.ctx.options.PortOccupyFlag = true;
        f.port.script(reply);
        f.port.scriptText("0CM0\r\n");
        f.link.state.CommErrorFlag = success; // a move neither clears it at its start nor leaves it unset
        f.link.state.MovingFlag = true;
        f.link.state.MyTimerLimit = 0.5f;
        QTimer advance;
        QObject::connect(&advance, &QTimer::timeout, [&] { f.clock.now += 0.1f; });
        advance.start(50); // the clock runs twice as fast as real time
        QCOMPARE(f.link.SendCtMoveCommand("0MP", 16, "1"), success ? 0 : 1);
        QCOMPARE(f.port.isOpen(), message != kTimeoutText);
        QVERIFY(f.link.state.CommErrorFlag);
        QCOMPARE(f.link.state.MovingFlag, success);
        QCOMPARE(f.messages().isEmpty() ? QString() : f.messages().last().text, message);
        QTRY_VERIFY_WITH_TIMEOUT(!f.link.TimerMyTimer.isActive(), 300);
    }

    // The clock check ticks once more after a move has ended; the limit it then finds reached belongs to
    // the move, not to the "0RS" that follows.
    void moveEndingNearItsLimitLeavesTheNextWaitAlone() {
        LinkFixture f;
        f.port.script({{"0MP1ABCDEFGHIJ\r\n", 20}});
        f.port.script({{"0RS00\r\n", 250}});
        f.link.state.MyTimerLimit = 0.5f;
        QTimer::singleShot(40, [&f] { f.clock.now += 1.0f; }); // past the limit before the next tick
        QCOMPARE(f.link.SendCtMoveCommand("0MP", 16, "1"), 0);
        QCOMPARE(f.link.SendCtCommand("0RS", 7), 0);
        QCOMPARE(f.port.written, (QByteArrayList{"0MP1\r\n", "0RS\r\n"}));
        QVERIFY(f.messages().isEmpty());
    }

    void clockCheckWrapsAtMidnight() {
        // Start, now and limit in seconds, and whether the limit has been reached (a day wraps at 86399).
        const QList<std::tuple<float, float, float, bool>> cases{{1000, 1004, 5, false},
                                                                 {1000, 1005, 5, true},
                                                                 {86397, 1, 4, false},
                                                                 {86397, 2, 4, true},
                                                                 {86398, 0, 1, true}};
        LinkFixture f;
        for (const auto& [start, now, limit, up] : cases) {
            f.clock.now = start;
            f.link.state.MyTimerLimit = limit;
            f.link.StartMyTimer();
            f.clock.now = now;
            f.link.CheckMyTimer();
            QVERIFY2(f.link.state.MyTimerUpFlag == up,
                     qPrintable(QStringLiteral("%1 to %2").arg(start).arg(now)));
        }
    }
};

QTEST_GUILESS_MAIN(TestTransaction)
#include "tst_transaction.moc"
