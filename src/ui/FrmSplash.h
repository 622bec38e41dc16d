#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace zovi {

class AppContext;

// The window shown for two seconds while the program starts.
class FrmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int kShowMs = 2000;

    explicit FrmSplash(const AppContext& ctx, QWidget* parent = nullptr);
    bool SplashEndFlag = false;
    // Shows the window and returns when its timer has run out, keeping events flowing meanwhile.
    void showAndWait();

signals:
    void ended();

private:
    QLabel* lblVersion = nullptr;
    QTimer* timerSplash = nullptr;
};

} // namespace zovi
