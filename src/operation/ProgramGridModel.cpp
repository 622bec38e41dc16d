#include "operation/ProgramGridModel.h"

#include "app/Catalogue.h"

namespace zovi {

ProgramGridModel::ProgramGridModel(const Texts& texts, QObject* parent)
    : HeadedGridModel(kRows, kCols, parent)
    , texts_(texts) {
    init();
}

void ProgramGridModel::init() {
    setText(0, 0, QString());
    setText(0, 1, texts_(12));
    for (int row = 1; row < kRows; ++row)
        setText(row, 0, QString::number(row));
}

void ProgramGridModel::clearSteps() {
    for (int row = 1; row < kRows; ++row)
        setText(row, 1, QString());
}

} // namespace zovi
