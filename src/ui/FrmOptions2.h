#pragma once

#include "app/Options.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTabWidget;

namespace zovi {

class AppContext;

// View > Option: port, port occupation, parameter details, current down, language, pulse column.
// OK applies and stores what the dialog shows; Cancel and Close leave everything as it was.
class FrmOptions2 : public QDialog {
    Q_OBJECT
public:
    FrmOptions2(AppContext& ctx, QWidget* parent = nullptr);

    // The form the dialog shows now (read back from its controls).
    OptionsForm currentForm() const;

private slots:
    void cmdOK_Click();
    void chkChangeBk_Click();
    void refreshPortDevice();

private:
    void buildControls();
    QWidget* buildPortTab();
    QWidget* buildParameterTab();
    QWidget* buildEtcTab();
    QWidget* buildLanguageTab();
    QWidget* buildPositionTab();
    void showForm(const OptionsForm& form);

    AppContext& ctx_;
    QTabWidget* SSTabOption = nullptr;
    QLabel* lblPortNo = nullptr;
    QLineEdit* txtPortNo = nullptr;
    QComboBox* comboPortDevice = nullptr;
    QLabel* lblPortDefault = nullptr;
    QCheckBox* chkPortOccupy = nullptr;
    QCheckBox* chkParametaShow = nullptr;
    QLabel* lblParaTyuijikou = nullptr;
    QCheckBox* chkChangeBk = nullptr;
    QRadioButton* optCurrentDown[2] = {};
    QLabel* lblBreakSet = nullptr;
    QLineEdit* txtBreakNo = nullptr;
    QWidget* breakNoSpin_ = nullptr;
    QLabel* lblTyuijikou = nullptr;
    QGroupBox* framLanguege = nullptr;
    QRadioButton* optLanguege[2] = {};
    QCheckBox* chkDispPulsPosi = nullptr;
    QCheckBox* chkAutoBackup = nullptr;
    int shownPortNo_ = 0;
};

} // namespace zovi
