// The main window's position buttons and move program over the program's own serial stack against the
// simulator, whose moves take a twentieth of their time. Its factory positions: 1 at 4000 pulses (OUT1),
// 2 at 10000 (OUT2), 3 at 16000 (both outputs).
#include "operation/ProgramGridModel.h"
#include "session/ControllerSession.h"
#include "support/SimulatorProcess.h"
#include "ui/FrmMainFixture.h"
#include "ui/MainPositionButton.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

struct OnSimulator : MainWindowFixture {
    OnSimulator() {
        t.settings.writeText(u"PortDevice1"_s, sim.path());
        controller = std::make_unique<ControllerSession>(t.ctx, *window, *window); // the machine's port
        window->attachController(*controller);
        load();
        window->optModeSelect_Click(FrmMain::MoveMode);
    }
    ~OnSimulator() { controller.reset(); }

    // The lamps home, OUT1 and OUT2, the position shown as reached and the button faces.
    QString shows() const {
        QString out;
        for (const char* lamp : {"imgHomeGreen", "imgOut1Green", "imgOut2Green"})
            out += find<QWidget>(QString::fromLatin1(lamp))->isVisibleTo(window.get()) ? u'1' : u'0';
        out += u' ' + find<QLabel>(u"lblkanryoNo"_s)->text() + u' ';
        for (int i = 0; i < 4; ++i)
            out += QString::number(window->positionButton(i)->picture());
        return out;
    }

    SimulatorProcess sim{{u"--move-scale"_s, u"0.05"_s}};
    std::unique_ptr<ControllerSession> controller;
};

} // namespace

class TestWindowMovesE2e : public QObject {
    Q_OBJECT
private slots:
    void buttonsAndAProgram() {
        OnSimulator s;
        s.window->positionButton(0)->click();
        QCOMPARE(s.shows(), u"100 0 2333"_s);
        s.window->positionButton(3)->click();
        QCOMPARE(s.shows(), u"111 3 3332"_s);
        QVERIFY(s.sim.command(u"status"_s).contains(u"position=16000 last=3"_s));

        // A program of two steps, one after the other.
        s.window->optSelectMove_Click(0);
        s.window->programModel().setStep(1, u"2"_s);
        s.window->programModel().setStep(2, u"1"_s);
        s.find<QPushButton>(u"cmdMove"_s)->click();
        QVERIFY(s.shows().startsWith(u"110 1 "_s));
        QVERIFY(s.sim.command(u"status"_s).contains(u"position=4000 last=1"_s));
        QVERIFY(s.t.op.messages.isEmpty() && !s.t.ctx.operation.CtBusyFlag &&
                !s.controller->link.portIsOpen());
    }
};

QTEST_MAIN(TestWindowMovesE2e)
#include "tst_window_moves_e2e.moc"
