#pragma once

#include "link/SerialPort.h"
#include "model/ControllerModel.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <deque>

namespace zovi::test {

// A port whose far end answers each written frame with the next scripted reply, delivered in the
// given pieces after the given delays (ms after the write). Records every frame written.
class ScriptedPort : public SerialPort {
    Q_OBJECT
public:
    struct Piece {
        QByteArray bytes;
        int afterMs = 0;
    };
    using Reply = QList<Piece>;

    // Replies in the order the frames will be written; an empty reply is silence.
    void script(const Reply& reply) { replies_.push_back(reply); }
    void scriptText(const QByteArray& text) { script({{text, 0}}); }
    void deliverNow(const QByteArray& bytes); // a stray line from the far end

    bool open(int portNo) override;
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override { return rx_.size(); }
    QByteArray readAll() override;
    void close() override { open_ = false; }
    QString errorString() const override { return QStringLiteral("cannot open"); }

    bool failOpen = false;
    // Emit readyRead when bytes arrive; off, only the poll timer finds them.
    bool signalReadyRead = true;
    QList<QByteArray> written;
    QList<int> openedPorts;
    int opens = 0;

private:
    std::deque<Reply> replies_;
    QByteArray rx_;
    bool open_ = false;
};

// A port connected in-process to the controller model, on the real clock.
class ModelPort : public SerialPort {
    Q_OBJECT
public:
    ModelPort();
    ctsim::ControllerModel model;
    qint64 nowMs() const { return clock_.elapsed(); }
    void take(ctsim::Outputs outputs);

    bool open(int portNo) override;
    bool isOpen() const override { return open_; }
    void write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override { return rx_.size(); }
    QByteArray readAll() override;
    void close() override { open_ = false; }
    QString errorString() const override { return {}; }

    QList<QByteArray> written;

private:
    void pump();

    QElapsedTimer clock_;
    QTimer timer_;
    std::deque<ctsim::Output> pending_;
    QByteArray rx_;
    bool open_ = false;
};

} // namespace zovi::test
