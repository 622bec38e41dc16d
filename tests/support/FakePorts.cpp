#include "support/FakePorts.h"

namespace zovi::test {

bool BufferedPort::open(int portNo) {
    ++opens;
    openedPorts << portNo;
    if (failOpen)
        return false;
    open_ = true;
    return true;
}

QByteArray BufferedPort::readAll() {
    QByteArray out;
    out.swap(rx_);
    return out;
}

void BufferedPort::arrive(const QByteArray& bytes) {
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

ModelPort::ModelPort() {
    clock_.start();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ModelPort::pump);
}

void ModelPort::write(const QByteArray& bytes) {
    written << bytes;
    take(model.receive(bytes, nowMs()));
}

void ModelPort::take(ctsim::Outputs outputs) {
    for (ctsim::Output& output : outputs)
        pending_.push_back(std::move(output));
    pump();
}

// Delivers what is due, lets the model finish moves, and sleeps until the next thing is due.
void ModelPort::pump() {
    const qint64 now = nowMs();
    for (ctsim::Outputs ticked = model.tick(now); !ticked.empty(); ticked = model.tick(now)) {
        for (ctsim::Output& output : ticked)
            pending_.push_back(std::move(output));
    }
    QByteArray due;
    while (!pending_.empty() && pending_.front().atMs <= now) {
        due += pending_.front().bytes;
        pending_.pop_front();
    }
    qint64 next = pending_.empty() ? -1 : pending_.front().atMs;
    if (const auto deadline = model.nextDeadlineMs(); deadline && (next < 0 || *deadline < next))
        next = *deadline;
    if (next >= 0)
        timer_.start(int(std::max<qint64>(0, next - now)));
    arrive(due);
}

} // namespace zovi::test
