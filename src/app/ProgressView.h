#pragma once

#include <QString>

namespace zovi {

// The progress window frmTrance as the logic drives it while data go to or come from the controller.
// Opening it again while it is shown changes its caption and bar maximum and starts the bar over.
class ProgressView {
public:
    virtual ~ProgressView() = default;
    virtual void open(int maximum, const QString& text) = 0;
    virtual void step(int value) = 0;
    virtual void close() = 0;
};

} // namespace zovi
