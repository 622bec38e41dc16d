#pragma once

namespace zovi {

// Qt's own texts (the standard buttons of message boxes and dialogs, the file dialogs) in the run's
// language: a Japanese run loads Qt's Japanese translations, an English run keeps Qt's built-in
// English. False when the Japanese translations are not installed.
bool installQtTranslations(bool japanese);

} // namespace zovi
