// The main window's test operation over a scripted controller: a position button's move with its blink,
// the controls it takes away and gives back on every way out, a program run stopped from its button and
// the program grid's editor.
#include "FrmMainFixture.h"
#include "operation/ProgramGridModel.h"
#include "session/ControllerSession.h"
#include "ui/MainPositionButton.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// What a homed controller answers before its first move: stroke, speeds, positions, the slide at 1.
const QByteArray kFirst = "0CM1 0RH1 0RD10004E2002020202FF 0RD1114283C010400FFFF 0RD12506478A0C8F0FFFF "
                          "0RP15212000CF8 0RP222220026E8 0RP39332004DD0 0RCF0000000CF8";

// A loaded main window in Move Mode over a scripted controller on a fake move clock.
struct Operating : ConnectedWindowFixture {
    Operating() {
        for (const QByteArray& text : kFirst.split(' '))
            port->scriptText(text + "\r\n");
        window->optModeSelect_Click(FrmMain::MoveMode);
    }

    QByteArray frames() const { return port->written.join().replace("\r\n", " ").trimmed(); }
    // The lamps home, OUT1 and OUT2, the position reached, the faces of the four buttons, and how many of
    // the controls a move or a run takes away cannot be used.
    QString shows() const {
        QString out;
        for (const char* lamp : {"imgHomeGreen", "imgOut1Green", "imgOut2Green"})
            out += find<QWidget>(QString::fromLatin1(lamp))->isVisibleTo(window.get()) ? u'1' : u'0';
        out += u' ' + find<QLabel>(u"lblkanryoNo"_s)->text() + u' ';
        for (int i = 0; i < 4; ++i)
            out += QString::number(window->positionButton(i)->picture());
        int unusable = 0;
        for (const char* name : {"cmdReset", "optSelectMove_0", "optModeSelect_1", "mnuFile", "mnuView",
                                 "mnuHelp", "pictureSelectMove", "cmdMove"})
            unusable += usable(QString::fromLatin1(name)) ? 0 : 1;
        return out + u' ' + QString::number(unusable);
    }
};

} // namespace

class TestFrmMainMoves : public QObject {
    Q_OBJECT
private slots:
    // While the move waits 700 ms for its end the button blinks, nothing that starts an exchange can be
    // used, the close box is refused without a word and another button does nothing. Afterwards the
    // position reached alone is lit, with the outputs read back, and everything is usable again.
    void aMoveBlinksAndHoldsTheControls() {
        Operating f;
        f.port->script({{"0MP39332004DD0\r\n", 700}});
        f.port->scriptText("0RS33\r\n");
        QString blink, during;
        QTimer sampler;
        connect(&sampler, &QTimer::timeout, this, [&] {
            if (const QString face = QString::number(f.window->positionButton(3)->picture());
                !blink.endsWith(face))
                blink += face;
        });
        QTimer::singleShot(300, f.window.get(), [&] {
            f.t.op.answer(Answer::Cancel); // should the close get as far as asking
            during = f.shows() + (f.window->close() ? u" closed"_s : QString());
            f.window->positionButton(1)->click();
        });
        sampler.start(20);
        f.window->positionButton(3)->click();
        QVERIFY2(blink.startsWith(u"3232"_s), qPrintable(blink));
        QVERIFY2(during.endsWith(u" 8"_s), qPrintable(during)); // all 8 unusable, and not closed
        QCOMPARE(f.frames(), "0CM1 0RH 0RD10 0RD11 0RD12 0RP1 0RP2 0RP3 0RC 0MP3 0RS"_ba);
        QCOMPARE(f.shows(), u"111 3 3332 1"_s); // the program panel's cmdMove is hidden
        QVERIFY(f.t.op.messages.isEmpty() && !f.t.ctx.operation.CtBusyFlag && !f.port->isOpen());
    }

    // Time-out, an alarm on the way, the home sensor not found, a port that cannot be opened: the
    // failure is told, and the window is as usable as before, the blink stopped.
    void everyFailureGivesTheWindowBack() {
        const QList<std::tuple<int, QByteArray, QString>> cases{
            {2, {}, u"Communication timeout error!"_s},
            {1, "0%%04", u"Communication error occurs!\r\n\r\nError No.04"_s},
            {0, "0%%0B", u"Home sensor could not be detected at homing."_s},
            {3, "no port", u"Failed in opening of a communication port."_s}};
        for (const auto& [index, reply, message] : cases) {
            Operating f;
            f.port->failOpen = reply == "no port";
            f.port->script({{reply.isEmpty() ? QByteArray() : reply + "\r\n", 0}}); // empty: silence
            f.port->limitInForce = [&f] { // an unanswered move reaches its limit at once
                f.clock->now += 100.0f;
                return -1;
            };
            f.window->positionButton(index)->click();
            QVERIFY2(f.t.op.lastText().startsWith(message), qPrintable(f.t.op.lastText()));
            QCOMPARE(f.shows(), u"000  3333 1"_s);
            QVERIFY(!f.t.ctx.operation.CtBusyFlag && !f.controller->link.state.MovingFlag);
            QVERIFY(!f.window->movingTimer()->isActive());
        }
    }

    // Steps 1 and 2 with a wait of 5 s: Stop, usable while the run holds every other control,
    // ends the wait at once and no further move is sent.
    void stopEndsTheProgramsWait() {
        Operating f;
        f.window->optSelectMove_Click(0);
        f.window->programModel().setStep(1, u"1"_s);
        f.window->programModel().setStep(2, u"2"_s);
        f.find<QCheckBox>(u"chkTimerUse"_s)->click();
        f.find<QLineEdit>(u"txtTimer"_s)->setText(u"50"_s);
        f.port->scriptText("0MP15212000CF8\r\n");
        f.port->scriptText("0RS10\r\n");
        QElapsedTimer waited;
        QString during;
        f.port->limitInForce = [&] {
            if (f.frames().count("0MP") > 1) // a run that goes on: its unanswered move times out
                f.clock->now += 100.0f;
            if (f.port->written.constLast().startsWith("0RS"))
                QTimer::singleShot(300, f.window.get(), [&] {
                    during = f.shows();
                    waited.start();
                    f.find<QPushButton>(u"cmdStop"_s)->click();
                });
            return -1;
        };
        f.find<QPushButton>(u"cmdMove"_s)->click();
        QVERIFY2(waited.isValid() && waited.elapsed() < 1000, qPrintable(QString::number(waited.elapsed())));
        QVERIFY(during.endsWith(u" 8"_s) && f.frames().endsWith("0RC 0MP1 0RS"));
        QVERIFY(f.shows().endsWith(u" 1"_s) && !f.t.ctx.operation.CtBusyFlag); // the hidden pictureSelectMove
    }

    // The editor over a step takes one position number 1 to 3: the step, its text, the keys typed on the
    // grid and then in the editor, the step's text afterwards and the current step.
    void programEditorTakesOneToThree() {
        const QList<std::tuple<int, QString, QList<int>, QString, int>> cases{
            {1, {}, {Qt::Key_2, Qt::Key_Return}, u"2"_s, 2}, // Enter writes the step and goes on
            {4, {}, {Qt::Key_4}, {}, 4},                     // the editor does not open
            {2, u"1"_s, {Qt::Key_Space, Qt::Key_4, Qt::Key_Backspace, Qt::Key_3, Qt::Key_Up}, u"3"_s, 1},
            {9, {}, {Qt::Key_1, Qt::Key_Down}, u"1"_s, 1}}; // wrapping from 9 to 1
        Operating f;
        f.window->optSelectMove_Click(0);
        f.window->show();
        f.window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f.window.get()));
        QTableView* grid = f.window->programGrid();
        QWidget* editor = f.window->programEditor();
        for (const auto& [step, before, keys, after, current] : cases) {
            f.window->programModel().setStep(step, before);
            grid->setFocus();
            grid->setCurrentIndex(f.window->programModel().index(step - 1, 1));
            for (const int key : keys)
                QTest::keyClick(editor->isVisible() ? editor : grid, Qt::Key(key));
            QCOMPARE(f.window->programModel().step(step), after);
            QCOMPARE(grid->currentIndex().row() + 1, current);
        }
    }
};

QTEST_MAIN(TestFrmMainMoves)
#include "tst_frmmain_moves.moc"
