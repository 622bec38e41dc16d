#include "operation/ProgramGridModel.h"

#include "app/Catalogue.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace zovi {

namespace {

bool inGrid(int row, int col) {
    return row >= 0 && row < ProgramGridModel::kRows && col >= 0 && col < ProgramGridModel::kCols;
}

} // namespace

ProgramGridModel::ProgramGridModel(const Texts& texts, QObject* parent)
    : QAbstractTableModel(parent)
    , texts_(texts) {
    init();
}

void ProgramGridModel::init() {
    cells_[0][0].clear();
    cells_[0][1] = texts_(12);
    for (int row = 1; row < kRows; ++row)
        cells_[row][0] = QString::number(row);
    emit headerDataChanged(Qt::Horizontal, 0, kCols - 1);
    emit dataChanged(index(0, 0), index(kSteps - 1, 0));
}

void ProgramGridModel::clearSteps() {
    for (int row = 1; row < kRows; ++row)
        cells_[row][1].clear();
    emit dataChanged(index(0, 1), index(kSteps - 1, 1));
}

QString ProgramGridModel::text(int row, int col) const {
    return inGrid(row, col) ? cells_[row][col] : QString();
}

void ProgramGridModel::setText(int row, int col, const QString& text) {
    if (!inGrid(row, col))
        return;
    cells_[row][col] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

int ProgramGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kSteps;
}

int ProgramGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kCols;
}

QVariant ProgramGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    case Qt::BackgroundRole:
        if (index.column() == 0)
            return QGuiApplication::palette().color(QPalette::Button);
        return {};
    default:
        return {};
    }
}

QVariant ProgramGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return text(0, section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags ProgramGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace zovi
