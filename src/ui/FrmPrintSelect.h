#pragma once

#include "print/PrintRequest.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zovi {

class AppContext;

// The print selection: the position data (from the grid or a position data file) and the parameters
// (from the controller or a parameter file), each on its own check box, with the file chosen by Browse.
// Modal, 500 twips right of and below the main window. OK accepts only a request that can be printed
// (message 561 or 562 otherwise); Cancel, Escape and the close box print nothing.
class FrmPrintSelect : public QDialog {
    Q_OBJECT
public:
    explicit FrmPrintSelect(AppContext& ctx, QWidget* parent = nullptr);

    const PrintRequest& request() const { return request_; }

public slots:
    void chkPrintPosi_Click();
    void optPrintPosi_Click(int index);
    void cmdSelectPosiFile_Click();
    void chkPrintPara_Click();
    void optPrintPara_Click(int index);
    void cmdSelectParaFile_Click();
    void cmdPrintSet_Click();
    void cmdPrintCancel_Click();

private:
    // The controls as the request stands: check boxes, options and the enable rules.
    void showRequest();

    AppContext& ctx_;
    PrintRequest request_;
    QLabel* lblPrintSelect = nullptr;
    QCheckBox* chkPrintPosi = nullptr;
    std::array<QRadioButton*, 2> optPrintPosi = {};
    QLabel* lblPrintPosiName = nullptr;
    QPushButton* cmdSelectPosiFile = nullptr;
    QCheckBox* chkPrintPara = nullptr;
    std::array<QRadioButton*, 2> optPrintPara = {};
    QLabel* lblPrintParaName = nullptr;
    QPushButton* cmdSelectParaFile = nullptr;
    QPushButton* cmdPrintSet = nullptr;
    QPushButton* cmdPrintCancel = nullptr;
};

} // namespace zovi
