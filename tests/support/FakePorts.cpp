#include "support/FakePorts.h"

namespace zovi::test {

bool ScriptedPort::open(int portNo) {
    ++opens;
    openedPorts << portNo;
    if (failOpen)
        return false;
    open_ = true;
    return true;
}

void ScriptedPort::write(const QByteArray& bytes) {
    written << bytes;
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

void ScriptedPort::deliverNow(const QByteArray& bytes) {
    if (!open_)
        return;
    rx_ += bytes;
    if (signalReadyRead)
        emit readyRead();
}

QByteArray ScriptedPort::readAll() {
    QByteArray out;
    out.swap(rx_);
    return out;
}

ModelPort::ModelPort() {
    clock_.start();
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &ModelPort::pump);
}

bool ModelPort::open(int) {
    open_ = true;
    return true;
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
    bool delivered = false;
    while (!pending_.empty() && pending_.front().atMs <= now) {
        if (open_)
            rx_ += pending_.front().bytes;
        pending_.pop_front();
        delivered = true;
    }
    qint64 next = -1;
    if (!pending_.empty())
        next = pending_.front().atMs;
    if (const auto deadline = model.nextDeadlineMs(); deadline && (next < 0 || *deadline < next))
        next = *deadline;
    if (next >= 0)
        timer_.start(int(std::max<qint64>(0, next - now)));
    if (delivered && open_)
        emit readyRead();
}

QByteArray ModelPort::readAll() {
    QByteArray out;
    out.swap(rx_);
    return out;
}

} // namespace zovi::test
