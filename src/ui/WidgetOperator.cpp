#include "ui/WidgetOperator.h"

#include "ui/FrmDiffView.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QStringList>

namespace zovi {

// The program's active window (an open dialog first), else its main window: a box is never left to
// open in the middle of the screen, away from the program.
QWidget* WidgetOperator::dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<QMainWindow*>(window))
            return window;
    }
    return nullptr;
}

namespace {

// `lastFolder`: the folder of the file last chosen, where the dialog starts and which it updates.
std::optional<QString> runFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode,
                                     QString& lastFolder) {
    QFileDialog dialog(WidgetOperator::dialogParent(), request.title);
    if (!lastFolder.isEmpty())
        dialog.setDirectory(lastFolder);
    dialog.setAcceptMode(mode);
    dialog.setNameFilter(WidgetOperator::qtFilter(request.filter));
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen && request.mustExist ? QFileDialog::ExistingFile
                                                                            : QFileDialog::AnyFile);
    if (!request.overwritePrompt)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.initialName.isEmpty())
        dialog.selectFile(request.initialName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

} // namespace

Answer WidgetOperator::message(const QString& text, Buttons buttons, Icon icon, const QString& title) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(title.isEmpty() ? title_ : title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icon) {
    case Icon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case Buttons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> WidgetOperator::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen, lastFolder_);
}

std::optional<QString> WidgetOperator::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave, lastFolder_);
}

void WidgetOperator::showDifferences(const DiffTable& table, const Texts& texts) {
    FrmDiffView view(table, texts, dialogParent());
    view.exec();
}

void WidgetOperator::beep() {
    QApplication::beep();
}

QString WidgetOperator::qtFilter(const QString& catalogueFilter) {
    const QStringList parts = catalogueFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' '));
        // "VQ Data file(*.vqd)" already names its pattern: shown as it stands, not with it twice.
        if (parts[i].endsWith(QLatin1Char('(') + patterns + QLatin1Char(')'), Qt::CaseInsensitive))
            filters << parts[i];
        else
            filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
    }
    return filters.isEmpty() ? catalogueFilter : filters.join(QStringLiteral(";;"));
}

} // namespace zovi
