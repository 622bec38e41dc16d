#pragma once

#include <QString>
#include <optional>

namespace zovi {

struct DiffTable;
class Texts;

// YesNoDefaultNo: a question whose safe answer is No; Enter and Escape answer No.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo };
enum class Icon { None, Question, Exclamation, Information };
enum class Answer { Ok, Cancel, Yes, No };

// What an open or save dialog is asked for. The filter uses the catalogue's form
// "Description(*.ext)|*.ext|All Files(*.*)|*.*".
struct FileDialogRequest {
    QString title;
    QString filter;
    QString defaultExtension;
    QString initialName;
    bool mustExist = false;
    bool overwritePrompt = false;
};

// Everything the program asks of the person at the screen. The windows answer with real
// dialogs; tests answer from a script and record what was shown.
class Operator {
public:
    virtual ~Operator() = default;
    // An empty title means the program's own title.
    virtual Answer message(const QString& text, Buttons buttons = Buttons::Ok, Icon icon = Icon::None,
                           const QString& title = {}) = 0;
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    virtual void beep() = 0;
    // A verification that found a difference shows both sides after its result message; `texts` are the
    // run's. Nothing is shown where there is no screen.
    virtual void showDifferences(const DiffTable& table, const Texts& texts) {
        Q_UNUSED(table);
        Q_UNUSED(texts);
    }
};

} // namespace zovi
