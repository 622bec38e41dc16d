#include "position/PositionGridModel.h"

#include "app/Catalogue.h"

#include <array>

namespace zovi {

namespace {

// Catalogue ids of the headings, by grid column.
constexpr std::array<int, PositionGridModel::kCols> kHeadingIds = {12, 13, 14, 17, 16, 18};

} // namespace

PositionGridModel::PositionGridModel(const Texts& texts, QObject* parent)
    : HeadedGridModel(kRows, kCols, parent)
    , texts_(texts) {
    init(InitMode::ClearAll);
}

void PositionGridModel::setPulseShown(bool shown) {
    if (pulseShown_ == shown)
        return;
    pulseShown_ = shown;
    setText(0, ColPulse, shown ? texts_(kHeadingIds[ColPulse]) : QString());
    refreshAll();
}

void PositionGridModel::init(InitMode mode) {
    for (int col = 0; col < kCols; ++col)
        setText(0, col, texts_(kHeadingIds[col]));
    if (!pulseShown_)
        setText(0, ColPulse, QString());
    for (int row = 1; row < kRows; ++row) {
        setText(row, ColNo, QString::number(row, 16).toUpper());
        if (mode == InitMode::KeepData)
            continue;
        for (int col = ColVel; col <= ColPulse; ++col)
            setText(row, col, QString());
        if (mode == InitMode::ClearAll)
            setText(row, ColComment, QString());
    }
    refreshAll();
}

Qt::Alignment PositionGridModel::alignment(int col) const {
    switch (col) {
    case ColComment:
        return Qt::AlignLeft | Qt::AlignVCenter;
    case ColMm:
        return pulseShown_ ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter);
    default:
        return Qt::AlignCenter;
    }
}

QColor PositionGridModel::background(int col) const {
    return col == ColPulse ? QColor::fromRgb(kPulseBackColour) : HeadedGridModel::background(col);
}

} // namespace zovi
