#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace zovi {

// What one printout shows, in the texts of the run's language, ready to be laid out on paper.

// The position part: the device line and rows 0 (the headings) to 3 (positions 1 to 3), each with the
// cells No., VEL, ACC, Posi(mm), Posi(Pulse) and Comment.
struct PrintPositions {
    enum Cell { No, Vel, Acc, Mm, Pulse, Comment, CellCount };
    QString deviceLine; // "Type of VQ : VQ- 28L-100", and "  (Old)" for an actuator of the old type
    std::array<std::array<QString, CellCount>, 4> rows;
};

// The parameter part: where the values came from and one label and value per parameter 1 to 24.
struct PrintParameters {
    struct Line {
        QString label;
        QString value;
    };
    QString sourceName; // the parameter file's name, or "Inside of C/T"
    std::array<Line, 24> lines;
};

struct Printout {
    QString dataName; // after "File Name:" in the header
    QDateTime printedAt;
    bool pulseColumn = false; // the Posi(Pulse) column, as the grid shows it
    std::optional<PrintPositions> positions;
    std::optional<PrintParameters> parameters;
};

} // namespace zovi
