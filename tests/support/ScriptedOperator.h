#pragma once

#include "app/DiffTable.h"
#include "app/Operator.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

namespace zovi::test {

// Answers message boxes and file dialogs from queues and records everything shown.
// A message with no scripted answer gets the default button's answer (OK or Yes; No for
// YesNoDefaultNo); a file dialog with no scripted answer is cancelled.
class ScriptedOperator : public Operator {
public:
    struct Shown {
        QString text;
        Buttons buttons;
        Icon icon;
        QString title;
    };

    void answer(Answer a) { answers_.enqueue(a); }
    void chooseFile(std::optional<QString> path) { files_.enqueue(std::move(path)); }

    Answer message(const QString& text, Buttons buttons, Icon icon, const QString& title) override;
    std::optional<QString> openFile(const FileDialogRequest& request) override;
    std::optional<QString> saveFile(const FileDialogRequest& request) override;
    void beep() override { ++beeps; }
    void showDifferences(const DiffTable& table, const Texts&) override { differences << table; }

    QList<Shown> messages;
    QList<FileDialogRequest> openRequests;
    QList<FileDialogRequest> saveRequests;
    int beeps = 0;
    QList<DiffTable> differences; // the verifications' difference tables, in order

    QString lastText() const { return messages.isEmpty() ? QString() : messages.constLast().text; }
    QStringList texts() const {
        QStringList shown;
        for (const Shown& message : messages)
            shown << message.text;
        return shown;
    }

private:
    QQueue<Answer> answers_;
    QQueue<std::optional<QString>> files_;
};

} // namespace zovi::test
