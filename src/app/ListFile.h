#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zovi {

class Texts;

// The items of a comma-separated list file, read in turn without regard to line structure: items
// are separated by commas or line ends; an item in double quotes keeps its commas and blanks, an
// unquoted one loses its surrounding blanks. The file is read whole as UTF-8; nothing when it
// cannot be read.
std::optional<QStringList> readListFile(const QString& path);
QStringList splitListItems(const QString& text);

// The order is that of the catalogue's texts 901 to 908, which tell the operator what is wrong.
enum class ListFault {
    None,
    Missing,        // no such file
    Unreadable,     // present but cannot be opened or read
    Empty,          // no items at all
    BadCount,       // the record count is not a whole number from 0
    TooManyRecords, // more records than the list may hold
    Truncated,      // fewer records than the count announces
    BadRecord,      // a record whose items are not of the expected form
    TooManySizes,   // a seventh distinct size in a device list
};

// What went wrong while reading a list; `record` is the 1-based record concerned, `found` the number of
// complete records read, `limit` the most records the list may hold.
struct ListProblem {
    ListFault fault = ListFault::None;
    QString path;
    int record = 0;
    int announced = 0;
    int found = 0;
    int limit = 0;
    bool ok() const { return fault == ListFault::None; }
};

// The items of the list file at `path`, or nothing with the fault (missing, unreadable, empty) set.
std::optional<QStringList> listItems(const QString& path, ListProblem& problem);
// The record count at the head of a list, from 0 to `limit`; nothing with the fault set otherwise.
std::optional<int> recordCount(const QString& item, int limit, ListProblem& problem);
// `found` complete records were read before the items ran out.
void markTruncated(ListProblem& problem, int found);
void markBadRecord(ListProblem& problem, int record);

// The text that names the file and tells the operator what is wrong with it (empty when nothing is).
QString listProblemText(const Texts& texts, const ListProblem& problem);

} // namespace zovi
