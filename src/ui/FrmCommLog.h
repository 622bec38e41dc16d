#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace zovi {

class AppContext;
class CommLog;
class FrmCommLogModel;

// The communication log window: every frame of the session as it comes, optionally only those of one
// outcome. It keeps the newest line in view unless the operator has scrolled up to read older ones;
// Copy puts the selected lines on the clipboard and Save writes the lines shown to a text file, both in
// the log's text format. Not modal: it stays open beside the other windows.
class FrmCommLog : public QWidget {
    Q_OBJECT
public:
    FrmCommLog(AppContext& ctx, const CommLog& log, QWidget* parent = nullptr);

    QTableView* grid() const { return flgdCommLog; }
    QComboBox* filter() const { return comboCommLogFilter; }
    // The selected lines shown, oldest first, one per line.
    QString selectedText() const;

public slots:
    void comboCommLogFilter_Click(int index);
    void cmdCommLogCopy_Click();
    void cmdCommLogSave_Click();

private:
    void rowsComing();
    void rowsCame();

    AppContext& ctx_;
    const CommLog& log_;
    FrmCommLogModel* model_ = nullptr;
    QSortFilterProxyModel* shown_ = nullptr;
    bool follow_ = true; // the end was in view when new lines came

    QLabel* lblCommLogFilter = nullptr;
    QComboBox* comboCommLogFilter = nullptr;
    QTableView* flgdCommLog = nullptr;
    QPushButton* cmdCommLogCopy = nullptr;
    QPushButton* cmdCommLogSave = nullptr;
};

} // namespace zovi
