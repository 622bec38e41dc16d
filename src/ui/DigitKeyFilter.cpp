#include "ui/DigitKeyFilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zovi {

int keyAsciiOf(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Delete:
        return -1;
    default:
        break;
    }
    const QString text = key->text();
    if (text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() < 127)
        return text.at(0).unicode();
    return text.isEmpty() ? -1 : 0xFFFF;
}

DigitKeyFilter::DigitKeyFilter(QLineEdit* box, Rule rule)
    : QObject(box)
    , box_(box)
    , rule_(rule) {
    box->installEventFilter(this);
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_ || event->type() != QEvent::KeyPress)
        return false;
    const int keyAscii = keyAsciiOf(static_cast<QKeyEvent*>(event));
    if (keyAscii < 0)
        return false; // cursor and function keys pass
    if (keyAscii == 9)
        return false; // Tab always moves the focus
    return !rule_(int(box_->text().size()), keyAscii);
}

} // namespace zovi
