// The move program's inputs on the main window. The grid flgdProgram is edited in place: a key press in
// the position column or a double-click opens the editor txtEdit2 over the current step, which takes
// one position number 1 to 3; Enter, the arrow keys, the grid getting its focus back, another step
// becoming current and the focus going to another control write its text back, Escape drops it. The
// wait txtTimer takes up to three digits. The rules are program_input's; this file places the editor
// and forwards keys and focus.
#include "operation/ProgramGridModel.h"
#include "operation/ProgramInput.h"
#include "ui/EventForwarder.h"
#include "ui/FrmMain.h"
#include "ui/InPlaceEditor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableView>

namespace zovi {

namespace {

namespace input = program_input;

constexpr int kPositionColumn = 1;
constexpr int kEscape = 27;
constexpr int kTab = 9;

// The character code a key press types (Backspace 8, Tab 9, Enter 13, Escape 27); -1 for keys that type
// nothing, among them Delete and the Ctrl and Alt shortcuts.
int keyCode(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return -1;
    switch (key.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return input::kEnter;
    case Qt::Key_Backspace:
        return input::kBackspace;
    case Qt::Key_Escape:
        return kEscape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kTab;
    default:
        break;
    }
    const QString text = key.text();
    if (text.isEmpty() || text.front().unicode() < 32 || text.front().unicode() == 127)
        return -1;
    return text.front().unicode();
}

std::optional<input::StepKey> stepKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return input::StepKey::Enter;
    case Qt::Key_Up:
        return input::StepKey::Up;
    case Qt::Key_Down:
        return input::StepKey::Down;
    case Qt::Key_Right:
        return input::StepKey::Right;
    default:
        return std::nullopt;
    }
}

// Pasting or the editor's context menu must not bring in what typing cannot.
void allowOnly(QLineEdit* box, const char* pattern) {
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QLatin1String(pattern)), box));
}

} // namespace

void FrmMain::buildProgramEditing() {
    auto* forwarder = new EventForwarder(
        [this](QObject* watched, QEvent* event) { return programEditingEvent(watched, event); }, this);
    eventForwarders_ << forwarder;
    forwarder->watch(flgdProgram);
    forwarder->watch(txtEdit2);
    forwarder->watch(txtTimer);
    txtEdit2->setMaxLength(1);
    txtEdit2->setAlignment(programModel_->alignment(kPositionColumn));
    allowOnly(txtEdit2, "[1-3]?");
    allowOnly(txtTimer, "[0-9]{0,3}");
    lblTimer->setBuddy(txtTimer); // the wait box is named by its label, also to accessibility
    connect(flgdProgram, &QAbstractItemView::doubleClicked, this, &FrmMain::flgdProgram_DblClick);
    connect(flgdProgram->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FrmMain::flgdProgram_LeaveCell);
}

bool FrmMain::programEditingEvent(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto& key = *static_cast<QKeyEvent*>(event);
        if (watched == flgdProgram)
            return flgdProgram_KeyPress(keyCode(key));
        if (watched == txtEdit2)
            return Edit2KeyCode(key.key(), keyCode(key));
        return txtTimer_KeyPress(keyCode(key));
    }
    case QEvent::FocusIn:
        if (watched == flgdProgram)
            flgdProgram_GotFocus();
        return false;
    case QEvent::FocusOut:
        if (watched == txtEdit2)
            txtEdit2_LostFocus(static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

// Keys that type nothing (the arrows) move the current cell as usual, and Tab moves the focus on.
bool FrmMain::flgdProgram_KeyPress(int code) {
    if (code < 0 || code == kTab)
        return false;
    flgdProgramEdit2(code);
    return true;
}

// A double-click counts as a blank typed on the cell.
void FrmMain::flgdProgram_DblClick() {
    flgdProgramEdit2(' ');
}

void FrmMain::flgdProgramEdit2(int code) {
    const QModelIndex current = flgdProgram->currentIndex();
    if (!current.isValid() || current.column() != kPositionColumn)
        return;
    const int step = current.row() + 1;
    const std::optional<QString> opening = input::stepEditorOpening(code, programModel_->step(step));
    if (!opening)
        return;
    programEditStep_ = step;
    txtEdit2->setText(*opening);
    txtEdit2->setCursorPosition(int(opening->size()));
    QRect cell = flgdProgram->visualRect(current);
    cell.moveTopLeft(flgdProgram->viewport()->mapTo(pictRenzoku, cell.topLeft()));
    txtEdit2->setGeometry(cell);
    programEditing_ = true;
    txtEdit2->show();
    txtEdit2->raise();
    txtEdit2->setFocus(Qt::OtherFocusReason);
}

// Enter and the arrow keys Up, Down and Right write the text back (by giving the grid its focus) and
// move the current step; Escape closes the editor and leaves the step as it was. Of the typed
// characters only what the one-character rule accepts reaches the editor; Left, Delete and the like
// edit as usual.
bool FrmMain::Edit2KeyCode(int key, int code) {
    if (!programEditing_)
        return false;
    if (code == kEscape) {
        programEditing_ = false;
        flgdProgram->setFocus(Qt::OtherFocusReason);
        txtEdit2->hide();
        return true;
    }
    if (const auto move = stepKey(key)) {
        const int from = programEditStep_;
        flgdProgram->setFocus(Qt::OtherFocusReason);
        if (programEditing_) // the focus event did not come (the window is not active)
            flgdProgram_GotFocus();
        moveProgramCell(input::stepAfterKey(*move, from));
        return true;
    }
    if (code < 0 || code == kTab)
        return false;
    return !input::stepEditorAccepts(txtEdit2->text(), code);
}

// Focus leaving the editor for another control of the window (cmdMove above all) writes the text back,
// so a run never starts on a program that differs from what is shown.
void FrmMain::txtEdit2_LostFocus(int reason) {
    if (!programEditing_ || editStaysOpenOnFocusOut(txtEdit2, reason) ||
        QApplication::focusWidget() == flgdProgram)
        return;
    commitProgramEdit();
}

void FrmMain::flgdProgram_GotFocus() {
    if (programEditing_)
        commitProgramEdit();
}

void FrmMain::flgdProgram_LeaveCell() {
    if (programEditing_)
        commitProgramEdit();
}

void FrmMain::commitProgramEdit() {
    programEditing_ = false;
    programModel_->setStep(programEditStep_, txtEdit2->text());
    txtEdit2->hide();
}

void FrmMain::moveProgramCell(int step) {
    const QModelIndex index = programModel_->index(step - 1, kPositionColumn);
    if (index.isValid())
        flgdProgram->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

// Digits while fewer than three are there, Backspace, and Enter, which empties a wait beyond 999.
bool FrmMain::txtTimer_KeyPress(int code) {
    if (code < 0 || code == kTab)
        return false;
    if (!input::timerKeyAccepted(txtTimer->text(), code))
        return true;
    if (code == input::kEnter) {
        txtTimer->setText(input::timerTextAfterEnter(txtTimer->text()));
        return true;
    }
    return false;
}

} // namespace zovi
