#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace zovi {

// The items of a comma-separated list file, read in turn without regard to line structure: items
// are separated by commas or line ends; an item in double quotes keeps its commas and blanks, an
// unquoted one loses its surrounding blanks. The file is read whole as UTF-8; nothing when it
// cannot be read.
std::optional<QStringList> readListFile(const QString& path);
QStringList splitListItems(const QString& text);

} // namespace zovi
