// The main window over a scripted controller: alarms, version, modes, and the bracket that
// keeps a second exchange from starting while one waits, Read from C/T and Write to C/T included.
#include "FrmMainFixture.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// The controls that start an exchange.
const QStringList kStarters{u"cmdReset"_s,      u"cmdGetfromCt"_s,    u"mnuShowCtversion"_s,
                            u"mnuModeChange"_s, u"mnuView"_s,         u"mnuFileGetfromCt"_s,
                            u"tbButton_Read"_s, u"optModeSelect_0"_s, u"imgButton_0"_s};
using Connected = ConnectedWindowFixture;

} // namespace

class TestFrmMainController : public QObject {
    Q_OBJECT
private slots:
    // The alarm list read at load explains the alarm line; the reset button clears it.
    void alarmLineShowsOnThePanelAndResetClearsIt() {
        Connected c;
        QVERIFY(c.t.op.messages.isEmpty());
        c.port->open(1);
        c.port->deliverNow("0%%0E\r\n");
        auto* lamp = c.find<QWidget>(u"imgAlarmLed"_s);
        QVERIFY(lamp->isVisibleTo(c.window.get()));
        QCOMPARE(c.find<QLabel>(u"lblAlarmNo"_s)->text(), u"0E"_s);
        QVERIFY(c.find<QLabel>(u"lblErrorComment"_s)->text().startsWith(u"Emergency stop"_s));
        QVERIFY(!c.find<QWidget>(u"imgHomeGreen"_s)->isVisibleTo(c.window.get()));

        c.port->scriptText("0%C00\r\n");
        c.find<QPushButton>(u"cmdReset"_s)->click();
        QCOMPARE(c.port->written, QByteArrayList{"0%C\r\n"});
        QVERIFY(!lamp->isVisibleTo(c.window.get()));
        QCOMPARE(c.find<QLabel>(u"lblErrorComment"_s)->text(), u"No Error"_s);
        QCOMPARE(c.find<QLabel>(u"lblAlarmNo"_s)->text(), QString());
        QVERIFY(!c.t.ctx.operation.CtBusyFlag);
    }

    // The version menu writes the status bar; the mode menus ask before they send anything.
    void versionAndModeMenus() {
        Connected c;
        c.port->scriptText("0CM1\r\n");
        c.port->scriptText("0RV120000\r\n");
        c.find<QAction>(u"mnuShowCtversion"_s)->trigger();
        QCOMPARE(c.t.op.lastText(), u"Version of the controller is 120."_s);
        QCOMPARE(c.find<QLabel>(u"sbPanel_1"_s)->text(), u"The version of this C/T is 120"_s);
        c.port->written.clear();
        c.t.op.messages.clear();
        c.t.op.answer(Answer::No);
        c.find<QAction>(u"mnuModeGaibu"_s)->trigger();
        c.t.op.answer(Answer::No);
        c.find<QAction>(u"mnuModeTrancefer"_s)->trigger();
        QCOMPARE(c.t.op.messages.size(), 2);
        QVERIFY(c.port->written.isEmpty());
    }

    // During the reset's wait for its reply, nothing that starts another exchange can be chosen.
    void nothingStartsAnExchangeWhileOneWaits() {
        Connected c;
        const QStringList editMode = {u"imgButton_0"_s};
        QCOMPARE(c.unusable(kStarters), editMode);
        c.port->script({{"0%C00\r\n", 300}});
        QStringList during;
        QTimer::singleShot(100, this, [&] { during = c.unusable(kStarters); });
        c.find<QPushButton>(u"cmdReset"_s)->click();
        QCOMPARE(during.size(), 9);
        QCOMPARE(c.unusable(kStarters), editMode);
        QCOMPARE(c.port->written, QByteArrayList{"0%C\r\n"});

        // In Move Mode the data commands stay disabled after the reset.
        c.window->optModeSelect_Click(FrmMain::MoveMode);
        const QStringList moveMode = c.unusable(kStarters);
        QVERIFY(moveMode.contains(u"cmdGetfromCt"_s) && !moveMode.contains(u"imgButton_0"_s));
        c.port->scriptText("0%C00\r\n");
        c.find<QPushButton>(u"cmdReset"_s)->click();
        QCOMPARE(c.unusable(kStarters), moveMode);
    }

    // Nothing that starts an exchange can be used while a read waits, and everything can again after a
    // controller that falls silent in the middle of a write.
    void readAndWriteHoldTheControls() {
        ConnectedWindowFixture c;
        DeviceCatalogue catalogue(c.t.ctx);
        c.window->attachDevices(catalogue);
        c.t.ctx.device = DeviceState{}; // as the start-up determination leaves it
        conv::recomputeLimits(c.t.ctx.device);
        const QStringList commands{u"cmdGetfromCt"_s, u"cmdLoadtoCt"_s,   u"cmdFileOpen"_s,
                                   u"mnuFileShogo"_s, u"tbButton_Read"_s, u"cmdReset"_s};
        const auto unusableAndProgress = [&] {
            auto* progress = c.window->findChild<QDialog*>(u"frmTrance"_s);
            return c.unusable(commands) << (progress ? progress->findChild<QLabel*>()->text() : QString());
        };
        const QByteArrayList device{"0RD141C4C006400FFFFFF", "0RD13050A140101020190",
                                    "0RD1114283C010400FFFF"};
        for (const QByteArray& reply : device + QByteArrayList{"0CM1"})
            c.port->scriptText(reply + "\r\n");
        c.port->script({{"0RP152020007D0\r\n", 300}}); // VEL 5, ACC 2, 10 mm
        for (const char* reply : {"0RP252020007D0\r\n", "0RP352020007D0\r\n", "0RV120000\r\n"})
            c.port->scriptText(reply);
        QStringList during;
        QTimer::singleShot(150, this, [&] { during = unusableAndProgress(); });
        c.find<QPushButton>(u"cmdGetfromCt"_s)->click();
        QCOMPARE(during, commands + QStringList{u"Reading data from controller..."_s});
        QCOMPARE(c.find<QLabel>(u"lblFileName"_s)->text(), u"Inside of C/T"_s);

        c.t.settings.writeInt(u"AutoBackup"_s, 0); // the backup before a write has its own suite
        for (const QByteArray& reply : QByteArrayList{"0CM1", "0RD10004E2002020202FF"} + device)
            c.port->scriptText(reply + "\r\n");
        c.port->scriptText("0WP152020007D0\r\n"); // and position 2 gets no answer
        c.find<QPushButton>(u"cmdLoadtoCt"_s)->click();
        QCOMPARE(c.t.op.lastText(),
                 u"Communication timeout error!\r\n\r\nCheck the followings;\r\n\r\n 1.Power ON for "
                 u"controller?\r\n\r\n 2.Communication cables are connected?"_s);
        QCOMPARE(unusableAndProgress(), QStringList{QString()});
        QVERIFY(!c.t.ctx.operation.CtBusyFlag && !c.port->isOpen());
    }

    void closeReleasesTheOpenPort() {
        Connected c;
        c.port->open(1);
        c.t.op.answer(Answer::Ok);
        QVERIFY(c.window->close());
        QVERIFY(!c.port->isOpen());
    }
};

QTEST_MAIN(TestFrmMainController)
#include "tst_frmmain_controller.moc"
