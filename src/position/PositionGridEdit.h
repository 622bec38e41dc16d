#pragma once

#include <QString>

namespace zovi {

class AppContext;
class PositionTable;

// A cell of the position grid in grid coordinates (row 0 headings, column 0 position numbers).
struct GridCell {
    int row = 0;
    int col = 0;
    friend bool operator==(const GridCell&, const GridCell&) = default;
};

// The grid's current cell and the block selected from it: rows and columns from the current cell to
// the selection end (the end equals the current cell when nothing more is selected).
struct GridBlock {
    GridCell current;
    GridCell end;
};

// What a committed edit did to the grid.
struct CellEditResult {
    enum Outcome { Ignored, Accepted, Rejected };
    Outcome outcome = Ignored;
    int column = 0;
    int firstRow = 0; // the rows written, in the edited column
    int lastRow = 0;
    QString text; // what the edited cells now show; empty after a rejection
};

// The rules of editing the position grid in place: which cells take an entry and how long it may be,
// what each column accepts and how an entry is converted (mm snapped to a whole pulse with the
// operator's rounding choice, pulses checked against the stroke), entry into a selected block, and
// where the current cell goes on Enter and the arrow keys. The window only shows the editor and hands
// over its text; the grid model and PosiDataArray column 5 are written here.
class PositionGridEdit {
public:
    PositionGridEdit(AppContext& ctx, PositionTable& table);

    // The editor's length limit in a column; 0 for the number column.
    static int maxLength(int column);
    // Rows 1 to 3 of columns 1 to 5; the pulse column only while it is shown.
    bool editable(GridCell cell) const;
    // The editor's opening text: a typed character itself, or the cell's text when the editor opens by a
    // double-click, a blank or a control key (`typed` empty or one of those).
    static QString openingText(const QString& typed, const QString& cellText);

    // Whether a commit marks the table changed: the commit on the grid getting focus back does, the
    // one on leaving the cell leaves DataChangeFlag as it is.
    enum class ChangeFlag { Set, Keep };
    // Checks and converts the editor's text and writes it into the current column of every row of the
    // block (only the current cell without a block); a rejected entry empties those cells and beeps.
    CellEditResult commit(const GridBlock& block, const QString& editorText, ChangeFlag change);

    // Keys that move the current cell.
    enum class Key { Enter, Escape, Up, Down, Right };
    // Where the current cell goes when a key is pressed in the editor (after the commit).
    static GridCell editorKeyTarget(Key key, GridCell from, bool pulseShown);
    // Where it goes on Enter while the grid itself has focus.
    static GridCell gridEnterTarget(GridCell from, bool pulseShown);

private:
    struct Entry {
        QString text;      // the edited cell
        QString companion; // the other position column (mm or pulses), empty for other columns
        qint32 pulses = 0; // for the position columns
    };
    bool entryFor(int column, const QString& editorText, Entry& entry) const;
    bool mmEntry(const QString& editorText, Entry& entry) const;
    bool pulseEntry(const QString& editorText, Entry& entry) const;

    AppContext& ctx_;
    PositionTable& table_;
};

} // namespace zovi
