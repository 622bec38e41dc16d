#pragma once

#include "app/Catalogue.h"
#include "app/Operator.h"

#include <QString>

namespace zovi::cli {

// The command line's own catalogue texts (base ids; the English text is id + 10000).
enum CliText {
    kHelpText = 800,        // the whole help, lines separated by "\n"
    kUsageError = 801,      // "zovictl: %1" and where to find help
    kUnknownWord = 802,     // a verb or option that does not exist
    kBadArgument = 803,     // a verb or option without its argument, or with a wrong one
    kReplaceQuestion = 804, // the save dialog's question before replacing a file
    kAnswerLine = 805,      // "Answer: %1" printed under a question
    kAnswerWords = 806,     // "Yes|No|OK|Cancel"
    kResultWords = 807,     // "done|failed|refused|differences found"
    kDeviceLine = 808,      // the controller's actuator
    kFolderFailed = 809,    // a backup folder that cannot be made
    kLogFailed = 811,       // the communication log's file that cannot be written (the log window's)
};

// The text of a catalogue entry whose lines are written "\n".
inline QString multiLine(const Texts& texts, int id) {
    return texts(id).replace(QStringLiteral("\\n"), QStringLiteral("\n"));
}

// Item `index` of a "|"-separated catalogue entry.
inline QString item(const Texts& texts, int id, int index) {
    return texts(id).section(QLatin1Char('|'), index, index);
}

inline QString answerWord(const Texts& texts, Answer answer) {
    switch (answer) {
    case Answer::Yes:
        return item(texts, kAnswerWords, 0);
    case Answer::No:
        return item(texts, kAnswerWords, 1);
    case Answer::Ok:
        return item(texts, kAnswerWords, 2);
    case Answer::Cancel:
        return item(texts, kAnswerWords, 3);
    }
    return {};
}

} // namespace zovi::cli
