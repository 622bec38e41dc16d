#pragma once

#include "io/IoMonitor.h"
#include "io/IoView.h"

#include <QDialog>
#include <QPixmap>
#include <array>

class QLabel;
class QPushButton;
class QTimer;
class QToolButton;

namespace zovi {

class AppContext;
class CtLink;

// The I/O monitor window: the controller's inputs and outputs as lamps, the three switchable outputs
// as pictures, and the start/stop button. It shows what its monitor (io/IoMonitor.h) writes and
// forwards the clicks to it; it cannot be closed while monitoring runs.
class FrmInputOutput : public QDialog, public IoView {
    Q_OBJECT
public:
    FrmInputOutput(AppContext& ctx, CtLink& link, QWidget* parent = nullptr);

    IoMonitor& monitor() { return monitor_; }

    void showLamps(const IoState& state) override;
    void allLampsOff() override;
    void setCheckCaption(const QString& text) override;
    void setCheckEnabled(bool enabled) override;
    void setCloseEnabled(bool enabled) override;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QLabel* lamp(QWidget* parent, const char* name, int captionId, int left, int top);
    void setLamp(IoSignal signal, bool lit);
    // Names the lamps to accessibility after the captions are in the run's language.
    void nameLamps();

    AppContext& ctx_;
    IoMonitor monitor_;
    QPixmap litLamp_;
    QPixmap alarmLamp_;
    QPixmap offLamp_;
    QPixmap outputOn_;
    QPixmap outputOff_;

    std::array<QLabel*, kIoSignalCount> lamps_ = {}; // imgHomeLsLed ... imgOut2Led, by IoSignal
    std::array<int, kIoSignalCount> captionIds_ = {};
    std::array<QToolButton*, 3> outputPictures_ = {}; // imgPend, imgOut1, imgOut2, by IoOutput
    QPushButton* cmdIoCheck = nullptr;
    QPushButton* cmdIoWinClose = nullptr;
    QTimer* timerIo2 = nullptr;
};

} // namespace zovi
