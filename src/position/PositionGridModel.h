#pragma once

#include "app/HeadedGridModel.h"

namespace zovi {

class Texts;

// What the position grid flgdData shows: 4 rows by 6 columns. Row 0 holds the headings, column 0 the
// position numbers; rows 1 to 3 are positions 1 to 3.
class PositionGridModel : public HeadedGridModel {
    Q_OBJECT
public:
    static constexpr int kRows = 4;
    static constexpr int kCols = 6;
    enum Column { ColNo = 0, ColVel = 1, ColAcc = 2, ColMm = 3, ColPulse = 4, ColComment = 5 };
    // Back colour of the display-only pulse cells.
    static constexpr unsigned kPulseBackColour = 0xE0E0E0;

    // How Init_flgdData treats the data cells: KeepData writes headings and numbers only, ClearData
    // also empties columns 1 to 4 of rows 1 to 3, ClearAll empties the comments as well.
    enum class InitMode { KeepData, ClearData, ClearAll };

    explicit PositionGridModel(const Texts& texts, QObject* parent = nullptr);

    // The pulse column has a heading and data only while the pulse display is on.
    void setPulseShown(bool shown);
    bool pulseShown() const { return pulseShown_; }

    // Init_flgdData: headings from the catalogue, rows numbered "1" to "3".
    void init(InitMode mode);

    // The mm column is right-aligned only while the pulse column is hidden; comments are left-aligned.
    Qt::Alignment alignment(int col) const override;
    QColor background(int col) const override;

private:
    const Texts& texts_;
    bool pulseShown_ = false;
};

} // namespace zovi
