// The main window's test operation over a scripted controller: a position button's move with its blink
// and the controls it takes away and gives back, a program run stopped or paused from its button, the
// close box during a move, and the program grid's editor.
#include "FrmMainFixture.h"
#include "operation/MoveProgram.h"
#include "operation/ProgramGridModel.h"
#include "session/ControllerSession.h"
#include "support/FakePorts.h"
#include "support/LinkFixture.h"
#include "ui/MainPositionButton.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// A homed controller: stroke 20000 pulses, homing setting 1, position 1 at 3320 pulses, 2 at 9960, 3 at
// 19920, the slide at 1.
const QByteArray kReads = "0RD10004E2002020202FF 0RD1114283C010400FFFF 0RD12506478A0C8F0FFFF 0RP15212000CF8 "
                          "0RP222220026E8 0RP39332004DD0";
const QByteArray kFirst = "0CM1 0RH1 " + kReads + " 0RCF0000000CF8";
const QByteArray kFirstFrames = "0CM1 0RH 0RD10 0RD11 0RD12 0RP1 0RP2 0RP3 0RC";

// A loaded main window in Move Mode whose controller is a scripted far end on a fake move clock.
struct Operating : MainWindowFixture {
    Operating() {
        auto scripted = std::make_unique<ScriptedPort>();
        port = scripted.get();
        auto fake = std::make_unique<FakeClock>();
        clock = fake.get();
        controller = std::make_unique<ControllerSession>(t.ctx, *window, *window, std::move(scripted),
                                                         std::move(fake));
        window->attachController(*controller);
        load();
        window->optModeSelect_Click(FrmMain::MoveMode);
    }
    ~Operating() { controller.reset(); }

    void reply(const QByteArray& replies) {
        for (const QByteArray& text : replies.split(' '))
            port->scriptText(text + "\r\n");
    }
    QByteArray frames() const {
        QByteArrayList out;
        for (const QByteArray& frame : port->written)
            out << frame.chopped(2);
        return out.join(' ');
    }
    PositionButton* button(int index) const { return window->positionButton(index); }
    bool shown(const QString& name) const { return find<QWidget>(name)->isVisibleTo(window.get()); }
    QString faces() const {
        QString out;
        for (int i = 0; i < 4; ++i)
            out += QString::number(button(i)->picture());
        return out;
    }
    // What a move or a run takes away: the buttons, the mode choice, reset, the menus and the panel choice.
    QStringList unusable() const {
        QStringList names;
        for (const char* name : {"cmdReset", "optSelectMove_0", "optModeSelect_1", "mnuFile", "mnuView",
                                 "mnuHelp", "mnuModeChange", "pictureSelectMove", "cmdMove"}) {
            if (!usable(QString::fromLatin1(name)))
                names << QString::fromLatin1(name);
        }
        return names;
    }
    QPushButton* push(const char* name) const { return find<QPushButton>(QString::fromLatin1(name)); }

    ScriptedPort* port = nullptr;
    FakeClock* clock = nullptr;
    std::unique_ptr<ControllerSession> controller;
};

} // namespace

class TestFrmMainMoves : public QObject {
    Q_OBJECT
private slots:
    void aButtonMovesAndShowsTheArrival();
    void duringAMove();
    void everyFailureGivesTheWindowBack();
    void programStopAndPauseFromTheirButtons();
    void programEditor();
    void waitTimeTakesThreeDigits();
};

// The first move after start reads what the estimate needs; the position reached alone is lit, the
// outputs and the home lamp show, and everything is usable again.
void TestFrmMainMoves::aButtonMovesAndShowsTheArrival() {
    Operating f;
    const QStringList before = f.unusable();
    f.reply(kFirst + " 0MP222220026E8 0RS23");
    f.button(2)->click();
    QCOMPARE(f.frames(), kFirstFrames + " 0MP2 0RS");
    QCOMPARE(f.faces(), u"3323"_s);
    QVERIFY(f.shown(u"imgHomeGreen"_s) && f.shown(u"imgOut2Green"_s) && !f.shown(u"imgOut1Green"_s));
    QCOMPARE(f.find<QLabel>(u"lblkanryoNo"_s)->text(), u"2"_s);
    QCOMPARE(f.unusable(), before);
    QVERIFY(!f.t.ctx.operation.CtBusyFlag && !f.controller->link.state.MovingFlag && !f.port->isOpen());
    QVERIFY(!f.window->movingTimer()->isActive() && f.t.op.messages.isEmpty());
}

// While the move waits 700 ms for its end: the moving button blinks, nothing that starts an exchange can
// be used, the close box is refused without a word, and another button's click does nothing.
void TestFrmMainMoves::duringAMove() {
    Operating f;
    f.reply(kFirst);
    f.port->script({{"0MP39332004DD0\r\n", 700}});
    f.reply("0RS33");
    QString blink;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, this, [&] {
        const QString face = QString::number(f.button(3)->picture());
        if (!blink.endsWith(face))
            blink += face;
    });
    QStringList during;
    bool closed = true;
    QTimer::singleShot(300, this, [&] {
        during = f.unusable();
        QVERIFY(f.t.ctx.operation.CtBusyFlag && f.window->movingTimer()->isActive());
        closed = f.window->close();
        f.button(1)->click();
    });
    sampler.start(20);
    f.button(3)->click();
    sampler.stop();
    QVERIFY2(blink.startsWith(u"3232"_s), qPrintable(blink));
    QCOMPARE(during.size(), 9);
    QVERIFY(!closed && f.window->closeRefused() && f.t.op.messages.isEmpty());
    QCOMPARE(f.frames().count("0MP"), 1);
    QCOMPARE(f.faces(), u"3332"_s);
    QVERIFY(f.shown(u"imgOut1Green"_s) && f.shown(u"imgOut2Green"_s));
    QTest::qWait(250); // no tick of the blink is left to grey the button
    QCOMPARE(f.faces(), u"3332"_s);
}

// Time-out, an alarm during the move, the home sensor not found, a port that cannot be opened: the
// failure is told, and the window is as usable as before with the blink stopped.
void TestFrmMainMoves::everyFailureGivesTheWindowBack() {
    // Button, replies (none: the port cannot be opened), the start of the last message.
    const QList<std::tuple<int, QByteArray, QString>> cases{
        {2, kFirst, u"Communication timeout error!"_s},
        {1, kFirst + " 0%%04", u"Communication error occurs!\r\n\r\nError No.04"_s},
        {0, kFirst + " 0%%0B", u"Home sensor could not be detected at homing."_s},
        {3, "", u"Failed in opening of a communication port."_s}};
    for (const auto& [index, replies, message] : cases) {
        Operating f;
        const QStringList before = f.unusable();
        f.port->failOpen = replies.isEmpty();
        f.port->limitInForce = [&f] { // an unanswered move reaches its limit at once
            if (f.port->written.constLast().startsWith("0MP"))
                f.clock->now += 100.0f;
            return -1;
        };
        if (!replies.isEmpty())
            f.reply(replies);
        f.button(index)->click();
        QVERIFY2(f.t.op.lastText().startsWith(message), qPrintable(f.t.op.lastText()));
        QCOMPARE(f.unusable(), before);
        QVERIFY(!f.t.ctx.operation.CtBusyFlag && !f.controller->link.state.MovingFlag);
        QVERIFY(!f.window->movingTimer()->isActive() && f.faces() == u"3333"_s);
        QVERIFY(!f.shown(u"imgOut1Green"_s) && f.find<QLabel>(u"lblkanryoNo"_s)->text().isEmpty());
    }
}

// Steps 1 and 2 with a wait of 5 s, repeated: a click of Stop or Pause during the wait ends the run at
// once, before the next move. The next run starts again at step 1 after Stop, goes on at 2 after Pause.
void TestFrmMainMoves::programStopAndPauseFromTheirButtons() {
    for (const char* request : {"cmdStop", "cmdTmpStop"}) {
        Operating f;
        f.window->optSelectMove_Click(0);
        f.window->programModel().setStep(1, u"1"_s);
        f.window->programModel().setStep(2, u"2"_s);
        f.find<QCheckBox>(u"chkRepeat"_s)->setChecked(true);
        f.find<QCheckBox>(u"chkTimerUse"_s)->click();
        f.find<QLineEdit>(u"txtTimer"_s)->setText(u"50"_s);
        const QStringList before = f.unusable();
        f.reply(kFirst + " 0MP15212000CF8 0RS10");
        bool stopUsable = false;
        QStringList during;
        QElapsedTimer waited;
        f.port->limitInForce = [&] {
            if (f.frames().count("0MP") > 1) // a run that goes on: its unanswered move times out
                f.clock->now += 100.0f;
            if (f.port->written.constLast().startsWith("0RS")) {
                QTimer::singleShot(300, this, [&] {
                    during = f.unusable();
                    stopUsable = f.usable(u"cmdStop"_s) && f.usable(u"cmdTmpStop"_s);
                    waited.start();
                    f.push(request)->click();
                });
            }
            return -1;
        };
        f.push("cmdMove")->click();
        QVERIFY2(waited.isValid() && waited.elapsed() < 1000, qPrintable(QString::number(waited.elapsed())));
        QVERIFY(stopUsable && during.size() == 9);
        QCOMPARE(f.frames(), kFirstFrames + " 0MP1 0RS");
        QCOMPARE(f.unusable(), before);
        QVERIFY(!f.t.ctx.operation.CtBusyFlag && !f.port->isOpen());

        f.port->limitInForce = {};
        f.port->written.clear();
        const bool paused = qstrcmp(request, "cmdTmpStop") == 0;
        f.reply(paused ? "0CM1 0RH1 0MP222220026E8 0RS20" : "0CM1 0RH1 0MP15212000CF8 0RS10");
        QTimer::singleShot(300, this, [&] { f.push("cmdStop")->click(); });
        f.push("cmdMove")->click();
        QCOMPARE(f.frames(), paused ? "0CM1 0RH 0MP2 0RS"_ba : "0CM1 0RH 0MP1 0RS"_ba);
    }
}

// The editor over a step takes one position number 1 to 3. Keys on the grid, then in the editor; the
// step's text and the current step afterwards.
void TestFrmMainMoves::programEditor() {
    // Step, its text, the keys ('<' Backspace, '^' Up, 'v' Down, '>' Right, '!' Escape, '|' Enter), the
    // step's text afterwards, the current step, the editor still open.
    const QList<std::tuple<int, QString, QByteArray, QString, int, bool>> cases{
        {1, {}, "2|", u"2"_s, 2, false},
        {1, {}, "4", {}, 1, false},             // the editor does not open
        {2, u"1"_s, " 4<3|", u"3"_s, 3, false}, // a blank opens with the text
        {3, {}, "12^", u"1"_s, 2, false},       // one character only
        {1, u"2"_s, "|3v", u"2"_s, 2, false},   // Enter opens too; a full editor refuses
        {9, {}, "3v", u"3"_s, 1, false},        // wrapping 9 -> 1
        {1, {}, "3^", u"3"_s, 9, false},        // and 1 -> 9
        {4, {}, "1>", u"1"_s, 4, false},        // the position column is the only one
        {5, u"2"_s, " <!", u"2"_s, 5, false},   // Escape leaves the step as it was
        {6, {}, "3x", {}, 6, true}};            // nothing else reaches the editor
    const QMap<char, Qt::Key> named = {{'<', Qt::Key_Backspace}, {'^', Qt::Key_Up},
                                       {'v', Qt::Key_Down},      {'>', Qt::Key_Right},
                                       {'!', Qt::Key_Escape},    {'|', Qt::Key_Return}};
    Operating f;
    f.window->optSelectMove_Click(0);
    f.window->show();
    f.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
    QTableView* grid = f.window->programGrid();
    QLineEdit* editor = f.window->programEditor();
    ProgramGridModel& steps = f.window->programModel();
    for (const auto& [step, before, keys, after, current, open] : cases) {
        steps.setStep(step, before);
        grid->setFocus();
        grid->setCurrentIndex(steps.index(step - 1, 1));
        for (const char key : keys) {
            QWidget* target = editor->isVisible() ? static_cast<QWidget*>(editor) : grid;
            if (named.contains(key))
                QTest::keyClick(target, named[key]);
            else
                QTest::keyClick(target, key);
        }
        const QString row = QString::number(step) + u' ' + QString::fromLatin1(keys);
        QVERIFY2(steps.step(step) == after, qPrintable(row));
        QVERIFY2(grid->currentIndex().row() + 1 == current && editor->isVisible() == open, qPrintable(row));
        if (open)
            QTest::keyClick(editor, Qt::Key_Escape);
    }
    // A double-click opens the editor over the cell with its text; another control taking the focus
    // writes the text back.
    steps.setStep(7, u"3"_s);
    const QRect cell = grid->visualRect(steps.index(6, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
    QVERIFY(editor->isVisible() && editor->text() == u"3"_s);
    QCOMPARE(editor->mapToGlobal(QPoint()), grid->viewport()->mapToGlobal(cell.topLeft()));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClick(editor, '1');
    QTest::mouseClick(f.find<QCheckBox>(u"chkRepeat"_s), Qt::LeftButton);
    QVERIFY(steps.step(7) == u"1"_s && editor->isHidden());
}

void TestFrmMainMoves::waitTimeTakesThreeDigits() {
    Operating f;
    f.window->optSelectMove_Click(0);
    auto* wait = f.find<QLineEdit>(u"txtTimer"_s);
    f.find<QCheckBox>(u"chkTimerUse"_s)->click();
    QTest::keyClicks(wait, u"5a0-79"_s);
    QCOMPARE(wait->text(), u"507"_s);
    wait->clear();
    wait->insert(u"4x"_s); // pasted text obeys the same rule
    QCOMPARE(wait->text(), QString());
}

QTEST_MAIN(TestFrmMainMoves)
#include "tst_frmmain_moves.moc"
