#include "operation/MoveFixture.h"
#include "operation/MoveTime.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

struct TimeCase {
    int posNo;
    bool homed;
    int homingSetting;
    int stroke;
    int speedNo;    // of every position
    int speedEntry; // its speed table entry (the others are 50: 8300 pulses/s)
    int present;
    int target;
    float seconds;
};

struct MoveCase {
    QList<int> moves;
    QByteArray replies;
    QByteArray frames;
    int limitMs; // of the last move command: the estimate plus 5 s
};

} // namespace

Q_DECLARE_METATYPE(TimeCase)
Q_DECLARE_METATYPE(MoveCase)

class TestMoves : public QObject {
    Q_OBJECT
private slots:
    // Homing: 1600 - (setting - 1) x 100 pulses/s over the whole stroke. Positions: table entry x 166
    // pulses/s from the present position, or from home when not homed. Undefined speeds: no estimate.
    void movingTime_data() {
        QTest::addColumn<TimeCase>("c");
        const auto row = [](const char* name, const TimeCase& c) {
            QTest::newRow(name) << c;
        };
        row("home, setting 1: 1600/s", {0, true, 1, 16000, 1, 50, 999, 0, 10.0f});
        row("home, setting 2: 1500/s", {0, true, 2, 15000, 1, 50, 0, 0, 10.0f});
        row("home, setting 16: 100/s", {0, false, 16, 1000, 1, 50, 0, 0, 10.0f});
        row("homed, up from the present position", {1, true, 1, 16000, 3, 50, 1700, 10000, 1.0f});
        row("homed, down from the present position", {2, true, 1, 16000, 9, 50, 10000, 5850, 0.5f});
        row("not homed: whole stroke homing, then from home", {3, false, 1, 16000, 5, 25, 999, 8300, 12.0f});
        row("speed number 0 takes the homing setting", {1, true, 2, 16000, 0, 2, 0, 8300, 25.0f});
        row("homed: an unusable homing speed is not used", {1, true, 17, 16000, 1, 50, 0, 8300, 1.0f});
        row("speed 0", {1, true, 1, 16000, 3, 0, 0, 8300, 0.0f});
        row("speed number 10", {1, true, 1, 16000, 10, 50, 0, 8300, 0.0f});
        row("homing speed 0", {0, true, 17, 16000, 1, 50, 0, 0, 0.0f});
        row("homing speed negative", {2, false, 255, 16000, 1, 50, 0, 8300, 0.0f});
        row("position 4", {4, false, 1, 16000, 1, 50, 0, 0, 0.0f});
    }

    void movingTime() {
        QFETCH(TimeCase, c);
        MoveData data;
        data.HomeDoneFlag = c.homed;
        data.StrokePulse = c.stroke;
        data.SpeedTable.fill(50);
        data.SpeedTable[0] = quint16(c.homingSetting);
        if (c.speedNo >= 0 && c.speedNo <= 9)
            data.SpeedTable[c.speedNo] = quint16(c.speedEntry);
        data.PresentPulse = c.present;
        data.PosVel.fill(qint16(c.speedNo));
        data.PosPulse.fill(c.target);
        QCOMPARE(calc_MovingTime(data, c.posNo), c.seconds);
    }

    void moveSequences_data() {
        QTest::addColumn<MoveCase>("c");
        const auto row = [](const char* name, const MoveCase& c) {
            QTest::newRow(name) << c;
        };
        const QByteArray first = MoveFixture::kFirst, firstFrames = MoveFixture::kFirstFrames;
        row("first move after start", {{2}, first + "0MP222220026E8 0RS20", firstFrames + "0MP2 0RS", 6000});
        row("second move: the present position is the last one reached",
            {{2, 3},
             first + "0MP222220026E8 0RS20 0CM1 0RH1 0MP39332004DD0 0RS30",
             firstFrames + "0MP2 0RS 0CM1 0RH 0MP3 0RS",
             5250});
        row("after a failed move everything is read again",
            {{2, 3, 2},
             first + "0MP222220026E8 0RS20 0CM1 0RH1 0%%04 " + first + "0MP222220026E8 0RS20",
             firstFrames + "0MP2 0RS 0CM1 0RH 0MP3 " + firstFrames + "0MP2 0RS",
             6000});
        row("homing lost: read again, homing over the stroke counted",
            {{1, 3},
             first +
                 "0MP15212000CF8 0RS10 0CM1 0RH0 0RD10004E2002020202FF 0RD1114283C010400FFFF "
                 "0RD12506478A0C8F0FFFF 0RP15212000CF8 0RP222220026E8 0RP39332004DD0 0MP39332004DD0 0RS30",
             firstFrames + "0MP1 0RS 0CM1 0RH 0RD10 0RD11 0RD12 0RP1 0RP2 0RP3 0MP3 0RS",
             18000});
    }

    // While the move runs its button blinks; once reached it alone shows the lit face.
    void moveSequences() {
        QFETCH(MoveCase, c);
        MoveFixture f;
        QTimer timerMoving;
        f.moves.blink.attachTimer(&timerMoving);
        f.reply(c.replies);
        f.moves.SelectMove(c.moves[0]);
        for (const int posNo : c.moves.mid(1))
            f.moves.SelectMove(posNo);
        QCOMPARE(f.frames(), c.frames);
        QCOMPARE(f.moveLimitMs(), c.limitMs);
        QCOMPARE(f.t.ctx.operation.LastPosNo, qint16(c.moves.constLast()));
        QVERIFY(f.t.ctx.operation.MoveDataReadFlag && !f.link.state.MovingFlag && f.view.homeLamp);
        QCOMPARE(f.moveView.completed, QString::number(c.moves.constLast()));
        QTest::qWait(250); // a blink tick left over would grey the button
        QCOMPARE(f.moveView.faces.values().count(MoveView::kLitPicture), 1);
        QCOMPARE(f.moveView.faces.value(c.moves.constLast()), MoveView::kLitPicture);
    }

    void buttonBlinksWhileMoving() {
        MoveFixture f;
        QTimer timerMoving;
        f.moves.blink.attachTimer(&timerMoving);
        f.reply(QByteArray(MoveFixture::kFirst).trimmed());
        f.port.script({{"0MP39332004DD0\r\n", 700}});
        f.port.scriptText("0RS30\r\n");
        f.moves.SelectMove(3);
        // Lit and grey by turns, grey once the move has ended, then the faces of the position reached.
        const QRegularExpression faces("^3:2 3:3 (3:2 3:3 )*(3:2 )?3:3 0:3 1:3 2:3 3:2$");
        QVERIFY2(faces.match(f.moveView.changes.join(' ')).hasMatch(),
                 qPrintable(f.moveView.changes.join(' ')));
        QVERIFY(!timerMoving.isActive());
    }

    // "0RS": the outputs as one digit; "3" lights both lamps, another character none.
    void outputLamps() {
        for (const auto& [reply, lamps] :
             QList<std::pair<QByteArray, QList<bool>>>{{"0RS00", {false, false}},
                                                       {"0RS10", {true, false}},
                                                       {"0RS21", {false, true}},
                                                       {"0RS33", {true, true}},
                                                       {"0RS40", {false, false}}}) {
            MoveFixture f;
            f.reply(QByteArray(MoveFixture::kFirst) + "0MP222220026E8 " + reply);
            f.moves.SelectMove(2);
            QCOMPARE((QList<bool>{f.view.out1, f.view.out2}), lamps);
        }
    }

    // Every failure ends the move with nothing more sent, MovingFlag clear, the port released and the
    // cache cleared; a failed move forgets where the slide is.
    void failures() {
        const QByteArray first = MoveFixture::kFirst;
        const QString alarm = QStringLiteral("Communication error occurs!\r\n\r\nError No.");
        // Position, replies, frames sent, the last message shown, LastPosNo afterwards.
        const QList<std::tuple<int, QByteArray, int, QString, int>> cases{
            {2, "0CM1 0%%01", 2, alarm + "01", 0},
            {2, first.left(first.indexOf("0RC")) + "0%%02", 9, alarm + "02", 0},
            {4, first.left(first.indexOf(" 0RC")), 8, "Input position No.(Using 1 to 3)", 0},
            {2, first + "0MP2 0CM0", 11, "Communication data length error occurs!", -1},
            {2, first + "0MP222220026E8 0XS00 0CM0", 12, "Communication error occurs!", 2},
            {0, first + "0%%0B", 10, "Home sensor could not be detected at homing.\r\n\r\nConfirm", -1}};
        for (const auto& [posNo, replies, sent, message, lastPosNo] : cases) {
            MoveFixture f;
            f.t.ctx.operation.LastPosNo = 0; // home: the present position is asked
            f.reply(replies);
            f.moves.SelectMove(posNo);
            QCOMPARE(f.port.written.size(), sent);
            QVERIFY2(f.t.op.lastText().startsWith(message), qPrintable(f.t.op.lastText()));
            QCOMPARE(f.t.ctx.operation.LastPosNo, qint16(lastPosNo));
            QVERIFY(!f.link.state.MovingFlag && !f.port.isOpen() && f.moveView.completed.isEmpty());
            QCOMPARE(f.t.ctx.operation.MoveDataReadFlag, posNo == 4);
        }
    }
};

QTEST_GUILESS_MAIN(TestMoves)
#include "tst_moves.moc"
