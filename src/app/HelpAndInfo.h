#pragma once

#include <QString>
#include <optional>

namespace zovi {

class AppContext;
class Desktop;

// The operator's manual beside the program: the Japanese page in a Japanese run when there is one.
QString helpFilePath(const AppContext& ctx, Desktop& desktop);

enum class HelpPage { Contents, Search };

// Help > Contents and Help > Search: opens the manual in the desktop's browser, at its beginning or
// at its index of keywords. Without a manual, message 491; when no browser can be started, our own
// message 716 with the platform's description of the failure. `title` is the main window's caption.
void showHelp(AppContext& ctx, Desktop& desktop, HelpPage page, const QString& title);

// The system-information tool: the registry's entry where there is a registry, otherwise a
// system-information program of the desktop found on the search path.
std::optional<QString> findSystemInfoTool(Desktop& desktop);

// The about box's button: starts the tool, or shows message 536.
void startSysInfo(AppContext& ctx, Desktop& desktop);

} // namespace zovi
