#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <array>

namespace zovi {

class Texts;

// What the move program grid flgdProgram shows: 10 rows by 2 columns addressed as the grid addresses
// them. Row 0 holds the headings (the view's header), rows 1 to 9 the steps; column 0 is the fixed
// step number, column 1 the position of the step ("1" to "3" or empty). Model row r is grid row r + 1.
class ProgramGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kRows = 10;
    static constexpr int kCols = 2;
    static constexpr int kSteps = kRows - 1;

    explicit ProgramGridModel(const Texts& texts, QObject* parent = nullptr);

    // Init_flgdProgram: the heading of the position column and the step numbers; steps keep their text.
    void init();
    // Empties the position of every step.
    void clearSteps();

    // Cell text in grid coordinates; out-of-range cells read empty and ignore writes.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);
    // The position of step 1 to 9.
    QString step(int step) const { return text(step, 1); }
    void setStep(int step, const QString& text) { setText(step, 1, text); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    const Texts& texts_;
    std::array<std::array<QString, kCols>, kRows> cells_;
};

} // namespace zovi
