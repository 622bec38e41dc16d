#pragma once

#include <QString>
#include <optional>

namespace zovi {

class Texts;

// The stroke calculator frmDevice: a stroke in mm and a lead give the stroke in pulses for the
// parameter window, by the same rule as a device's largest position. The motor has 400 pulses per
// revolution, 192 for the VQ-42D.
class StrokeCalculator {
public:
    explicit StrokeCalculator(const Texts& texts);

    QString strokeText; // txtStrokeTyo, mm from 0 to 600
    QString leadText;   // txtRido: 2, 4, 6, 8 or 12
    int actType = 0;    // optActType: 0 "Except VQ-42D", 1 "VQ-42D"
    QString result;     // lblStrokePulse: "No Device" until calculated, "Invalidity" for a bad entry

    void calculate(); // cmdCulStrokePulse
    // cmdInputStroke: the calculated stroke in pulses, nothing when there is none to take over.
    std::optional<QString> input() const;

private:
    const Texts& texts_;
};

} // namespace zovi
