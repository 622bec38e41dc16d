#include "position/PositionGridModel.h"

#include "app/Catalogue.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>

namespace zovi {

namespace {

// Catalogue ids of the headings, by grid column.
constexpr std::array<int, PositionGridModel::kCols> kHeadingIds = {12, 13, 14, 17, 16, 18};

bool inGrid(int row, int col) {
    return row >= 0 && row < PositionGridModel::kRows && col >= 0 && col < PositionGridModel::kCols;
}

} // namespace

PositionGridModel::PositionGridModel(const Texts& texts, QObject* parent)
    : QAbstractTableModel(parent)
    , texts_(texts) {
    init(InitMode::ClearAll);
}

void PositionGridModel::setPulseShown(bool shown) {
    if (pulseShown_ == shown)
        return;
    pulseShown_ = shown;
    cells_[0][ColPulse] = shown ? texts_(kHeadingIds[ColPulse]) : QString();
    emit headerDataChanged(Qt::Horizontal, ColPulse, ColPulse);
    emit dataChanged(index(0, 0), index(kRows - 2, kCols - 1));
}

void PositionGridModel::init(InitMode mode) {
    for (int col = 0; col < kCols; ++col)
        cells_[0][col] = texts_(kHeadingIds[col]);
    if (!pulseShown_)
        cells_[0][ColPulse].clear();
    for (int row = 1; row < kRows; ++row) {
        cells_[row][ColNo] = QString::number(row, 16).toUpper();
        if (mode == InitMode::KeepData)
            continue;
        for (int col = ColVel; col <= ColPulse; ++col)
            cells_[row][col].clear();
        if (mode == InitMode::ClearAll)
            cells_[row][ColComment].clear();
    }
    emit headerDataChanged(Qt::Horizontal, 0, kCols - 1);
    emit dataChanged(index(0, 0), index(kRows - 2, kCols - 1));
}

QString PositionGridModel::text(int row, int col) const {
    return inGrid(row, col) ? cells_[row][col] : QString();
}

void PositionGridModel::setText(int row, int col, const QString& text) {
    if (!inGrid(row, col))
        return;
    cells_[row][col] = text;
    if (row == 0)
        emit headerDataChanged(Qt::Horizontal, col, col);
    else
        emit dataChanged(index(row - 1, col), index(row - 1, col));
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

int PositionGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kRows - 1;
}

int PositionGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kCols;
}

QVariant PositionGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const int row = index.row() + 1;
    const int col = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return text(row, col);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignment(col));
    case Qt::BackgroundRole:
        if (col == ColPulse)
            return QColor::fromRgb(kPulseBackColour);
        if (col == ColNo)
            return QGuiApplication::palette().color(QPalette::Button);
        return {};
    default:
        return {};
    }
}

QVariant PositionGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::DisplayRole)
        return text(0, section);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags PositionGridModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    // The number column is fixed like the heading row; the data cells are edited through txtEdit.
    if (index.column() == ColNo)
        return Qt::ItemIsEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

} // namespace zovi
