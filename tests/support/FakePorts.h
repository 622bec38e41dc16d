#pragma once

#include "link/SerialPort.h"

#include <QList>
#include <QTimer>
#include <deque>
#include <functional>

namespace zovi::test {

// A port whose far end answers each written frame with the next scripted reply, delivered in the
// given pieces after the given delays (ms after the write). It records the frames written.
class ScriptedPort : public SerialPort {
    Q_OBJECT
public:
    struct Piece {
        QByteArray bytes;
        int afterMs = 0;
    };
    using Reply = QList<Piece>;

    bool open(int portNo) override;
    bool isOpen() const override { return open_; }
    qint64 bytesAvailable() const override { return rx_.size(); }
    QByteArray readAll() override;
    void close() override { open_ = false; }
    QString errorString() const override { return QStringLiteral("cannot open"); }
    void write(const QByteArray& bytes) override;

    // Replies in the order the frames will be written; an empty reply is silence.
    void script(const Reply& reply) { replies_.push_back(reply); }
    void scriptText(const QByteArray& text) { script({{text, 0}}); }
    // Characters from the far end now (a stray line); lost while the port is closed.
    void deliverNow(const QByteArray& bytes);

    bool failOpen = false;
    // Emit readyRead when characters arrive; off, only the poll timer finds them.
    bool signalReadyRead = true;
    QList<int> openedPorts;
    QList<QByteArray> written;
    // Asked at each write for the reply limit then in force, in ms (-1: none); LinkFixture sets it.
    std::function<int()> limitInForce;
    QList<int> limits; // one for each written frame

private:
    std::deque<Reply> replies_;
    QByteArray rx_;
    bool open_ = false;
};

} // namespace zovi::test
