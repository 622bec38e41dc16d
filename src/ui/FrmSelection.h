#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace zovi {

class AppContext;

// The device-setting question: read the device from the controller or set it offline. In start-up
// mode it has no Cancel and cannot be closed with its close box (nor with Escape).
class FrmSelection : public QDialog {
    Q_OBJECT
public:
    FrmSelection(AppContext& ctx, bool startupMode, QWidget* parent = nullptr);

    // 0 "Reading from C/T", 1 "Offline setting", -1 cancelled.
    int answer() const { return answer_; }

public slots:
    void cmdSelectOk_Click();
    void cmdSelectCancel_Click();
    // Escape and the close box: Cancel, or nothing in start-up mode.
    void reject() override;

private:
    bool startupMode_;
    int answer_ = -1;
    QLabel* lblSelectSetumei = nullptr;
    std::array<QRadioButton*, 2> optSelectKomoku = {};
    QPushButton* cmdSelectOk = nullptr;
    QPushButton* cmdSelectCancel = nullptr;
};

} // namespace zovi
