#include "operation/MoveFixture.h"
#include "operation/MoveProgram.h"
#include "operation/ProgramGridModel.h"
#include "operation/ProgramInput.h"
#include "operation/StepTimer.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// Timer2 on a fake clock: each round of event processing takes 100 ms.
class FakeStepTimer : public StepTimer {
public:
    void start(int milliseconds) override { deadline = nowMs + milliseconds; }
    void stop() override { deadline = -1; }
    void processEvents() override {
        nowMs += 100;
        if (duringWait)
            duringWait();
        if (deadline >= 0 && nowMs >= deadline)
            onTimeout();
    }
    qint64 nowMs = 0;
    qint64 deadline = -1;
    std::function<void()> duringWait;
};

// The program over the scripted far end; steps are given as "1,2,,3" (step 3 empty).
struct ProgramFixture : MoveFixture {
    explicit ProgramFixture(const QString& steps) {
        const QStringList texts = steps.split(QLatin1Char(','));
        for (qsizetype i = 0; i < texts.size(); ++i)
            grid.setStep(int(i) + 1, texts[i]);
        port.limitInForce = [this] { // called as each frame goes out
            sentAt << timer2.nowMs;
            if (onFrame)
                onFrame(port.written.constLast());
            return -1;
        };
    }
    // One run against a far end that answers the moves to `positions`; returns the positions moved to.
    QString run(const QString& positions, const ProgramOptions& options) {
        const QByteArray first(kFirst);
        QByteArray replies =
            t.ctx.operation.MoveDataReadFlag ? "0CM1 0RH1" : first.left(first.indexOf(" 0RC"));
        if (!positions.isEmpty() && (t.ctx.operation.LastPosNo < 1 || t.ctx.operation.LastPosNo > 3))
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
    ProgramGridModel grid{t.ctx.texts};
    FakeStepTimer timer2;
    MoveProgram program{t.ctx, link, moves, view, grid, timer2};
    QList<qint64> sentAt;
    std::function<void(const QByteArray&)> onFrame;
};

struct RunCase {
    QString steps;
    ProgramOptions options;
    QStringList runs; // the positions moved to in each run
    int stepAfter;
    bool unusable; // the last run ended with message 10474
};

const ProgramOptions kContinuous{true, false, false, {}};
const ProgramOptions kContinuousRepeat{true, true, false, {}};
const ProgramOptions kStepwise{false, false, false, {}};

} // namespace

Q_DECLARE_METATYPE(RunCase)

class TestProgram : public QObject {
    Q_OBJECT
private slots:
    void runs_data() {
        QTest::addColumn<RunCase>("c");
        const auto row = [](const char* name, const RunCase& c) {
            QTest::newRow(name) << c;
        };
        row("continuous: ends after the last filled step, next run from 1",
            {"1,2,3", kContinuous, {"123", "123"}, 1, false});
        row("continuous: nine steps", {"3,2,1,3,2,1,3,2,1", kContinuous, {"321321321"}, 1, false});
        row("continuous: an empty step ends the program", {"1,,3", kContinuous, {"1"}, 1, false});
        row("step mode: one step per click", {"1,2,3", kStepwise, {"1", "2", "3", "", "1"}, 2, false});
        row("step mode, repeated", {"1,2,3", {false, true, false, {}}, {"1", "2", "3", "1"}, 2, false});
        row("nothing to run", {"", kContinuous, {""}, 1, false});
        row("unusable step", {"2,x", kContinuous, {"2"}, 2, true});
        row("nothing to run, repeated: step 1 is unusable", {"", kContinuousRepeat, {""}, 1, true});
    }

    void runs() {
        QFETCH(RunCase, c);
        ProgramFixture f(c.steps);
        for (const QString& positions : c.runs)
            QCOMPARE(f.run(positions, c.options), positions);
        QCOMPARE(f.program.ProgramStep, qint16(c.stepAfter));
        QCOMPARE(f.t.op.lastText(),
                 c.unusable ? QStringLiteral("Input position No.(Using 1 to 3)") : QString());
        QVERIFY(!f.program.running() && !f.port.isOpen());
    }

    void repeatCyclesUntilStopped() {
        ProgramFixture f("1,2,3");
        int moves = 0;
        f.onFrame = [&](const QByteArray& frame) {
            if (frame.startsWith("0MP") && ++moves == 7)
                f.program.cmdStop_Click();
        };
        QCOMPARE(f.run("12312312", {true, true, true, "1"}), QStringLiteral("1231231"));
        QVERIFY(!f.program.StopRequest && f.program.ProgramStep == 2);
    }

    // Requests outside a run do nothing; inside, they end it after the move under way or at once during
    // the wait of 5 s, with no further move. A paused run continues, a stopped one starts again.
    void stopAndPause_data() {
        QTest::addColumn<bool>("pause");
        QTest::addColumn<bool>("duringWait");
        QTest::addColumn<QStringList>("runs");
        QTest::addColumn<qint64>("waitedMs");
        QTest::newRow("stop during a move") << false << false << QStringList{"12", "123"} << qint64(5000);
        QTest::newRow("pause during a move") << true << false << QStringList{"12", "3"} << qint64(5000);
        QTest::newRow("stop during the wait") << false << true << QStringList{"1", "123"} << qint64(100);
        QTest::newRow("pause during the wait") << true << true << QStringList{"1", "23"} << qint64(100);
    }

    void stopAndPause() {
        QFETCH(bool, pause);
        QFETCH(bool, duringWait);
        QFETCH(QStringList, runs);
        QFETCH(qint64, waitedMs);
        ProgramFixture f("1,2,3");
        f.program.cmdStop_Click();
        f.program.cmdTmpStop_Click();
        const auto request = [&] {
            pause ? f.program.cmdTmpStop_Click() : f.program.cmdStop_Click();
        };
        if (duringWait)
            f.timer2.duringWait = request;
        else
            f.onFrame = [&](const QByteArray& frame) {
                if (frame == "0MP2\r\n")
                    request();
            };
        const ProgramOptions waiting{true, false, true, "50"};
        QCOMPARE(f.run(runs[0], waiting), runs[0]);
        QCOMPARE(f.timer2.nowMs, waitedMs);
        QCOMPARE(f.program.PauseRequest, pause);
        f.timer2.duringWait = {};
        f.onFrame = {};
        QCOMPARE(f.run(runs[1], kContinuous), runs[1]);
    }

    // The wait runs from the end of one move to the start of the next, in units of 100 ms.
    void waitBetweenSteps() {
        for (const auto& [use, text, gapMs] : QList<std::tuple<bool, QString, int>>{
                 {true, "10", 1000}, {true, "", 0}, {true, "0", 0}, {false, "10", 0}}) {
            ProgramFixture f("1,2");
            QCOMPARE(f.run("12", {true, false, use, text}), QStringLiteral("12"));
            const qsizetype secondMove = f.port.written.indexOf("0MP2\r\n");
            QCOMPARE(f.sentAt[secondMove] - f.sentAt[secondMove - 1], gapMs);
        }
    }

    void failedMoveEndsTheRun() {
        ProgramFixture f("1,2,3");
        f.reply(QByteArray(MoveFixture::kFirst) + "0MP10000000000 0RS00 0%%04");
        f.program.ContinualMove2(kContinuous);
        QCOMPARE(f.frames(), QByteArray(MoveFixture::kFirstFrames) + "0MP1 0RS 0MP2");
        QVERIFY(!f.program.running() && !f.port.isOpen() && f.t.ctx.operation.LastPosNo == -1);
    }

    void inputRules() {
        using namespace program_input;
        // Text, key, accepted by txtTimer, accepted by the step editor.
        for (const auto& [text, key, timer, step] :
             QList<std::tuple<QString, int, bool, bool>>{{"", '0', true, false},
                                                         {"", '1', true, true},
                                                         {"", '3', true, true},
                                                         {"", '4', true, false},
                                                         {"1", '2', true, false},
                                                         {"12", '9', true, false},
                                                         {"123", '9', false, false},
                                                         {"123", kBackspace, true, true},
                                                         {"1", kEnter, true, true},
                                                         {"", 'a', false, false},
                                                         {"", '-', false, false}}) {
            QCOMPARE(timerKeyAccepted(text, key), timer);
            QCOMPARE(stepEditorAccepts(text, key), step);
        }
        for (const auto& [text, kept] : QList<std::pair<QString, QString>>{
                 {"0", "0"}, {"999", "999"}, {"1000", ""}, {"", ""}, {"12a", ""}, {"-1", ""}})
            QCOMPARE(timerTextAfterEnter(text), kept);
        QCOMPARE(stepEditorOpening(' ', "2"), std::optional<QString>("2"));
        QCOMPARE(stepEditorOpening('3', "1"), std::optional<QString>("3"));
        QVERIFY(!stepEditorOpening('4', "1"));
    }
};

QTEST_GUILESS_MAIN(TestProgram)
#include "tst_program.moc"
