// The main window's Read from C/T and Write to C/T over a scripted controller: nothing that starts an
// exchange can be used while a read waits, and everything can again after a controller that falls
// silent in the middle of a write.
#include "FrmMainFixture.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

class TestFrmMainTransfer : public QObject {
    Q_OBJECT
private slots:
    void controlsWhileAndAfter();
};

void TestFrmMainTransfer::controlsWhileAndAfter() {
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
    const QByteArrayList device{"0RD141C4C006400FFFFFF", "0RD13050A140101020190", "0RD1114283C010400FFFF"};
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

QTEST_MAIN(TestFrmMainTransfer)
#include "tst_frmmain_transfer.moc"
