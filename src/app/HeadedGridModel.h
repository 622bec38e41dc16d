#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QList>
#include <QString>

namespace zovi {

// A grid addressed as the program's grids are: row 0 holds the headings (shown as the view's
// header), column 0 is fixed; model row r is grid row r + 1, model columns are grid columns.
class HeadedGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    HeadedGridModel(int rows, int cols, QObject* parent = nullptr);

    int gridRows() const { return int(cells_.size()); }
    int gridCols() const { return cols_; }
    // Cell text in grid coordinates; out-of-range cells read empty and ignore writes.
    QString text(int row, int col) const;
    void setText(int row, int col, const QString& text);

    virtual Qt::Alignment alignment(int col) const;
    // Back colour of a column's data cells; invalid for the view's own.
    virtual QColor background(int col) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

protected:
    bool inGrid(int row, int col) const { return row >= 0 && row < gridRows() && col >= 0 && col < cols_; }
    // Tells the view that every heading and every cell may have changed.
    void refreshAll();

private:
    int cols_;
    QList<QList<QString>> cells_;
};

} // namespace zovi
