#pragma once

#include "app/Operator.h"

class QWidget;

namespace zovi {

// The operator seam answered by real message boxes and file dialogs.
class WidgetOperator : public Operator {
public:
    // `title` is the default title of message boxes. The parent of each box is resolved when it
    // opens (dialogParent), so that it stays over the program.
    explicit WidgetOperator(QString title)
        : title_(std::move(title)) {}
    void setTitle(const QString& title) { title_ = title; }

    Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void beep() override;
    // The differences in frmDiffView, over the active window.
    void showDifferences(const DiffTable& table, const Texts& texts) override;

    // "Description(*.ext)|*.ext|All Files(*.*)|*.*" becomes "Description(*.ext) (*.ext);;All Files(*.*)
    // (*.*)".
    static QString qtFilter(const QString& catalogueFilter);

    // What every box and file dialog opens over: the active window, else the main window.
    static QWidget* dialogParent();

private:
    QString title_;
    // The folder of the file last chosen in a file dialog: the next one starts there, also when the name
    // was typed with its folder (which Qt's own memory of the last folder misses).
    QString lastFolder_;
};

} // namespace zovi
