#pragma once

#include "device/DeviceSelectionModel.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace zovi {

class AppContext;
class DeviceCatalogue;

// The device selection dialog: series, type, homing method, size, speed class and stroke from the
// device list. It shows its model and forwards the operator's choices to it.
class FrmDevice2 : public QDialog {
    Q_OBJECT
public:
    FrmDevice2(AppContext& ctx, DeviceCatalogue& catalogue, QWidget* parent = nullptr);

    const DeviceSelectionModel& model() const { return model_; }
    bool cancelled() const { return model_.cancelled; }

public slots:
    void optVqSelect_Click(int index);
    void chkNewOrOld_Click();
    void cmdDeviceSet_Click();
    void cmdDeviceCancel_Click();
    // Escape and the close box cancel.
    void reject() override;

private:
    void buildControls(const AppContext& ctx);
    // Shows the model; the boxes' signals are held meanwhile.
    void showModel();
    void finishIfDone();

    DeviceSelectionModel model_;

    QLabel* lblDeviceSetumei = nullptr;
    std::array<QRadioButton*, 2> optVqSelect = {};
    QGroupBox* framNewOrOld = nullptr;
    QCheckBox* chkNewOrOld = nullptr;
    QLabel* lblHomeMethod = nullptr;
    std::array<QRadioButton*, 2> optHomeMethod = {};
    QCheckBox* chkDevVsiyou = nullptr;
    QLabel* lblDeviceSize = nullptr;
    QComboBox* comboDeviceSize = nullptr;
    QLabel* lblDeviceSpeed = nullptr;
    QComboBox* comboDeviceSpeed = nullptr;
    QLabel* lblDeviceStroke = nullptr;
    QComboBox* comboDeviceStroke = nullptr;
    QPushButton* cmdDeviceSet = nullptr;
    QPushButton* cmdDeviceCancel = nullptr;
};

} // namespace zovi
