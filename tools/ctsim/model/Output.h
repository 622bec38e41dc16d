#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <vector>

namespace ctsim {

// Bytes the controller sends on its line, and the earliest time (model clock, ms) to start sending them.
// Outputs are sent in the order the model returns them; a later output never overtakes an earlier one.
struct Output {
    QByteArray bytes;
    qint64 atMs = 0;

    friend bool operator==(const Output&, const Output&) = default;
};

using Outputs = std::vector<Output>;

} // namespace ctsim
