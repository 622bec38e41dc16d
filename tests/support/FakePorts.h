#pragma once

#include "link/SerialPort.h"
#include "model/ControllerModel.h"

#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <deque>
#include <functional>

namespace zovi::test {

// What both fake ports share: the characters received but not yet read, the open state and the
// frames written.
class BufferedPort : public SerialPort {
    Q_OBJECT
public:
    bool open(int portNo) override;
    bool isOpen() const override { return open_; }
    qint64 bytesAvailable() const override { return rx_.size(); }
    QByteArray readAll() override;
    void close() override { open_ = false; }
    QString errorString() const override { return QStringLiteral("cannot open"); }

    bool failOpen = false;
    // Emit readyRead when characters arrive; off, only the poll timer finds them.
    bool signalReadyRead = true;
    QList<QByteArray> written;
    QList<int> openedPorts;
    int opens = 0;

protected:
    // Characters from the far end; lost while the port is closed.
    void arrive(const QByteArray& bytes);

private:
    QByteArray rx_;
    bool open_ = false;
};

// A port whose far end answers each written frame with the next scripted reply, delivered in the
// given pieces after the given delays (ms after the write).
class ScriptedPort : public BufferedPort {
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
    void deliverNow(const QByteArray& bytes) { arrive(bytes); } // a stray line from the far end

    void write(const QByteArray& bytes) override;

    // Asked at each write for the reply limit then in force, in ms (-1: none); LinkFixture sets it.
    std::function<int()> limitInForce;
    QList<int> limits; // one for each written frame

private:
    std::deque<Reply> replies_;
};

// A port connected in-process to the controller model, on the real clock.
class ModelPort : public BufferedPort {
    Q_OBJECT
public:
    ModelPort();
    ctsim::ControllerModel model;
    qint64 nowMs() const { return clock_.elapsed(); }
    void take(ctsim::Outputs outputs);
    void write(const QByteArray& bytes) override;

private:
    void pump();

    QElapsedTimer clock_;
    QTimer timer_;
    std::deque<ctsim::Output> pending_;
};

} // namespace zovi::test
