#pragma once

#include "model/ControllerModel.h"

#include <QByteArray>
#include <QList>

// Drives a controller model with a fake clock, the way a program on the serial line would.
struct ModelDriver {
    ctsim::ControllerModel model;
    qint64 now = 0;

    static QByteArray joined(const ctsim::Outputs& outputs) {
        QByteArray bytes;
        for (const ctsim::Output& output : outputs)
            bytes += output.bytes;
        return bytes;
    }

    // Sends a command line (CR LF added) and returns what the controller sends at once.
    QByteArray send(const QByteArray& command) { return joined(model.receive(command + "\r\n", now)); }

    // Sends a command line and lets the clock run until the controller has answered (or has nothing left to
    // do); returns the answer and, in elapsedMs, when it started relative to the command.
    QByteArray exchange(const QByteArray& command, qint64* elapsedMs = nullptr) {
        const qint64 start = now;
        ctsim::Outputs outputs = model.receive(command + "\r\n", now);
        while (outputs.empty() && model.nextDeadlineMs()) {
            now = *model.nextDeadlineMs();
            outputs = model.tick(now);
        }
        if (elapsedMs)
            *elapsedMs = outputs.empty() ? -1 : outputs.front().atMs - start;
        return joined(outputs);
    }
};
