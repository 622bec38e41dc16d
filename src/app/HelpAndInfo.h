#pragma once

#include <QString>
#include <optional>

namespace zovi {

class AppContext;
class Desktop;

// The operator's manual beside the program: the Japanese page in a Japanese run when there is one.
QString helpFilePath(const AppContext& ctx, Desktop& desktop);

// Help > Contents: opens the manual in the desktop's browser; message 491 when it cannot.
// `title` is the main window's caption.
void showHelpContents(AppContext& ctx, Desktop& desktop, const QString& title);

// The system-information tool: the registry's entry where there is a registry, otherwise a
// system-information program of the desktop found on the search path.
std::optional<QString> findSystemInfoTool(Desktop& desktop);

// The about box's button: starts the tool, or shows message 536.
void startSysInfo(AppContext& ctx, Desktop& desktop);

} // namespace zovi
