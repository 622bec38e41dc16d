// The position table written to, read from and verified against the simulator, over the program's own
// serial stack at the line's pace.
#include "app/ProgressView.h"
#include "device/Conversion.h"
#include "device/DeviceCatalogue.h"
#include "device/DeviceFixture.h"
#include "link/CtCommands.h"
#include "operation/ControllerModes.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "position/PositionTransfer.h"
#include "support/SimulatedLink.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using Grid = PositionGridModel;

namespace {

class NoProgress : public ProgressView {
public:
    void open(int, const QString&) override {}
    void step(int) override {}
    void close() override {}
};

// COM 1 pointed at the simulator, whose actuator is the program's default one.
struct Wired : SimulatedLink {
    Wired() { conv::recomputeLimits(t.ctx.device); }
    void fill(int p, const QString& vel, const QString& acc, const QString& mm) {
        grid.setText(p, Grid::ColVel, vel);
        grid.setText(p, Grid::ColAcc, acc);
        grid.setText(p, Grid::ColMm, mm);
    }
    CtCommands commands{link};
    ControllerModes modes{t.ctx, link, view, view, alarms};
    Grid grid{t.ctx.texts};
    PositionTable table{t.ctx, grid};
    DeviceCatalogue catalogue{t.ctx};
    RecordingDeviceView deviceView;
    NoProgress progress;
    PositionTransfer transfer{t.ctx, table, catalogue, link, commands, modes, progress, deviceView};
};

const QString kVerified = QStringLiteral("Data : indicated and inside of controller\r\n\r\n");

} // namespace

class TestPositionTransferE2e : public QObject {
    Q_OBJECT
private slots:
    void writeVerifyAndRead();
};

void TestPositionTransferE2e::writeVerifyAndRead() {
    Wired w;
    QVERIFY(!w.sim.path().isEmpty());
    w.fill(1, "3", "1", "10.000");
    w.fill(2, "4", "2", "25.005");
    w.fill(3, "6", "3", "100.000");
    QCOMPARE(w.transfer.writeToCt(), 0);
    QCOMPARE(w.t.op.lastText(), QStringLiteral("Completed data transmit."));
    QVERIFY(!w.port.isOpen());

    // The controller holds what was written, with OUT 0 as the program always sends.
    QCOMPARE(w.transfer.PosiDataCtShogo(), 0);
    QCOMPARE(w.t.op.lastText(), kVerified + QStringLiteral("Result of Verification : OK"));

    // Position 1 changed in the controller: VEL 5, ACC 2, OUT 0, brake code 2, 0003E8 pulses.
    QVERIFY(w.ok("position 152020003E8"));
    QCOMPARE(w.transfer.PosiDataCtShogo(), 0);
    QCOMPARE(w.t.op.lastText(), kVerified + QStringLiteral("Result of Verification : NG.\r\n\r\nUnmatched "
                                                           "Position No.\r\n\r\n< Position No.1>\r\n\r\n"));
    QCOMPARE(w.grid.text(1, Grid::ColMm), QStringLiteral("10.000")); // verification never changes the table

    w.t.op.answer(Answer::No); // not saved first
    QCOMPARE(w.transfer.readFromCt(), 0);
    const auto& row = w.table.PosiDataArray[1];
    QCOMPARE((QList<int>{row[PfVel].toInt(), row[PfAcc].toInt(), row[PfOut].toInt(), row[PfPulse].toInt()}),
             (QList<int>{5, 2, 0, 1000}));
    QCOMPARE(w.grid.text(1, Grid::ColMm), QStringLiteral("  5.000"));
    QCOMPARE(w.grid.text(2, Grid::ColMm), QStringLiteral(" 25.005")); // 5001 pulses
    QCOMPARE(w.table.CurrentDataName(), QStringLiteral("Inside of C/T"));
    QVERIFY2(w.t.op.messages.size() == 5, qPrintable(w.t.op.lastText()));
    QVERIFY(!w.port.isOpen());
}

QTEST_GUILESS_MAIN(TestPositionTransferE2e)
#include "tst_position_transfer_e2e.moc"
