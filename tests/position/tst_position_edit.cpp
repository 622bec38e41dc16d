// Editing the position grid in place: what each column accepts and how an entry is converted, entry
// into a selected block, what a refusal leaves, and where Enter and the arrow keys move the current cell.
#include "device/Conversion.h"
#include "position/PositionGridEdit.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using Grid = PositionGridModel;
using Edit = PositionGridEdit;

namespace {

const QString kOld = QStringLiteral("old");
constexpr int kOldPulses = 777;

// A run with an actuator of the given lead (400 pulses a revolution, 100 mm stroke) and a grid whose
// data cells all read "old".
struct Editing {
    Editing(int lead, bool pulseShown, bool roundUp) {
        t.ctx.device.DevLead = qint16(lead);
        t.ctx.device.DevPPR = 400;
        t.ctx.device.DevStroke = 100;
        conv::recomputeLimits(t.ctx.device);
        t.ctx.options.MmRoundUpFlag = roundUp;
        grid.setPulseShown(pulseShown);
        for (int row = 1; row <= 3; ++row) {
            for (int col = Grid::ColVel; col <= Grid::ColComment; ++col)
                grid.setText(row, col, kOld);
            table.PosiDataArray[row][PfPulse] = kOldPulses;
        }
    }
    TestContext t;
    Grid grid{t.ctx.texts};
    PositionTable table{t.ctx, grid};
    Edit edit{t.ctx, table};
};

} // namespace

class TestPositionEdit : public QObject {
    Q_OBJECT
private slots:
    void commit_data();
    void commit();
    void navigation_data();
    void navigation();
};

void TestPositionEdit::commit_data() {
    QTest::addColumn<int>("lead");
    QTest::addColumn<bool>("pulseShown");
    QTest::addColumn<bool>("roundUp");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("row");    // the current cell's row
    QTest::addColumn<int>("endRow"); // the block's other corner
    QTest::addColumn<int>("endCol");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("leaving"); // the commit on leaving the cell
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("cell");      // what the edited cells show
    QTest::addColumn<QString>("companion"); // the other position column; "old" when untouched
    QTest::addColumn<int>("pulses");        // PosiDataArray column 5; -1 when emptied

    enum {
        Accepted = CellEditResult::Accepted,
        Rejected = CellEditResult::Rejected,
        Ignored = CellEditResult::Ignored
    };
    enum {
        Vel = Grid::ColVel,
        Acc = Grid::ColAcc,
        Mm = Grid::ColMm,
        Pulse = Grid::ColPulse,
        Comment = Grid::ColComment
    };
    constexpr bool shown = true, hidden = false, up = true, down = false;
    const char* old = "old";
    struct Case {
        const char* name;
        int lead;
        bool pulseShown, roundUp;
        int col, row, endRow, endCol;
        const char* text;
        int outcome;
        const char* cell;
        const char* companion;
        int pulses;
        bool leaving = false;
    };
    const Case cases[] = {
        {"VEL 0 is refused", 2, hidden, up, Vel, 1, 1, Vel, "0", Rejected, "", old, kOldPulses},
        {"VEL 9", 2, hidden, up, Vel, 2, 2, Vel, "9", Accepted, "9", old, kOldPulses},
        {"VEL 10 is refused", 2, hidden, up, Vel, 3, 3, Vel, "10", Rejected, "", old, kOldPulses},
        {"VEL 5. is 5", 2, hidden, up, Vel, 1, 1, Vel, "5.", Accepted, "5", old, kOldPulses},
        {"VEL emptied is refused", 2, hidden, up, Vel, 1, 1, Vel, "", Rejected, "", old, kOldPulses},
        {"ACC 0 is refused", 2, hidden, up, Acc, 1, 1, Acc, "0", Rejected, "", old, kOldPulses},
        {"ACC 3", 2, hidden, up, Acc, 1, 1, Acc, "3", Accepted, "3", old, kOldPulses},
        {"ACC 4 is refused", 2, hidden, up, Acc, 1, 1, Acc, "4", Rejected, "", old, kOldPulses},
        {"VEL into rows 1 to 3", 2, hidden, up, Vel, 1, 3, Vel, "5", Accepted, "5", old, kOldPulses},
        {"block selected upwards, over three columns", 2, hidden, up, Vel, 3, 1, Mm, "5", Accepted, "5", old,
         kOldPulses},
        // mm: cut to three decimals, then snapped to a whole pulse; 12.345 mm is 1234.5 pulses of 0.01 mm.
        {"12.34567 is cut to 12.345, half a pulse up", 4, shown, up, Mm, 1, 1, Mm, "12.34567", Accepted,
         " 12.350", "   1235", 1235},
        {"12.34567 is cut to 12.345, half a pulse down", 4, shown, down, Mm, 1, 1, Mm, "12.34567", Accepted,
         " 12.340", "   1234", 1234},
        {"half a pulse of 0.03 mm, up", 12, shown, up, Mm, 1, 1, Mm, "0.015", Accepted, "  0.030", "      1",
         1},
        {"half a pulse of 0.03 mm, down", 12, shown, down, Mm, 1, 1, Mm, "0.015", Accepted, "  0.000",
         "      0", 0},
        {"0.0225 is cut to 0.022: one pulse of 0.015 either way", 6, shown, up, Mm, 1, 1, Mm, "0.0225",
         Accepted, "  0.015", "      1", 1},
        {"the pulse cell is not written while hidden", 2, hidden, up, Mm, 2, 2, Mm, "50", Accepted, " 50.000",
         old, 10000},
        {"mm at the stroke", 6, shown, up, Mm, 1, 1, Mm, "100.005", Accepted, "100.005", "   6667", 6667},
        {"mm just above the stroke", 6, shown, up, Mm, 1, 1, Mm, "100.006", Rejected, "", "", -1},
        {"mm above the stroke, pulses hidden", 2, hidden, up, Mm, 1, 1, Mm, "100.001", Rejected, "", "", -1},
        {"negative mm", 2, hidden, up, Mm, 1, 1, Mm, "-1", Rejected, "", "", -1},
        {"mm that is not a number", 2, hidden, up, Mm, 1, 1, Mm, "abc", Rejected, "", "", -1},
        {"mm into rows 2 and 3", 2, shown, up, Mm, 2, 3, Mm, "1", Accepted, "  1.000", "    200", 200},
        {"pulses", 2, shown, up, Pulse, 1, 1, Pulse, "2469", Accepted, "   2469", " 12.345", 2469},
        {"1.5 pulses are refused", 2, shown, up, Pulse, 1, 1, Pulse, "1.5", Rejected, "", "", -1},
        {"pulses at the stroke", 6, shown, up, Pulse, 1, 1, Pulse, "6667", Accepted, "   6667", "100.005",
         6667},
        {"pulses above the stroke", 2, shown, up, Pulse, 1, 1, Pulse, "20001", Rejected, "", "", -1},
        {"negative pulses", 2, shown, up, Pulse, 1, 1, Pulse, "-1", Rejected, "", "", -1},
        {"hidden pulse column is not edited", 2, hidden, up, Pulse, 1, 1, Pulse, "5", Ignored, old, old,
         kOldPulses},
        {"comment trimmed", 2, hidden, up, Comment, 1, 1, Comment, "  end stop  ", Accepted, "end stop", old,
         kOldPulses},
        {"comment into rows 1 to 3, leaving the cell", 2, hidden, up, Comment, 1, 3, Comment, "x", Accepted,
         "x", old, kOldPulses, true},
        {"number column", 2, hidden, up, Grid::ColNo, 1, 1, Grid::ColNo, "5", Ignored, old, old, kOldPulses},
    };
    for (const Case& c : cases)
        QTest::newRow(c.name) << c.lead << c.pulseShown << c.roundUp << c.col << c.row << c.endRow << c.endCol
                              << c.text << c.leaving << c.outcome << c.cell << c.companion << c.pulses;
}

void TestPositionEdit::commit() {
    QFETCH(int, lead);
    QFETCH(bool, pulseShown);
    QFETCH(bool, roundUp);
    QFETCH(int, col);
    QFETCH(int, row);
    QFETCH(int, endRow);
    QFETCH(int, endCol);
    QFETCH(QString, text);
    QFETCH(bool, leaving);
    QFETCH(int, outcome);
    QFETCH(QString, cell);
    QFETCH(QString, companion);
    QFETCH(int, pulses);
    Editing f(lead, pulseShown, roundUp);

    const auto change = leaving ? Edit::ChangeFlag::Keep : Edit::ChangeFlag::Set;
    const CellEditResult result = f.edit.commit({{row, col}, {endRow, endCol}}, text, change);
    QCOMPARE(int(result.outcome), outcome);
    const int first = std::min(row, endRow), last = std::max(row, endRow);
    const bool positionColumn = col == Grid::ColMm || col == Grid::ColPulse;
    const int other = col == Grid::ColMm ? Grid::ColPulse : Grid::ColMm;
    for (int r = 1; r <= 3; ++r) {
        const bool inBlock = r >= first && r <= last;
        for (int c = Grid::ColVel; c <= Grid::ColComment; ++c) {
            QString expected = kOld;
            if (inBlock && c == col)
                expected = cell;
            else if (inBlock && positionColumn && c == other)
                expected = companion;
            QCOMPARE(f.grid.text(r, c), expected);
        }
        const QVariant stored = f.table.PosiDataArray[r][PfPulse];
        QCOMPARE(stored.isValid() ? stored.toInt() : -1, inBlock ? pulses : kOldPulses);
    }
    const bool applied = outcome != CellEditResult::Ignored;
    QCOMPARE(f.t.op.beeps, outcome == CellEditResult::Rejected ? 1 : 0);
    QCOMPARE(f.t.ctx.operation.DataChangeFlag, applied && !leaving);
    if (applied)
        QCOMPARE(result.text, cell);
}

void TestPositionEdit::navigation_data() {
    QTest::addColumn<int>("key"); // -1: Enter on the grid itself
    QTest::addColumn<bool>("pulseShown");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("toRow");
    QTest::addColumn<int>("toCol");

    const int enter = int(Edit::Key::Enter), up = int(Edit::Key::Up), down = int(Edit::Key::Down),
              right = int(Edit::Key::Right), escape = int(Edit::Key::Escape), grid = -1;
    struct Move {
        const char* name;
        int key, row, col, toRow, toCol;
        int pulse; // 1 shown only, 0 hidden only, -1 either
    };
    const Move moves[] = {
        {"editor Enter on VEL", enter, 1, 1, 1, 2, -1},
        {"editor Enter on ACC", enter, 2, 2, 2, 3, -1},
        {"editor Enter on mm skips the pulses", enter, 3, 3, 3, 5, -1},
        {"editor Enter on pulses", enter, 1, 4, 1, 5, 1},
        {"editor Enter on comment", enter, 1, 5, 2, 1, -1},
        {"editor Enter on the last comment wraps", enter, 3, 5, 1, 1, -1},
        {"editor Escape stays", escape, 2, 3, 2, 3, -1},
        {"Up", up, 3, 5, 2, 5, -1},
        {"Up from row 1 wraps", up, 1, 2, 3, 2, -1},
        {"Down", down, 2, 3, 3, 3, -1},
        {"Down from row 3 wraps", down, 3, 4, 1, 4, 1},
        {"Right on VEL", right, 1, 1, 1, 2, -1},
        {"Right on ACC", right, 1, 2, 1, 3, -1},
        {"Right on mm to the pulses", right, 2, 3, 2, 4, 1},
        {"Right on mm past the hidden pulses", right, 2, 3, 2, 5, 0},
        {"Right on pulses", right, 1, 4, 1, 5, 1},
        {"Right on comment wraps", right, 2, 5, 2, 1, -1},
        {"grid Enter on VEL", grid, 1, 1, 1, 2, -1},
        {"grid Enter on ACC", grid, 3, 2, 3, 3, -1},
        {"grid Enter on mm to the pulses", grid, 1, 3, 1, 4, 1},
        {"grid Enter on mm past the hidden pulses", grid, 1, 3, 1, 5, 0},
        {"grid Enter on pulses", grid, 2, 4, 2, 5, 1},
        {"grid Enter on comment", grid, 2, 5, 3, 1, -1},
        {"grid Enter on the last comment wraps", grid, 3, 5, 1, 1, -1},
        {"grid Enter on the number column", grid, 2, 0, 2, 0, -1},
    };
    for (const Move& m : moves) {
        for (bool shown : {false, true}) {
            if (m.pulse == -1 || m.pulse == int(shown))
                QTest::addRow("%s, pulses %s", m.name, shown ? "shown" : "hidden")
                    << m.key << shown << m.row << m.col << m.toRow << m.toCol;
        }
    }
}

void TestPositionEdit::navigation() {
    QFETCH(int, key);
    QFETCH(bool, pulseShown);
    QFETCH(int, row);
    QFETCH(int, col);
    QFETCH(int, toRow);
    QFETCH(int, toCol);
    const GridCell from{row, col};
    const GridCell to = key < 0 ? Edit::gridEnterTarget(from, pulseShown)
                                : Edit::editorKeyTarget(Edit::Key(key), from, pulseShown);
    QCOMPARE(to.row, toRow);
    QCOMPARE(to.col, toCol);
}

QTEST_GUILESS_MAIN(TestPositionEdit)
#include "tst_position_edit.moc"
