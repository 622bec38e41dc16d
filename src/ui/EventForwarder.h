#pragma once

#include <QObject>
#include <functional>

namespace zovi {

// Hands the events of the objects it watches to a function, which returns true to consume one: lets a
// window handle its controls' keys and focus in its own named handlers.
class EventForwarder : public QObject {
public:
    using Handler = std::function<bool(QObject* watched, QEvent* event)>;
    EventForwarder(Handler handler, QObject* parent)
        : QObject(parent)
        , handler_(std::move(handler)) {}

    void watch(QObject* object) { object->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return handler_(watched, event); }

private:
    Handler handler_;
};

} // namespace zovi
