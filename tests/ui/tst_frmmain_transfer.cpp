// The main window's Read from C/T and Write to C/T over a scripted controller: what can be used while
// a read waits, and that everything can be used again after a failed read or a controller that falls
// silent in the middle of a write.
#include "FrmMainFixture.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "position/PositionGridModel.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

const QByteArrayList kDevice{"0RD141C4C006400FFFFFF", "0RD13050A140101020190", "0RD1114283C010400FFFF"};
const QStringList kCommands{u"cmdGetfromCt"_s,     u"cmdLoadtoCt"_s,     u"cmdFileOpen"_s,
                            u"mnuFileGetfromCt"_s, u"mnuFileLoadtoCt"_s, u"mnuFileShogo"_s,
                            u"tbButton_Read"_s,    u"tbButton_Load"_s,   u"cmdReset"_s};

struct Connected : ConnectedWindowFixture {
    Connected() {
        window->attachDevices(catalogue);
        t.ctx.device = DeviceState{}; // as the start-up determination leaves it
        conv::recomputeLimits(t.ctx.device);
    }
    QStringList disabledCommands() const { return unusable(kCommands); }
    QString progressText() const {
        auto* progress = window->findChild<QDialog*>(u"frmTrance"_s);
        return progress && progress->isVisible() ? progress->findChild<QLabel*>(u"lblSetumei"_s)->text()
                                                 : QString();
    }
    void replies(const QByteArrayList& lines) {
        for (const QByteArray& line : lines)
            port->scriptText(line.isEmpty() ? line : line + "\r\n");
    }

    DeviceCatalogue catalogue{t.ctx};
};

} // namespace

class TestFrmMainTransfer : public QObject {
    Q_OBJECT
private slots:
    void readDisablesTheCommandsUntilItFails();
    void writeEndsUsableWhenTheControllerFallsSilent();
};

void TestFrmMainTransfer::readDisablesTheCommandsUntilItFails() {
    Connected c;
    c.replies(kDevice + QByteArrayList{"0CM1"});
    c.port->script({{"0RP152020003E8\r\n", 300}});
    c.replies({"0%%0E"}); // position 2 refused: emergency stop
    QStringList during;
    bool busy = false;
    QString progress;
    QTimer::singleShot(150, this, [&] {
        during = c.disabledCommands();
        busy = c.t.ctx.operation.CtBusyFlag;
        progress = c.progressText();
    });
    c.find<QPushButton>(u"cmdGetfromCt"_s)->click();
    QCOMPARE(during, kCommands);
    QVERIFY(busy);
    QCOMPARE(progress, u"Reading data from controller..."_s);

    QVERIFY(c.t.op.lastText().startsWith(u"Communication error occurs!\r\n\r\nError No.0E"_s));
    QCOMPARE(c.disabledCommands(), QStringList());
    QVERIFY(!c.t.ctx.operation.CtBusyFlag);
    QCOMPARE(c.progressText(), QString());
    QCOMPARE(c.window->positionModel().text(1, PositionGridModel::ColVel), QString());
    QCOMPARE(c.find<QLabel>(u"lblFileName"_s)->text(), u"New Data"_s);
}

void TestFrmMainTransfer::writeEndsUsableWhenTheControllerFallsSilent() {
    Connected c;
    PositionGridModel& grid = c.window->positionModel();
    for (int p = 1; p <= 3; ++p) {
        grid.setText(p, PositionGridModel::ColVel, u"5"_s);
        grid.setText(p, PositionGridModel::ColAcc, u"2"_s);
        grid.setText(p, PositionGridModel::ColMm, QString::number(p * 10));
    }
    c.replies(QByteArrayList{"0CM1", "0RD10004E2002020202FF"} + kDevice +
              QByteArrayList{"0WP152020007D0", ""});
    c.find<QPushButton>(u"cmdLoadtoCt"_s)->click();
    QCOMPARE(c.port->written.last(), "0WP25202000FA0\r\n");
    QCOMPARE(c.t.op.lastText(),
             u"Communication timeout error!\r\n\r\nCheck the followings;\r\n\r\n 1.Power ON for "
             u"controller?\r\n\r\n 2.Communication cables are connected?"_s);
    QCOMPARE(c.disabledCommands(), QStringList());
    QVERIFY(!c.t.ctx.operation.CtBusyFlag);
    QCOMPARE(c.progressText(), QString());
    QVERIFY(!c.port->isOpen());
}

QTEST_MAIN(TestFrmMainTransfer)
#include "tst_frmmain_transfer.moc"
