#pragma once

#include "parameter/ParameterCommands.h"
#include "parameter/ParameterForm.h"

#include <QWidget>
#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace zovi {

class AppContext;
class DeviceCatalogue;

// The parameter window: the 24 parameters, the standard values for an actuator, and the file and
// controller commands. It opens without blocking the main window, mirrors its model
// (parameter/ParameterForm.h) and forwards the operator's keys, edits and clicks to it. Its close
// box is refused while a command runs.
class FrmParameta : public QWidget, public ParameterWindowView {
    Q_OBJECT
public:
    FrmParameta(AppContext& ctx, DeviceCatalogue& catalogue, ParameterLink link, QWidget* parent = nullptr);

    ParameterFormModel& model() { return model_; }
    ParameterCommands& commands() { return commands_; }

    void showModel() override;
    void setParaWinStatus(const QString& text) override;

public slots:
    void cmdSelectDevice_Click();
    void cmdLoadDefoultPara_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QWidget* buildNumberColumn();
    QWidget* buildDeviceColumn();
    QWidget* buildCommandTabs();
    QLineEdit* textField(int number, QWidget* parent);
    void connectControls();
    // Enter in a number field: the focus goes to the field the parameter table names.
    void moveFocusOn(int number);

    AppContext& ctx_;
    DeviceCatalogue& catalogue_;
    ParameterFormModel model_;
    ParameterCommands commands_;

    QGroupBox* framParameta = nullptr;
    std::array<QLineEdit*, 25> textFields_ = {}; // by parameter number: 1-20, 22
    QPushButton* cmdSelectDevice = nullptr;
    std::array<QRadioButton*, 2> optVertical = {};
    std::array<QRadioButton*, 3> optType = {};
    QComboBox* comboActSize = nullptr;
    QComboBox* comboActSpeed = nullptr;
    QComboBox* comboActStroke = nullptr;
    QWidget* PictureExpPara = nullptr;
    QLabel* lblEmgWay = nullptr;
    QLabel* lblEmgLogic = nullptr;
    std::array<QRadioButton*, 2> optEmgWay = {};
    std::array<QRadioButton*, 2> optEmgLogic = {};
    QCheckBox* chkUseDefoult = nullptr;
    QLabel* lblDefoultPara = nullptr;
    QPushButton* cmdLoadDefoultPara = nullptr;
    QTabWidget* ssTab2 = nullptr;
    QPushButton* cmdReadParaFile = nullptr;
    QPushButton* cmdSaveParaFile = nullptr;
    QPushButton* cmdConpareFile = nullptr;
    QPushButton* cmdParaRead = nullptr;
    QPushButton* cmdParaWrite = nullptr;
    QPushButton* cmdConpareCT = nullptr;
    QLabel* lblParaWinStatus = nullptr;
    QButtonGroup* verticalGroup_ = nullptr;
    QButtonGroup* typeGroup_ = nullptr;
    QButtonGroup* emgWayGroup_ = nullptr;
    QButtonGroup* emgLogicGroup_ = nullptr;
};

} // namespace zovi
