// Editing the position grid flgdData in place: the editor txtEdit opens over the current cell when a
// character is typed or the cell double-clicked, and its text is committed when the grid gets focus
// back or the current cell changes. The rules are PositionGridEdit's; this file places the editor and
// forwards keys and focus.
#include "app/AppContext.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "ui/EventForwarder.h"
#include "ui/FrmMain.h"
#include "ui/InPlaceEditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QToolBar>
#include <algorithm>

namespace zovi {

namespace {

using Grid = PositionGridModel;

std::optional<PositionGridEdit::Key> editKey(int key) {
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PositionGridEdit::Key::Enter;
    case Qt::Key_Escape:
        return PositionGridEdit::Key::Escape;
    case Qt::Key_Up:
        return PositionGridEdit::Key::Up;
    case Qt::Key_Down:
        return PositionGridEdit::Key::Down;
    case Qt::Key_Right:
        return PositionGridEdit::Key::Right;
    default:
        return std::nullopt;
    }
}

} // namespace

void FrmMain::buildPositionEditing() {
    positionEdit_ = std::make_unique<PositionGridEdit>(ctx_, *positionTable_);
    auto* forwarder = new EventForwarder(
        [this](QObject* watched, QEvent* event) { return positionEditingEvent(watched, event); }, this);
    eventForwarders_ << forwarder;
    forwarder->watch(flgdData);
    forwarder->watch(txtEdit);
    connect(flgdData, &QAbstractItemView::doubleClicked, this, &FrmMain::flgdData_DblClick);
    connect(flgdData->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FrmMain::flgdData_LeaveCell);
    // A tool-bar button takes no focus, so the edit is committed when it is pressed: the command then
    // sees what the operator typed.
    for (QAction* action : tbToolBar->actions()) {
        if (auto* button = qobject_cast<QAbstractButton*>(tbToolBar->widgetForAction(action)))
            connect(button, &QAbstractButton::pressed, this, [this] {
                if (positionEditing_)
                    commitPositionEdit(PositionGridEdit::ChangeFlag::Set);
            });
    }
}

bool FrmMain::positionEditingEvent(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        return watched == flgdData ? flgdData_KeyPress(key->text(), key->key()) : EditKeyCode(key->key());
    }
    case QEvent::FocusIn:
        if (watched == flgdData)
            flgdData_GotFocus();
        else
            txtEdit_GotFocus();
        return false;
    case QEvent::FocusOut:
        if (watched == txtEdit)
            txtEdit_LostFocus(static_cast<QFocusEvent*>(event)->reason());
        return false;
    default:
        return false;
    }
}

// Enter moves the current cell; a character opens the editor with it; a blank, Backspace or F2 opens
// it with the cell's text. Other keys (arrows, Tab, shortcuts) keep their usual meaning.
bool FrmMain::flgdData_KeyPress(const QString& typed, int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const GridCell from = positionGridBlock().current;
        if (from.row >= 1 && from.col >= Grid::ColVel)
            movePositionCell(PositionGridEdit::gridEnterTarget(from, positionModel_->pulseShown()));
        return true;
    }
    if (key == Qt::Key_F2) {
        flgdDataEdit(QString());
        return true;
    }
    if (typed.isEmpty())
        return false;
    const char16_t code = typed.front().unicode();
    if (code > 32 || code == u' ' || code == u'\b') {
        flgdDataEdit(typed);
        return true;
    }
    return false;
}

void FrmMain::flgdData_DblClick() {
    flgdDataEdit(QString());
}

void FrmMain::flgdDataEdit(const QString& typed) {
    const GridBlock block = positionGridBlock();
    if (!positionEdit_->editable(block.current))
        return;
    editBlock_ = block;
    const int col = block.current.col;
    const QString text = PositionGridEdit::openingText(typed, positionModel_->text(block.current.row, col));
    txtEdit->setMaxLength(std::max(PositionGridEdit::maxLength(col), int(text.size())));
    txtEdit->setText(text);
    txtEdit->setCursorPosition(int(text.size()));
    txtEdit->setAlignment(positionModel_->alignment(col));

    QRect cell = flgdData->visualRect(flgdData->currentIndex());
    cell.moveTopLeft(flgdData->viewport()->mapTo(frmDataEdit, cell.topLeft()));
    txtEdit->setGeometry(cell);
    positionEditing_ = true;
    txtEdit->show();
    txtEdit->raise();
    txtEdit->setFocus(Qt::OtherFocusReason);
}

// Enter and the arrow keys commit (by giving the grid its focus back) and move the current cell;
// Escape closes the editor and leaves the cell as it was. Other keys edit the text.
bool FrmMain::EditKeyCode(int key) {
    const auto action = editKey(key);
    if (!action || !positionEditing_)
        return false;
    const GridCell from = editBlock_.current;
    if (*action == PositionGridEdit::Key::Escape) {
        positionEditing_ = false;
        flgdData->setFocus(Qt::OtherFocusReason);
        txtEdit->hide();
        return true;
    }
    flgdData->setFocus(Qt::OtherFocusReason);
    if (positionEditing_) // the focus event did not come (the window is not active)
        flgdData_GotFocus();
    movePositionCell(PositionGridEdit::editorKeyTarget(*action, from, positionModel_->pulseShown()));
    return true;
}

void FrmMain::txtEdit_GotFocus() {
    setEditorLengthLimit();
}

// Focus leaving the editor for another control of the window (a button, a menu) commits the edit as
// the grid would, so that a command never runs on a grid that differs from what is shown. Another
// window taking the focus, or the editor's own context menu, leaves the edit open.
void FrmMain::txtEdit_LostFocus(int reason) {
    if (!positionEditing_ || editStaysOpenOnFocusOut(txtEdit, reason) ||
        QApplication::focusWidget() == flgdData)
        return;
    commitPositionEdit(PositionGridEdit::ChangeFlag::Set);
}

void FrmMain::flgdData_GotFocus() {
    if (positionEditing_)
        commitPositionEdit(PositionGridEdit::ChangeFlag::Set);
}

void FrmMain::flgdData_LeaveCell() {
    if (positionEditing_)
        commitPositionEdit(PositionGridEdit::ChangeFlag::Keep);
}

void FrmMain::commitPositionEdit(PositionGridEdit::ChangeFlag change) {
    positionEditing_ = false;
    positionEdit_->commit(editBlock_, txtEdit->text(), change);
    txtEdit->hide();
}

// The limit of the column being edited; a longer text already in the cell (a comment from a file) is
// not cut.
void FrmMain::setEditorLengthLimit() {
    const int limit = PositionGridEdit::maxLength(editBlock_.current.col);
    txtEdit->setMaxLength(std::max(limit, int(txtEdit->text().size())));
}

GridBlock FrmMain::positionGridBlock() const {
    const QModelIndex current = flgdData->currentIndex();
    if (!current.isValid())
        return {};
    const GridCell cell{current.row() + 1, current.column()};
    GridBlock block{cell, cell};
    const QItemSelection selection = flgdData->selectionModel()->selection();
    for (const QItemSelectionRange& range : selection) {
        if (!range.contains(current))
            continue;
        // The selection end is the corner across from the current cell.
        block.end.row = (current.row() == range.top() ? range.bottom() : range.top()) + 1;
        block.end.col = current.column() == range.left() ? range.right() : range.left();
    }
    return block;
}

void FrmMain::movePositionCell(GridCell cell) {
    const QModelIndex index = positionModel_->index(cell.row - 1, cell.col);
    if (index.isValid())
        flgdData->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
}

} // namespace zovi
