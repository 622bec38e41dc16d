#pragma once

#include <QDialog>

namespace zovi {

class AppContext;
class Desktop;

// Help > Version: product name, version, description and the system-information button.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    FrmAbout(AppContext& ctx, Desktop& desktop, QWidget* parent = nullptr);

private slots:
    void cmdSysInfo_Click();

private:
    AppContext& ctx_;
    Desktop& desktop_;
};

} // namespace zovi
