// Editing the position grid in place: what each column accepts and how an entry is converted, entry
// into a block, what a refusal leaves, and where Enter and the arrow keys move the current cell.
#include "device/Conversion.h"
#include "position/PositionGridEdit.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using Grid = PositionGridModel;
using Edit = PositionGridEdit;

namespace {

constexpr int kOldPulses = 777;
const char* const old = "old";
enum {
    Vel = Grid::ColVel,
    Acc = Grid::ColAcc,
    Mm = Grid::ColMm,
    Pulse = Grid::ColPulse,
    Note = Grid::ColComment
};

// An entry into the column of rows 1 to lastRow of a grid whose cells all read "old": what the edited
// cells show (empty when refused), the other position column, PosiDataArray column 5 (-1 emptied). The
// actuator has 400 pulses a revolution and a 100 mm stroke.
struct Case {
    const char* name;
    int col;
    const char *text, *cell, *companion;
    int pulses, lead = 2;
    bool roundUp = true;
    int lastRow = 1;
};
const Case cases[] = {
    {"VEL 0", Vel, "0", "", old, kOldPulses},
    {"VEL 9", Vel, "9", "9", old, kOldPulses},
    {"VEL 10", Vel, "10", "", old, kOldPulses},
    {"VEL emptied", Vel, "", "", old, kOldPulses},
    {"ACC 0", Acc, "0", "", old, kOldPulses},
    {"ACC 4", Acc, "4", "", old, kOldPulses},
    {"VEL into rows 1 to 3", Vel, "5", "5", old, kOldPulses, 2, true, 3},
    // 12.345 mm is 1234.5 pulses of 0.01 mm: cut, not rounded, before the snap.
    {"12.34567 up", Mm, "12.34567", " 12.350", "   1235", 1235, 4},
    {"12.34567 down", Mm, "12.34567", " 12.340", "   1234", 1234, 4, false},
    {"half a 0.03 mm pulse up", Mm, "0.015", "  0.030", "      1", 1, 12},
    {"half a 0.03 mm pulse down", Mm, "0.015", "  0.000", "      0", 0, 12, false},
    {"0.0225 cut to 0.022 is one pulse", Mm, "0.0225", "  0.015", "      1", 1, 6, false},
    {"mm at the stroke", Mm, "100.005", "100.005", "   6667", 6667, 6},
    {"mm just above the stroke", Mm, "100.006", "", "", -1, 6},
    {"mm not a number", Mm, "abc", "", "", -1},
    {"mm into rows 1 and 2", Mm, "1", "  1.000", "    200", 200, 2, true, 2},
    {"pulses", Pulse, "2469", "   2469", " 12.345", 2469},
    {"1.5 pulses", Pulse, "1.5", "", "", -1},
    {"pulses above the stroke", Pulse, "20001", "", "", -1},
    {"comment trimmed", Note, "  end stop ", "end stop", old, kOldPulses},
};

} // namespace

class TestPositionEdit : public QObject {
    Q_OBJECT
private slots:
    void commit_data() {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(std::size(cases)); ++i)
            QTest::newRow(cases[i].name) << i;
    }

    void commit() {
        QFETCH(int, index);
        const Case& c = cases[index];
        test::TestContext t;
        t.ctx.device.DevLead = qint16(c.lead);
        conv::recomputeLimits(t.ctx.device);
        t.ctx.options.MmRoundUpFlag = c.roundUp;
        Grid grid(t.ctx.texts);
        grid.setPulseShown(true);
        PositionTable table(t.ctx, grid);
        for (int row = 1; row <= 3; ++row) {
            for (int col = Vel; col <= Note; ++col)
                grid.setText(row, col, QLatin1String(old));
            table.PosiDataArray[row][PfPulse] = kOldPulses;
        }

        Edit(t.ctx, table)
            .commit({{1, c.col}, {c.lastRow, c.col}}, QLatin1String(c.text), Edit::ChangeFlag::Set);
        const int other = c.col == Mm ? Pulse : Mm;
        for (int row = 1; row <= 3; ++row) {
            const bool edited = row <= c.lastRow;
            for (int col = Vel; col <= Note; ++col) {
                const char* expected = !edited        ? old
                                       : col == c.col ? c.cell
                                       : col == other ? c.companion
                                                      : old;
                QCOMPARE(grid.text(row, col), QLatin1String(expected));
            }
            const QVariant stored = table.PosiDataArray[row][PfPulse];
            QCOMPARE(stored.isValid() ? stored.toInt() : -1, edited ? c.pulses : kOldPulses);
        }
        QCOMPARE(t.op.beeps, *c.cell ? 0 : 1);
        QVERIFY(t.ctx.operation.DataChangeFlag);
    }

    void navigation_data() {
        QTest::addColumn<QString>("move");
        // Key (E Enter, X Escape, U Up, D Down, R Right in the editor; G Enter on the grid), row and column
        // before and after; a trailing s or h: only with the pulse column shown or hidden.
        const QString moves = QStringLiteral(
            "E11>12 E22>23 E33>35 E14>15s E15>21 E35>11 X23>23 U35>25 U12>32 D23>33 D34>14s R11>12 R12>13 "
            "R23>24s R23>25h R14>15s R25>21 G11>12 G32>33 G13>14s G13>15h G24>25s G25>31 G35>11 G20>20");
        for (const QString& move : moves.split(QLatin1Char(' '))) {
            for (const char* shown : {"s", "h"}) {
                if (move.size() == 6 || move.endsWith(QLatin1String(shown)))
                    QTest::addRow("%s %s", qPrintable(move.left(6)), shown)
                        << move.left(6) + QLatin1String(shown);
            }
        }
    }

    void navigation() {
        QFETCH(QString, move);
        const GridCell from{move[1].digitValue(), move[2].digitValue()};
        const bool shown = move[6] == QLatin1Char('s');
        const QString keys = QStringLiteral("EXUDR");
        const GridCell to = move[0] == QLatin1Char('G')
                                ? Edit::gridEnterTarget(from, shown)
                                : Edit::editorKeyTarget(Edit::Key(keys.indexOf(move[0])), from, shown);
        QCOMPARE(QString::number(to.row) + QString::number(to.col), move.mid(4, 2));
    }
};

QTEST_GUILESS_MAIN(TestPositionEdit)
#include "tst_position_edit.moc"
