#pragma once

#include <QString>

namespace zovi {

// The folder that holds the program's data files: the program's own folder, or, for an
// installed copy, the shared data folder beside its bin folder.
class ProgramFolder {
public:
    ProgramFolder(); // beside this program
    explicit ProgramFolder(const QString& folder)
        : folder_(folder) {}
    // The data folder of a program that lies in `programDir`.
    static QString locate(const QString& programDir);
    const QString& path() const { return folder_; }
    QString file(const QString& name) const;

private:
    QString folder_;
};

} // namespace zovi
