#include "support/SimulatedLink.h"
#include "ui/FrmInputOutput.h"
#include "ui/FrmMainFixture.h"
#include "ui/NextDialog.h"

#include <QAbstractButton>
#include <QLabel>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The I/O monitor window over the program's own serial stack against the simulator.
struct Bench : SimulatedLink {
    Bench() { window.show(); }
    bool lit(const char* lamp) const {
        return window.findChild<QLabel*>(QLatin1String(lamp))->property("lit").toBool();
    }
    QAbstractButton* button(const char* name) const {
        return window.findChild<QAbstractButton*>(QLatin1String(name));
    }

    FrmInputOutput window{t.ctx, link};
};

} // namespace

class TestIoE2e : public QObject {
    Q_OBJECT
private slots:
    // The lamps follow the simulator's inputs; clicks on an output's picture and on its lamp switch
    // that output in the controller; the window stays open while monitoring runs, until an emergency
    // stop refuses the outputs' write and ends it.
    void monitorFollowsTheController() {
        Bench b;
        b.button("cmdIoCheck")->click();
        QTRY_COMPARE_WITH_TIMEOUT(b.button("cmdIoCheck")->text(), QStringLiteral("Stop Monitor"), 2000);
        QVERIFY(!b.lit("imgPosi2Led") && !b.lit("imgHomeLsLed") && !b.button("cmdIoWinClose")->isEnabled());

        QVERIFY(b.ok("inputs 2") && b.ok("home-ls on"));
        QTRY_VERIFY_WITH_TIMEOUT(b.lit("imgPosi2Led") && b.lit("imgHomeLsLed"), 2000);
        QVERIFY(b.ok("inputs 5"));
        QTRY_VERIFY_WITH_TIMEOUT(b.lit("imgPosi1Led") && b.lit("imgPosi4Led") && !b.lit("imgPosi2Led"), 2000);

        b.button("imgOut1")->click();
        QTRY_VERIFY_WITH_TIMEOUT(b.lit("imgOut1Led"), 2000);
        QTest::mouseClick(b.window.findChild<QLabel*>(QStringLiteral("imgPendLed")), Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(b.lit("imgPendLed"), 2000);
        QVERIFY(b.sim.command(QStringLiteral("registers")).endsWith(QStringLiteral("107=F3")));
        b.window.close();
        QVERIFY(b.window.isVisible());

        QVERIFY(b.ok("emergency on"));
        QTRY_COMPARE_WITH_TIMEOUT(b.button("cmdIoCheck")->text(), QStringLiteral("Start Monitor"), 2000);
        QVERIFY(
            b.t.op.lastText().startsWith(QStringLiteral("Communication error occurs!\r\n\r\nError No.0E")));
        QVERIFY(!b.lit("imgOut1Led") && !b.lit("imgPosi1Led") && b.button("cmdIoWinClose")->isEnabled() &&
                !b.port.isOpen() && b.t.op.messages.size() == 1);
        b.window.close();
        QVERIFY(!b.window.isVisible());
    }

    // Both items of the I/O menu open the monitor over the main window, the controller busy meanwhile.
    void openedFromTheMenu() {
        ConnectedWindowFixture f;
        for (const char* item : {"mnuShowState", "mnuChangeOut"}) {
            QString opened;
            bool busy = false;
            onNextDialog([&](QWidget* dialog) {
                opened = dialog->objectName() + QLatin1Char('/') + dialog->parentWidget()->objectName();
                busy = f.t.ctx.operation.CtBusyFlag;
                dialog->close();
            });
            f.find<QAction>(QLatin1String(item))->trigger();
            QCOMPARE(opened, QStringLiteral("frmInputOutput/frmMain"));
            QVERIFY(busy && !f.t.ctx.operation.CtBusyFlag && f.port->written.isEmpty());
        }
    }
};

QTEST_MAIN(TestIoE2e)
#include "tst_io_e2e.moc"
