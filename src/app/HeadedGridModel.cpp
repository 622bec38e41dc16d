#include "app/HeadedGridModel.h"

#include <QGuiApplication>
#include <QPalette>

namespace zovi {

HeadedGridModel::HeadedGridModel(int rows, int cols, QObject* parent)
    : QAbstractTableModel(parent)
    , cols_(cols)
    , cells_(rows, QList<QString>(cols)) {}

QString HeadedGridModel::text(int row, int col) const {
    return inGrid(row, col) ? cells_[row][col] : QString();
}

void HeadedGridModel::setText(int row, int col, const QString& text) {
    if (!inGrid(row, col))
        return;
    cells_[row][col] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
}

Qt::Alignment HeadedGridModel::alignment(int) const {
    return Qt::AlignCenter;
}

// The fixed column looks like a heading.
QColor HeadedGridModel::background(int col) const {
    return col == 0 ? QGuiApplication::palette().color(QPalette::Button) : QColor();
}

void HeadedGridModel::refreshAll() {
    emit headerDataChanged(Qt::Horizontal, 0, cols_ - 1);
    emit dataChanged(index(0, 0), index(gridRows() - 2, cols_ - 1));
}

int HeadedGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : gridRows() - 1;
}

int HeadedGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : cols_;
}

QVariant HeadedGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return text(index.row() + 1, index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignment(index.column()));
    case Qt::BackgroundRole:
        if (const QColor colour = background(index.column()); colour.isValid())
            return colour;
        return {};
    default:
        return {};
    }
}

QVariant HeadedGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return text(0, section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

// The fixed column is not selectable; the data cells are edited through the window's editor boxes.
Qt::ItemFlags HeadedGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (index.column() == 0)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace zovi
