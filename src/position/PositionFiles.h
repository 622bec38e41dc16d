#pragma once

#include "position/PositionFile.h"

#include <QString>
#include <functional>

namespace zovi {

class AppContext;
class DeviceCatalogue;
class DeviceView;
class PositionTable;

// The main window as the file commands see it.
class PositionFileView {
public:
    virtual ~PositionFileView() = default;
    // The model name shown in lblDeviceType: the device type name a saved file records.
    virtual QString deviceTypeName() const = 0;
    // The hourglass while a file is written.
    virtual void setWaitCursor(bool on) = 0;
    // The model name, device marks and unit line, which follow the device of an opened file.
    virtual DeviceView& deviceView() = 0;
};

// The position table's files and the commands on them: New, Open, Save, Save As, and the verification
// of the table against a file (also the choice of the verification's source).
//
// A save writes through a temporary file that replaces the named one only when every byte has been
// written: a failed save leaves the file as it was, tells the operator which file it could not write,
// and keeps the data-changed flag. A file that cannot be read leaves the table as it was. The data name
// keeps the full path of the file the table came from (CurrentDataPath), so a later Save writes the
// file in the folder it came from.
class PositionFiles {
public:
    PositionFiles(AppContext& ctx, PositionTable& table, PositionFileView& view);

    // What the last file read recorded: FileDevName, FileNewOld ("NEW"/"OLD") and the type caption
    // (text 148 "(New)" or 149 "(Old)").
    QString FileDevName;
    QString FileNewOld;
    QString FileTypeCaption;

    // Writes PosiDataArray, the comments of the grid, the model name and the type into `path`; the data
    // name becomes the file's and the data-changed flag is cleared. Its callers run the guard checks
    // first. 0, or 1 after telling the operator (a comment holding a double quote, a failed write).
    int SaveFileAs(const QString& path);
    // Reads `path` into workPosDA rows 1 to 3 (VEL, ACC, pulses, comment; row 0 column 1 the device type
    // name) and the file information. 0, or 1 after telling the operator; nothing changes then.
    int ReadPositionFile(const QString& path);

    // File > Save: the guard checks, then the file the data came from, or the save dialog when they have
    // none ("New Data", "Inside of C/T"). True when the file was written.
    bool save();
    // File > Save As: the guard checks, the save dialog, the file. True when the file was written.
    bool saveAs();
    // File > Open: the open dialog, then openFile.
    void open(DeviceCatalogue& catalogue);
    // Reads `path`, takes over the device it records and shows its positions. 0, or 1 when the file
    // could not be read or its device is not in the catalogue (the table on screen is then unchanged).
    int openFile(const QString& path, DeviceCatalogue& catalogue);
    // New: after asking to save changed data, an empty table named "New Data". When the operator
    // answers Yes but the data are not saved (dialog cancelled, save failed), the table stays.
    void newData();

    // Verification against a file: the grid captured, a file chosen and read, the comparison of VEL,
    // ACC and pulses, and the result. A file holds no OUT: the staging copy takes the table's OUT, so
    // that OUT never makes a file verification fail.
    void PosiDataFileShogo();
    // The verify button: the empty and value checks, then the source asked with `askSource` (0 cancel,
    // 1 file, 2 controller); the controller's verification runs with CtBusyFlag set. `releasePort`
    // ends the command whatever the choice.
    void verifyWithChoice(const std::function<int()>& askSource, const std::function<void()>& verifyCt,
                          const std::function<void()>& releasePort);

private:
    // The save dialog with the title of Save (523) or Save As (489); nothing when cancelled.
    std::optional<QString> askSavePath(int titleId);
    bool saveTo(const std::optional<QString>& path);
    bool hasNoFile() const;

    AppContext& ctx_;
    PositionTable& table_;
    PositionFileView& view_;
};

} // namespace zovi
