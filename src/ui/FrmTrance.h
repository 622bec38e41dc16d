#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace zovi {

class AppContext;

// The progress window shown while data go to or come from the controller.
class FrmTrance : public QDialog {
    Q_OBJECT
public:
    explicit FrmTrance(AppContext& ctx, QWidget* parent = nullptr);
    void setRange(int maximum);
    void setProgress(int value);
    void setExplanation(const QString& text);

private:
    QProgressBar* prgBar1 = nullptr;
    QLabel* lblSetumei = nullptr;
};

} // namespace zovi
