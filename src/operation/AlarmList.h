#pragma once

#include "app/ListFile.h"

#include <QList>
#include <QString>
#include <optional>

namespace zovi {

// The alarm explanations of "error.lst": a count N (0 to 40), then N pairs of code (hexadecimal
// digits) and text. Japanese texts are filed under the alarm number, English ones under the alarm
// number plus 100 (decimal).
class AlarmList {
public:
    static constexpr int kMaxRecords = 40;

    struct Record {
        QString code;
        QString text;
    };

    // False when the file is missing or malformed; the records read before the fault stay.
    bool load(const QString& path);
    const QList<Record>& records() const { return records_; }
    // Why the last load failed, with the file's path.
    const ListProblem& problem() const { return problem_; }
    // The text of the first record whose code has this value.
    std::optional<QString> find(int codeValue) const;

private:
    QList<Record> records_;
    ListProblem problem_;
};

} // namespace zovi
