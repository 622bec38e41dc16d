#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace zovi {

class AppContext;

// The verification's source: the table is compared with a position data file or with the controller.
// Modal, 500 twips right of and below the main window. Escape and the close box cancel.
class FrmDataShogo : public QDialog {
    Q_OBJECT
public:
    enum Choice { None = 0, File = 1, Controller = 2 };

    explicit FrmDataShogo(AppContext& ctx, QWidget* parent = nullptr);

    // 0 when cancelled, 1 a file, 2 the controller.
    int choice() const { return choice_; }

public slots:
    void cmdFileDataShogo_Click();
    void cmdCtDataShogo_Click();
    void cmdCancelOfShogo_Click();

private:
    int choice_ = None;
    QLabel* imgQuestion = nullptr;
    QLabel* lblDataShogo = nullptr;
    QPushButton* cmdFileDataShogo = nullptr;
    QPushButton* cmdCtDataShogo = nullptr;
    QPushButton* cmdCancelOfShogo = nullptr;
};

} // namespace zovi
