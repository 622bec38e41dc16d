#pragma once

#include "app/DiffTable.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace zovi {

class Texts;

// A verification's differences: both sides in one table (the window's data on the left, the file's or
// the controller's on the right), every differing field highlighted on both sides; Copy puts the table
// on the clipboard as tab-separated text. Modal; Close and Escape end it.
class FrmDiffView : public QDialog {
    Q_OBJECT
public:
    FrmDiffView(const DiffTable& table, const Texts& texts, QWidget* parent = nullptr);

    QTableWidget* grid() const { return tblDiff; }
    // The colour of a differing field.
    static QColor differingColour();

public slots:
    void cmdDiffCopy_Click();

private:
    void fill();

    DiffTable table_;
    QLabel* lblDiffHint = nullptr;
    QTableWidget* tblDiff = nullptr;
    QPushButton* cmdDiffCopy = nullptr;
    QPushButton* cmdDiffClose = nullptr;
};

} // namespace zovi
