#pragma once

#include "app/HeadedGridModel.h"

namespace zovi {

class Texts;

// What the move program grid flgdProgram shows: 10 rows by 2 columns. Row 0 holds the headings, rows
// 1 to 9 the steps; column 0 is the fixed step number, column 1 the position of the step ("1" to "3"
// or empty).
class ProgramGridModel : public HeadedGridModel {
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

    // The position of step 1 to 9.
    QString step(int step) const { return text(step, 1); }
    void setStep(int step, const QString& text) { setText(step, 1, text); }

private:
    const Texts& texts_;
};

} // namespace zovi
