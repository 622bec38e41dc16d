#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zovi {

// One compared item (a position, a parameter) seen from both sides of a verification: the window's
// data and the other side's (a file or the controller), field by field.
struct DiffRow {
    QString label;
    QStringList ours;
    QStringList theirs;
    QList<bool> differs; // per field
    bool anyDiffers() const { return differs.contains(true); }
};

// The side-by-side table a verification shows when it found a difference. Its texts are in the run's
// language, filled by whoever compared.
struct DiffTable {
    QString labelHeading;  // over the row labels
    QStringList fields;    // the field headings, the same on both sides
    QString oursHeading;   // the window's data
    QString theirsHeading; // the file's or the controller's
    QString unmatchedHeading;
    QList<DiffRow> rows;

    bool hasDifferences() const;
    // Tab-separated, one line per row after two heading lines (the sides, then the fields): label, the
    // window's fields, the other side's fields, and the headings of the fields that differ.
    QString copyText() const;
};

} // namespace zovi
