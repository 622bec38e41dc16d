#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace zovi {

class Texts;

// The position data file (".vqd") as bytes: five lines of double-quoted fields separated by commas,
// each line ended by CR LF:
//   "VQ-E1","Position"                    file kind marker
//   "<device type name>","NEW"|"OLD"      the older layout has the device type name only
//   "<VEL>","<ACC>","<pulses>","<comment>" positions 1, 2 and 3
// The program writes UTF-8 without a byte-order mark. It reads a byte-order mark (UTF-8 or UTF-16)
// and LF-only or CR-only line ends as well; a file that is not UTF-8 is read in the code page of the
// run's language (Shift_JIS for Japanese, Windows-1252 for English), as files of Windows machines are.
// Blank lines are skipped and whatever follows the third record is ignored.

inline constexpr int kPositionFileRecords = 3;
// The grid's comment editor takes at most this many characters; a file with more is refused.
inline constexpr int kMaxCommentLength = 20;
// A position data file is well under 1 KiB; only this much of a chosen file is ever read.
inline constexpr qint64 kMaxPositionFileBytes = 64 * 1024;

// One position as the file holds it.
struct PositionFileRecord {
    qint16 vel = 0;
    qint16 acc = 0;
    qint32 pulses = 0;
    QString comment;
};

struct PositionFileData {
    QString deviceName;                     // line 2: the device type name the file was written for
    QString newOld = QStringLiteral("NEW"); // "NEW" or "OLD"; "OLD" for the older layout
    bool olderLayout = false;               // line 2 held the device type name only
    std::array<PositionFileRecord, kPositionFileRecords> records;
};

// What keeps a file from being read; the order is that of the catalogue's texts 741 to 747.
enum class PositionFileFault {
    None,
    NotPositionFile, // line 1 is not "VQ-E1","Position" (also an empty file): messages 362 and 363
    MissingLine,     // the file ends before line `line`
    BadQuoting,      // line `line` is not a list of fields
    FieldCount,      // line `line` has `fields` fields instead of `expected`
    BadNumber,       // `value` is not a whole number from `low` to `high`
    LongComment,     // the comment on line `line` is longer than kMaxCommentLength
    NotText,         // line `line` holds control characters
    BadType,         // line 2's type `value` is neither "NEW" nor "OLD"
    Unreadable,      // the file cannot be opened or read
};

struct PositionFileProblem {
    PositionFileFault fault = PositionFileFault::None;
    int line = 0;
    QString value;
    int fields = 0;
    int expected = 0;
    qint64 low = 0;
    qint64 high = 0;
    bool ok() const { return fault == PositionFileFault::None; }
};

struct PositionFileParse {
    PositionFileData data;
    PositionFileProblem problem;
    bool ok() const { return problem.ok(); }
};

// The bytes the program writes for `data`.
QByteArray positionFileBytes(const PositionFileData& data);

// Reads the bytes of a file; `japanese` chooses the code page of a file that is not UTF-8.
PositionFileParse parsePositionFile(const QByteArray& bytes, bool japanese);

// The text of a file: a byte-order mark decides, then UTF-8 when the bytes are valid UTF-8, else the
// code page of the run's language.
QString decodePositionFile(const QByteArray& bytes, bool japanese);

// The fields of one line: each either in double quotes (blanks around it allowed) or bare (trimmed).
// Nothing when a quote is not closed or something other than a comma follows a closing quote.
std::optional<QStringList> splitPositionFields(const QString& line);

// The message for a file that cannot be read (any fault but NotPositionFile): the file named with
// text 740, what is wrong, and text 363 "Opening file is canceled.".
QString positionFileProblemText(const Texts& texts, const QString& path, const PositionFileProblem& problem);

} // namespace zovi
