#include "position/PositionDiff.h"

#include "app/AppContext.h"
#include "device/Conversion.h"
#include "position/PositionTable.h"

#include <array>

namespace zovi {

namespace {

// Catalogue ids of the headings: No., then VEL, ACC, OUT, Posi(mm), Posi(Pulse), Comment.
constexpr int kNumberHeading = 12;
constexpr std::array<int, 6> kFieldHeadings = {13, 14, 15, 17, 16, 18};
constexpr std::array<int, 6> kFields = {PfVel, PfAcc, PfOut, PfMm, PfPulse, PfComment};
constexpr int kOursHeading = 821;
constexpr int kUnmatchedHeading = 825;

QString cellText(const QVariant& cell) {
    return cell.isValid() ? cell.toString().trimmed() : QString();
}

} // namespace

DiffTable positionDiff(const AppContext& ctx, const PositionTable& table, const QString& theirsHeading) {
    DiffTable diff;
    diff.labelHeading = ctx.msg(kNumberHeading);
    for (int id : kFieldHeadings)
        diff.fields << ctx.msg(id);
    diff.oursHeading = ctx.msg(kOursHeading);
    diff.theirsHeading = theirsHeading;
    diff.unmatchedHeading = ctx.msg(kUnmatchedHeading);

    const DeviceState& dev = ctx.device;
    for (int p = 1; p <= PositionTable::kPositions; ++p) {
        DiffRow row;
        row.label = QString::number(p);
        for (int field : kFields) {
            const QString ours = cellText(table.PosiDataArray[p][field]);
            QString theirs = cellText(table.workPosDA[p][field]);
            bool differs = false;
            if (field == PfComment) {
                differs = ours != theirs;
            } else if (field == PfMm) {
                // The other side holds pulses only: its mm are theirs in the current device's mm.
                const QString pulses = cellText(table.workPosDA[p][PfPulse]);
                theirs =
                    pulses.isEmpty()
                        ? QString()
                        : conv::mmCellText(dev.DevLead, dev.DevPPR, conv::leadingNumber(pulses)).trimmed();
                differs = conv::leadingNumber(ours) != conv::leadingNumber(theirs);
            } else {
                differs = conv::leadingNumber(ours) != conv::leadingNumber(theirs);
            }
            row.ours << ours;
            row.theirs << theirs;
            row.differs << differs;
        }
        diff.rows << row;
    }
    return diff;
}

} // namespace zovi
