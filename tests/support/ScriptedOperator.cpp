#include "support/ScriptedOperator.h"

namespace zovi::test {

Answer ScriptedOperator::message(const QString& text, Buttons buttons, Icon icon, const QString& title) {
    messages.append({text, buttons, icon, title});
    if (!answers_.isEmpty())
        return answers_.dequeue();
    if (buttons == Buttons::YesNoDefaultNo)
        return Answer::No;
    return (buttons == Buttons::YesNo || buttons == Buttons::YesNoCancel) ? Answer::Yes : Answer::Ok;
}

std::optional<QString> ScriptedOperator::openFile(const FileDialogRequest& request) {
    openRequests.append(request);
    return files_.isEmpty() ? std::nullopt : files_.dequeue();
}

std::optional<QString> ScriptedOperator::saveFile(const FileDialogRequest& request) {
    saveRequests.append(request);
    return files_.isEmpty() ? std::nullopt : files_.dequeue();
}

} // namespace zovi::test
