#pragma once

#include <QApplication>
#include <QWidget>

namespace zovi {

// Whether focus leaving a grid's in-place editor keeps the edit open: another window took the focus, or
// the editor's own context menu opened. Focus going to any other control of the window writes the
// editor's text back.
inline bool editStaysOpenOnFocusOut(const QWidget* editor, int reason) {
    if (reason == Qt::ActiveWindowFocusReason)
        return true;
    const QWidget* popup = reason == Qt::PopupFocusReason ? QApplication::activePopupWidget() : nullptr;
    return popup && popup->parentWidget() == editor;
}

} // namespace zovi
