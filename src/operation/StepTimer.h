#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QTimer;

namespace zovi {

// The wait between the steps of a move program: the one-shot Timer2 and the processing of window
// events while it runs (a stop or pause click arrives that way). The program sets onTimeout.
class StepTimer {
public:
    virtual ~StepTimer() = default;
    virtual void start(int milliseconds) = 0;
    virtual void stop() = 0;
    // Handles pending events, waiting for the next one if there is none.
    virtual void processEvents() = 0;

    std::function<void()> onTimeout;
};

// Timer2 of the main window and the application's event loop.
class QtStepTimer : public StepTimer {
public:
    explicit QtStepTimer(QTimer* timer2);
    ~QtStepTimer() override;
    QtStepTimer(const QtStepTimer&) = delete;
    QtStepTimer& operator=(const QtStepTimer&) = delete;

    void start(int milliseconds) override;
    void stop() override;
    void processEvents() override;

private:
    QPointer<QTimer> timer_;
    QMetaObject::Connection ticks_;
};

} // namespace zovi
