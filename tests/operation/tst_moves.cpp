#include "link/CtCommands.h"
#include "operation/MoveCommands.h"
#include "operation/MoveProgram.h"
#include "operation/MoveTime.h"
#include "operation/MoveView.h"
#include "operation/ProgramGridModel.h"
#include "operation/ProgramInput.h"
#include "operation/StepTimer.h"
#include "support/LinkFixture.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The first exchanges of a homed controller: stroke 20000 pulses, homing speed setting 1 (1600/s: 12.5 s
// over the stroke), speeds 1-9 = 20, 40, 60, 80, 100, 120, 160, 200, 240 (x 166/s); position 1 at 3320
// pulses with speed 5, 2 at 9960 with speed 2 (1 s from 1), 3 at 19920 with speed 9 (0.25 s from 2);
// the slide at position 1.
const QByteArray kReads = "0RD10004E2002020202FF 0RD1114283C010400FFFF 0RD12506478A0C8F0FFFF 0RP15212000CF8 "
                          "0RP222220026E8 0RP39332004DD0";
const QByteArray kFirst = "0CM1 0RH1 " + kReads + " 0RCF0000000CF8 ";
const QByteArray kFirstFrames = "0CM1 0RH 0RD10 0RD11 0RD12 0RP1 0RP2 0RP3 0RC ";

// The moves and the program over a scripted far end (replies and frames written as one text each),
// showing on a recording move view, with Timer2 on a fake clock: each round of event processing while it
// waits takes 100 ms.
struct Moves : LinkFixture, MoveView, StepTimer {
    explicit Moves(const QString& steps = {}) {
        for (int step = 1; const QString& text : steps.split(QLatin1Char(',')))
            grid.setStep(step++, text);
        port.limitInForce = [this] { // as each frame goes out
            sentAt << nowMs;
            clock.now += 1000.0f; // a move left unanswered times out at the next clock check
            if (onFrame)
                onFrame(port.written.constLast());
            return armedLimitMs(link);
        };
    }
    void setButtonPicture(int index, int picture) override {
        faces[index] = picture;
        changes << QStringLiteral("%1:%2").arg(index).arg(picture);
    }
    void setCompletedPosition(const QString& text) override { completed = text; }
    void start(int milliseconds) override { deadline = nowMs + milliseconds; }
    void stop() override { deadline = -1; }
    void processEvents() override {
        nowMs += 100;
        if (duringWait)
            duringWait();
        if (deadline >= 0 && nowMs >= deadline)
            onTimeout();
    }

    void reply(const QByteArray& replies) {
        for (const QByteArray& text : replies.split(' '))
            port.scriptText(text + "\r\n");
    }
    QByteArray frames() const {
        QByteArrayList out;
        for (const QByteArray& frame : port.written)
            out << frame.chopped(2);
        return out.join(' ');
    }
    // One program run against a far end that answers the moves to `positions`; the positions moved to.
    QString run(const QString& positions, const ProgramOptions& options) {
        const qint16 last = t.ctx.operation.LastPosNo;
        QByteArray replies = t.ctx.operation.MoveDataReadFlag ? "0CM1 0RH1" : "0CM1 0RH1 " + kReads;
        if (!positions.isEmpty() && (last < 1 || last > 3))
            replies += " 0RCF0000000CF8";
        for (const QChar p : positions)
            replies += " 0MP" + QByteArray(1, p.toLatin1()) + "0000000000 0RS00";
        reply(replies);
        const qsizetype before = port.written.size();
        program.ContinualMove2(options);
        QString moved;
        for (const QByteArray& frame : port.written.mid(before))
            moved += frame.startsWith("0MP") ? QString(QLatin1Char(frame[3])) : QString();
        return moved;
    }

    QMap<int, int> faces;
    QStringList changes;
    QString completed;
    qint64 nowMs = 0;
    qint64 deadline = -1;
    std::function<void()> duringWait;
    QList<qint64> sentAt;
    std::function<void(const QByteArray&)> onFrame;
    CtCommands commands{link};
    MoveCommands moves{t.ctx, link, commands, alarms, view, *this};
    ProgramGridModel grid{t.ctx.texts};
    MoveProgram program{t.ctx, link, moves, view, grid, *this};
};

const ProgramOptions kContinuous{true, false, false, {}};
const ProgramOptions kStepwise{false, false, false, {}};

} // namespace

class TestMoves : public QObject {
    Q_OBJECT
private slots:
    // Homing: 1600 - (setting - 1) x 100 pulses/s over the whole stroke; a position: its table entry x 166
    // pulses/s from the present position, or from home when not homed. An unusable speed: no estimate.
    void movingTime() {
        // Position, homed, homing setting, stroke, speed number, its entry (the others are 50: 8300/s),
        // present position, target, seconds.
        const QList<std::tuple<int, bool, int, int, int, int, int, int, float>> cases{
            {0, true, 1, 16000, 1, 50, 999, 0, 10.0f},     // home at 1600/s
            {0, false, 16, 1000, 1, 50, 0, 0, 10.0f},      // 100/s
            {1, true, 1, 16000, 3, 50, 1700, 10000, 1.0f}, // homed: from the present position
            {2, true, 1, 16000, 9, 50, 10000, 5850, 0.5f}, // downwards
            {3, false, 1, 16000, 5, 25, 999, 8300, 12.0f}, // not homed: homing, then from home
            {1, true, 2, 16000, 0, 2, 0, 8300, 25.0f},     // speed number 0: the homing setting
            {1, true, 17, 16000, 1, 50, 0, 8300, 1.0f},    // homed: the homing speed is not used
            {1, true, 1, 16000, 3, 0, 0, 8300, 0.0f},      // speed 0
            {1, true, 1, 16000, 10, 50, 0, 8300, 0.0f},    // speed number 10
            {0, true, 17, 16000, 1, 50, 0, 0, 0.0f},       // homing speed 0
            {2, false, 255, 16000, 1, 50, 0, 8300, 0.0f},  // homing speed negative
            {4, false, 1, 16000, 1, 50, 0, 0, 0.0f}};      // no position 4
        int row = 0;
        for (const auto& [posNo, homed, homing, stroke, speedNo, entry, present, target, seconds] : cases) {
            MoveData data{homed, stroke, {}, {}, {}, present};
            data.SpeedTable.fill(50);
            data.SpeedTable[0] = quint16(homing);
            data.SpeedTable[qBound(0, speedNo, 9)] = quint16(entry);
            data.PosVel.fill(qint16(speedNo));
            data.PosPulse.fill(target);
            const float estimate = calc_MovingTime(data, posNo);
            QVERIFY2(qFuzzyCompare(1.0f + estimate, 1.0f + seconds), qPrintable(QString::number(row++)));
        }
    }

    // Moves one after another: every frame, the last move's time limit (estimate + 5 s), the output
    // lamps from "0RS", and the faces once the blink has stopped: the position reached alone is lit.
    void moveSequences() {
        const QList<std::tuple<QList<int>, QByteArray, QByteArray, int, QList<bool>>> cases{
            {{2}, kFirst + "0MP222220026E8 0RS20", kFirstFrames + "0MP2 0RS", 6000, {false, true}},
            {{2, 3}, // only the homing state: the present position is the last one reached
             kFirst + "0MP222220026E8 0RS20 0CM1 0RH1 0MP39332004DD0 0RS30",
             kFirstFrames + "0MP2 0RS 0CM1 0RH 0MP3 0RS",
             5250,
             {true, true}},
            {{2, 3, 2}, // after a failed move everything is read again
             kFirst + "0MP222220026E8 0RS20 0CM1 0RH1 0%%04 " + kFirst + "0MP222220026E8 0RS00",
             kFirstFrames + "0MP2 0RS 0CM1 0RH 0MP3 " + kFirstFrames + "0MP2 0RS",
             6000,
             {false, false}},
            {{1, 3}, // homing lost: read again, homing over the stroke counted
             kFirst + "0MP15212000CF8 0RS10 0CM1 0RH0 " + kReads + " 0MP39332004DD0 0RS10",
             kFirstFrames + "0MP1 0RS 0CM1 0RH 0RD10 0RD11 0RD12 0RP1 0RP2 0RP3 0MP3 0RS",
             18000,
             {true, false}}};
        for (const auto& [positions, replies, frames, limitMs, lamps] : cases) {
            Moves f;
            QTimer timerMoving;
            f.moves.blink.attachTimer(&timerMoving);
            f.reply(replies);
            for (const int posNo : positions)
                f.moves.SelectMove(posNo);
            QCOMPARE(f.frames(), frames);
            QCOMPARE(f.port.limits[f.port.limits.size() - 2], limitMs); // "0MP", then "0RS"
            QCOMPARE((QList<bool>{f.view.out1, f.view.out2, f.view.homeLamp}), lamps + QList<bool>{true});
            QCOMPARE(f.t.ctx.operation.LastPosNo, qint16(positions.constLast()));
            QVERIFY(f.t.ctx.operation.MoveDataReadFlag && !f.link.state.MovingFlag);
            QCOMPARE(f.completed, QString::number(positions.constLast()));
            QTest::qWait(250); // a blink tick left over would grey the button
            QCOMPARE(f.faces.values().count(MoveView::kLitPicture), 1);
            QCOMPARE(f.faces.value(positions.constLast()), MoveView::kLitPicture);
        }
    }

    // Every failure ends the move with nothing more sent, MovingFlag clear, the port released and the
    // cache cleared; a failed move forgets where the slide is.
    void failures() {
        // Position, replies (none: no port), frames sent, the last message shown, LastPosNo afterwards.
        const QList<std::tuple<int, QByteArray, int, QString, int>> cases{
            {2, "", 0, "Failed in opening of a communication port.", 0},
            {2, "0CM1 0RH1 " + kReads + " 0%%02", 9, "Communication error occurs!\r\n\r\nError No.02", 0},
            {4, "0CM1 0RH1 " + kReads, 8, "Input position No.(Using 1 to 3)", 0},
            {2, kFirst + "0MP2 0CM0", 11, "Communication data length error occurs!", -1},
            {2, kFirst + "0MP222220026E8 0XS00 0CM0", 12, "Communication error occurs!", 2},
            {0, kFirst + "0%%0B", 10, "Home sensor could not be detected at homing.\r\n\r\nConfirm", -1}};
        for (const auto& [posNo, replies, sent, message, lastPosNo] : cases) {
            Moves f;
            f.t.ctx.operation.LastPosNo = 0; // home: the present position is asked
            f.port.failOpen = replies.isEmpty();
            f.reply(replies);
            f.moves.SelectMove(posNo);
            QCOMPARE(f.port.written.size(), sent);
            QVERIFY2(f.t.op.lastText().startsWith(message), qPrintable(f.t.op.lastText()));
            QCOMPARE(f.t.ctx.operation.LastPosNo, qint16(lastPosNo));
            QVERIFY(!f.link.state.MovingFlag && !f.port.isOpen() && f.completed.isEmpty());
            QCOMPARE(f.t.ctx.operation.MoveDataReadFlag, posNo == 4);
        }
    }

    // Program runs one after another: the positions moved to in each, ProgramStep afterwards.
    void programRuns() {
        const QList<std::tuple<QString, ProgramOptions, QStringList, int, bool>> cases{
            {"1,2,3", kContinuous, {"123", "123"}, 1, false}, // ends after the last filled step
            {"3,2,1,3,2,1,3,2,1", kContinuous, {"321321321"}, 1, false},
            {"1,,3", kContinuous, {"1"}, 1, false}, // an empty step ends the program
            {"1,2,3", kStepwise, {"1", "2", "3", "", "1"}, 2, false},
            {"1,2,3", {false, true, false, {}}, {"1", "2", "3", "1"}, 2, false},
            {"", kContinuous, {""}, 1, false},
            {"2,x", kContinuous, {"2"}, 2, true},          // an unusable step: message 10474
            {"", {true, true, false, {}}, {""}, 1, true}}; // step 1 is taken, and unusable
        for (const auto& [steps, options, runs, stepAfter, unusable] : cases) {
            Moves f(steps);
            for (const QString& positions : runs)
                QCOMPARE(f.run(positions, options), positions);
            QCOMPARE(f.program.ProgramStep, qint16(stepAfter));
            QCOMPARE(f.t.op.lastText(),
                     unusable ? QStringLiteral("Input position No.(Using 1 to 3)") : QString());
            QVERIFY(!f.program.running() && !f.port.isOpen());
        }
    }

    void repeatCyclesUntilStopped() {
        Moves f("1,2,3");
        int moves = 0;
        f.onFrame = [&](const QByteArray& frame) {
            if (frame.startsWith("0MP") && ++moves == 7)
                f.program.cmdStop_Click();
        };
        QCOMPARE(f.run("12312312", {true, true, true, "1"}), QStringLiteral("1231231"));
        QVERIFY(!f.program.StopRequest && f.program.ProgramStep == 2);
    }

    // Requests outside a run do nothing; inside, they end it after the move under way, or at once during
    // the wait of 5 s, with no further move. A paused run continues, a stopped one starts again, and the
    // first run in step mode starts at step 1.
    void stopAndPause() {
        // Pause (or stop), during the wait (or the move to 2), the moves of two runs, the time waited,
        // the second run stepwise.
        const QList<std::tuple<bool, bool, QStringList, qint64, bool>> cases{
            {false, false, {"12", "123"}, 5000, false},
            {true, false, {"12", "3"}, 5000, false},
            {false, true, {"1", "123"}, 100, false},
            {true, true, {"1", "23"}, 100, false},
            {true, true, {"1", "1"}, 100, true}};
        for (const auto& [pause, duringWait, runs, waitedMs, stepwiseAfter] : cases) {
            Moves f("1,2,3");
            f.program.cmdStop_Click();
            f.program.cmdTmpStop_Click();
            const auto request = [&f, pause] {
                pause ? f.program.cmdTmpStop_Click() : f.program.cmdStop_Click();
            };
            if (duringWait)
                f.duringWait = request;
            else
                f.onFrame = [&](const QByteArray& frame) {
                    frame == "0MP2\r\n" ? request() : void();
                };
            QCOMPARE(f.run(runs[0], {true, false, true, "50"}), runs[0]);
            QCOMPARE(f.nowMs, waitedMs);
            QCOMPARE(f.program.PauseRequest, pause);
            f.duringWait = {};
            f.onFrame = {};
            QCOMPARE(f.run(runs[1], stepwiseAfter ? kStepwise : kContinuous), runs[1]);
        }
    }

    // The wait runs from the end of one move to the start of the next, in units of 100 ms.
    void waitBetweenSteps() {
        for (const auto& [use, text, gapMs] : QList<std::tuple<bool, QString, int>>{
                 {true, "10", 1000}, {true, "", 0}, {true, "0", 0}, {false, "10", 0}}) {
            Moves f("1,2");
            QCOMPARE(f.run("12", {true, false, use, text}), QStringLiteral("12"));
            const qsizetype secondMove = f.port.written.indexOf("0MP2\r\n");
            QCOMPARE(f.sentAt[secondMove] - f.sentAt[secondMove - 1], gapMs);
        }
    }

    void inputRules() {
        using namespace program_input;
        // Text, key, accepted by txtTimer, accepted by the step editor.
        const QList<std::tuple<QString, int, bool, bool>> keys{
            {"", '0', true, false},   {"", '3', true, true},      {"", '4', true, false},
            {"1", '2', true, false},  {"123", '9', false, false}, {"123", kBackspace, true, true},
            {"1", kEnter, true, true}};
        for (const auto& [text, key, timer, step] : keys)
            QVERIFY(timerKeyAccepted(text, key) == timer && stepEditorAccepts(text, key) == step);
        const QStringList entered{"999", "1000", "", "12a", "-1"};
        for (const QString& text : entered)
            QCOMPARE(timerTextAfterEnter(text), text == QLatin1String("999") ? text : QString());
        QCOMPARE(stepEditorOpening(' ', "2").value_or("-") + stepEditorOpening('3', "1").value_or("-") +
                     stepEditorOpening('4', "1").value_or("-"),
                 QStringLiteral("23-"));
    }
};

QTEST_GUILESS_MAIN(TestMoves)
#include "tst_moves.moc"
