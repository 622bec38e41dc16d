#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>

namespace zovi::test {

// The named child of `parent`; a test that names a control the window lacks stops there.
template <typename T = QWidget> T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

// Runs `act` on the next modal dialog once it is shown.
inline void onNextDialog(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            act(dialog);
        }
    });
    poll->start(10);
}

} // namespace zovi::test
