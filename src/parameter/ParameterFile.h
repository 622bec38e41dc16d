#pragma once

#include "app/ParameterState.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace zovi {

class Texts;

// The parameter file (".pmt") as bytes: two records of comma-separated items, each ended by CR LF,
// all ASCII:
//   "VQ-E1","Parameter"
//   parameters 1 to 24 in number order: decimal integers, 22 the actuator code in double quotes
// Items are read one after the other whatever the line breaks. Besides the 24 values of this layout a
// file of 15 values (an older JM parameter file) is read for verification; an actuator code of 7
// characters (older files, without the blank of a two-character size) gets its blank back, or becomes
// "E35L-050" when its third character is "E".

inline constexpr int kParameterFileValues = 24;
inline constexpr int kOlderJmFileValues = 15;
// A parameter file is well under 1 KiB; only this much of a chosen file is ever read.
inline constexpr qint64 kMaxParameterFileBytes = 64 * 1024;

// What keeps a file from being read; the order is that of the catalogue's texts 761 to 766.
enum class ParameterFileFault {
    None,
    NotParameterFile, // the first two items are not "VQ-E1" and "Parameter": messages 362 and 363
    ValueCount,       // `count` values instead of 24 (or 15)
    NotNumber,        // value `item` (`text`) is not a decimal number
    DoesNotFit,       // value `item` does not fit its parameter: [low, high]
    BadActuator,      // value 22 (`text`) is not an actuator code
    NotText,          // characters that are not text, or a quote that is not closed
    Unreadable,       // the file cannot be opened or read
};

struct ParameterFileProblem {
    ParameterFileFault fault = ParameterFileFault::None;
    int item = 0;
    int count = 0;
    QString text;
    qint64 low = 0;
    qint64 high = 0;
    bool ok() const { return fault == ParameterFileFault::None; }
};

struct ParameterFileParse {
    QList<QVariant> values; // parameter 1 first: numbers as double, 22 as text
    ParameterFileProblem problem;
    bool ok() const { return problem.ok(); }
};

// The bytes the program writes for a set.
QByteArray parameterFileBytes(const ParameterSet& set);

// Reads the bytes of a file: 24 values, or 15 of an older JM file.
ParameterFileParse parseParameterFile(const QByteArray& bytes);

// OpenParaFile: reads the file into slots 1 onwards of the staging table, ParaItemCount and slot 0
// (the file title). Nothing changes when it cannot be read; `problem` then says why.
int OpenParaFile(const QString& path, ParameterState& state, ParameterFileProblem* problem = nullptr);

// SaveParaFileAs: writes the set to `path` through a temporary file that replaces it only when every
// byte has been written and flushed, so a failure leaves the file as it was. 0 written, 1 failed.
int SaveParaFileAs(const QString& path, const ParameterSet& set);

// The message for a file that cannot be read (any fault but NotParameterFile): text 424, the file
// named with text 760 and what is wrong.
QString parameterFileProblemText(const Texts& texts, const QString& path,
                                 const ParameterFileProblem& problem);

// The file title without its last 4 characters (".pmt"), as the window's title shows it.
QString titleWithoutExtension(const QString& fileTitle);

} // namespace zovi
