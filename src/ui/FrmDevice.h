#pragma once

#include "device/StrokeCalculator.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace zovi {

class AppContext;

// The stroke calculator opened from the parameter window: stroke in mm and lead give the stroke in
// pulses. Input closes it with the result (accepted); the parameter window takes `inputStroke()`.
class FrmDevice : public QDialog {
    Q_OBJECT
public:
    explicit FrmDevice(AppContext& ctx, QWidget* parent = nullptr);

    QString inputStroke() const { return input_; }
    const StrokeCalculator& calculator() const { return calculator_; }

public slots:
    void cmdCulStrokePulse_Click();
    void cmdInputStroke_Click();

private:
    void buildControls(const AppContext& ctx);

    StrokeCalculator calculator_;
    QString input_;

    QGroupBox* framActType = nullptr;
    std::array<QRadioButton*, 2> optActType = {};
    QLabel* lblStroke = nullptr;
    QLineEdit* txtStrokeTyo = nullptr;
    QLabel* lblRido = nullptr;
    QLineEdit* txtRido = nullptr;
    QLabel* lblVqStroke = nullptr;
    QLabel* lblStrokePulse = nullptr;
    QPushButton* cmdCulStrokePulse = nullptr;
    QPushButton* cmdInputStroke = nullptr;
};

} // namespace zovi
