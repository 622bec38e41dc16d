#pragma once

#include "app/Operator.h"

#include <QMutex>
#include <QString>
#include <cstdio>

namespace zovi {
class Texts;
}

namespace zovi::cli {

// Standard error shared by the runs of several ports: each message goes out whole, its lines headed
// by the port it came from.
class ConsoleSink {
public:
    explicit ConsoleSink(std::FILE* out = stderr)
        : out_(out) {}
    void write(const QString& heading, const QString& text);

private:
    QMutex mutex_;
    std::FILE* out_;
};

// The operator of a run without windows: every message is printed; a question gets the negative
// answer (No, Cancel) unless the run was told --yes, then the affirmative one (Yes, OK), and the answer
// is printed with it. A file dialog is never shown: the file named on the command line answers it,
// and a save over an existing file asks first, as the save dialog does.
class ConsoleOperator : public Operator {
public:
    // `heading` heads each printed line (empty: none). The texts of the run's language come with
    // setTexts, before the first message.
    ConsoleOperator(ConsoleSink& sink, QString heading, bool yes);
    void setTexts(const Texts& texts) { texts_ = &texts; }

    // The path the next open and save dialogs answer with; none: they are cancelled.
    void setFileAnswer(const QString& path) { file_ = path; }

    Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void beep() override {}

    // The last message that was not a question, on one line.
    const QString& lastMessage() const { return last_; }
    // Whether a question was answered No or Cancel, and the last such question on one line.
    bool declined() const { return !declined_.isEmpty(); }
    const QString& declinedQuestion() const { return declined_; }

private:
    ConsoleSink& sink_;
    const Texts* texts_ = nullptr;
    QString heading_;
    bool yes_;
    QString file_;
    QString last_;
    QString declined_;
};

// A message on one line: the empty lines between its paragraphs dropped, its lines joined by " ".
QString oneLine(const QString& text);

} // namespace zovi::cli
