// The position table written to, verified against and read from the simulator, over the program's own
// serial stack at the line's pace.
#include "support/SimulatedLink.h"
#include "support/TransferRig.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

class TestPositionTransferE2e : public QObject {
    Q_OBJECT
private slots:
    void writeVerifyAndRead() {
        SimulatedLink w;
        TransferRig rig(w.t, w.link, w.view, w.alarms);
        const QString written = QStringLiteral("3|1|10.000;4|2|25.005;6|3|100.000");
        rig.fill(written);
        QCOMPARE(rig.transfer.writeToCt(), 0);
        const QString verified =
            QStringLiteral("Data : indicated and inside of controller\r\n\r\nResult of Verification : ");
        QCOMPARE(rig.transfer.PosiDataCtShogo(), 0);
        QCOMPARE(w.t.op.lastText(), verified + QStringLiteral("OK"));

        // Position 1 changed in the controller: VEL 5, ACC 2, OUT 0, brake code 2, 0003E8 pulses.
        QVERIFY(w.ok("position 152020003E8"));
        QCOMPARE(rig.transfer.PosiDataCtShogo(), 0);
        QCOMPARE(w.t.op.lastText(), verified + QStringLiteral("NG.\r\n\r\nUnmatched Position No.\r\n\r\n"
                                                              "< Position No.1>\r\n\r\n"));
        QCOMPARE(rig.shown(), written);

        w.t.op.answer(Answer::No); // not saved first
        QCOMPARE(rig.transfer.readFromCt(), 0);
        const auto& row = rig.table.PosiDataArray[1];
        QCOMPARE(
            (QList<int>{row[PfVel].toInt(), row[PfAcc].toInt(), row[PfOut].toInt(), row[PfPulse].toInt()}),
            (QList<int>{5, 2, 0, 1000}));
        QCOMPARE(rig.shown(),
                 QStringLiteral("5|2|  5.000;4|2| 25.005;6|3|100.000")); // 25.005 mm: 5001 pulses
        QCOMPARE(w.t.op.messages.size(), 5);
        QVERIFY(!w.port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestPositionTransferE2e)
#include "tst_position_transfer_e2e.moc"
