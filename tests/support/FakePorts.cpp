#include "support/FakePorts.h"

namespace zovi::test {

bool ScriptedPort::open(int portNo) {
    openedPorts << portNo;
    open_ = !failOpen;
    return open_;
}

QByteArray ScriptedPort::readAll() {
    QByteArray out;
    out.swap(rx_);
    return out;
}

void ScriptedPort::deliverNow(const QByteArray& bytes) {
    if (!open_ || bytes.isEmpty())
        return;
    rx_ += bytes;
    if (signalReadyRead)
        emit readyRead();
}

void ScriptedPort::write(const QByteArray& bytes) {
    written << bytes;
    limits << (limitInForce ? limitInForce() : -1);
    if (replies_.empty())
        return;
    const Reply reply = replies_.front();
    replies_.pop_front();
    for (const Piece& piece : reply) {
        if (piece.afterMs == 0)
            deliverNow(piece.bytes);
        else
            QTimer::singleShot(piece.afterMs, this, [this, bytes = piece.bytes] { deliverNow(bytes); });
    }
}

} // namespace zovi::test
