#pragma once

#include "app/DiffTable.h"

namespace zovi {

class AppContext;
class PositionTable;

// The three positions of a verification side by side: the table as captured from the grid
// (PosiDataArray) against the file's or the controller's (workPosDA). VEL, ACC, OUT and pulses differ
// when the numbers their trimmed texts read differ, as the verification compares them; the mm differ when
// the window's mm text and the other side's pulses in mm (for the current device) read as different
// numbers; comments differ as trimmed texts. `theirsHeading` names the other side.
DiffTable positionDiff(const AppContext& ctx, const PositionTable& table, const QString& theirsHeading);

} // namespace zovi
