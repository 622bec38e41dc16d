#pragma once

#include "device/DeviceView.h"

#include <QString>
#include <QVariant>
#include <array>
#include <functional>

namespace zovi {

class AppContext;
class PositionGridModel;

// Cells of the two arrays behind the position grid, by column.
enum PositionField { PfVel = 1, PfAcc = 2, PfOut = 3, PfMm = 4, PfPulse = 5, PfComment = 6 };

// Rows 1 to 3 are positions 1 to 3; row 0 column 1 of the staging copy holds the device type name a
// file was written for. A cell holds a number or a text; an invalid variant is an empty cell.
using PositionArray = std::array<std::array<QVariant, 7>, 4>;

// The command whose guard checks run: they differ only in the messages they show.
enum class GuardFor { Save, Write, Verify, Print };

// The controller's three positions as the program holds them. The grid flgdData (PositionGridModel)
// holds what the operator typed; PosiDataArray is the working copy captured from it before every save,
// write and verification and shown back after a read; workPosDA is the staging copy that the file
// reader and the controller read fill. The checks guard every save and write: a table leaves the
// program only when all three positions are complete and within VEL 1-9, ACC 1-3 and the device's
// stroke. The data-changed flag is the run's OperationState::DataChangeFlag.
class PositionTable : public PositionMmColumn {
public:
    static constexpr int kPositions = 3;

    PositionTable(AppContext& ctx, PositionGridModel& grid);

    PositionGridModel& grid() { return grid_; }

    PositionArray PosiDataArray;
    PositionArray workPosDA;
    std::array<bool, 4> PosErrFlags{}; // index 1 to 3: incomplete or invalid
    qint16 EmptyPosCount = 0;
    QString EmptyPosList;
    bool BadPosFlag = false;
    QString BadPosList;

    // What the table came from, shown in lblFileName: "New Data", "Inside of C/T" or a file's name
    // without folder and extension.
    const QString& CurrentDataName() const { return currentDataName_; }
    // A name that is not a file's ("New Data", "Inside of C/T"): the data have no file.
    void setCurrentDataName(const QString& name);
    // The file the table was last opened from or saved to: its full path without the last 4 characters
    // (the extension), empty while the data have no file. The data name is its file name part.
    const QString& CurrentDataPath() const { return currentDataPath_; }
    void setCurrentDataFile(const QString& path);
    // Set by the main window: shows the data name in lblFileName.
    std::function<void(const QString&)> showDataName;
    // Set by the main window: makes row 0, column 0 the grid's current cell after a display.
    std::function<void()> resetCurrentCell;

    // 1 when a position lacks its VEL, ACC or mm text (the comment may be empty); flags it and lists
    // it in EmptyPosList as "< Position No.n>" and an empty line. Clears PosErrFlags first.
    int CheckEmptyPositions();
    // 1 when a position's VEL, ACC, mm or pulses lie outside their ranges; flags and lists it in
    // BadPosList. With showMessage 1 the list is shown in message 467.
    int CheckPositionValues(int showMessage);
    // Captures the grid into PosiDataArray for every position whose flag is clear (mm turned into
    // pulses). 1 when a VEL or ACC text is not a 16-bit number or the pulses do not fit 32 bits; the
    // array is then left as it was.
    int PosiDataTorikomi();
    // The checks in their fixed order with the messages of the command; 0 when the table may go on.
    // Verify runs only the empty and value checks (the verification captures the grid itself).
    int guardChecks(GuardFor purpose);

    // Writes the grid from PosiDataArray and clears the data-changed flag.
    void Disp_PosiData3();
    // All cells of PosiDataArray into workPosDA.
    void CopyPosiDataArray2workPosDA();
    // VEL, ACC, OUT, pulses and comment of positions 1 to 3 from workPosDA into PosiDataArray, and
    // the mm texts recomputed from the pulses.
    void takeWorkPosDA();
    // The mm text of every position that has pulses, from its pulses for the current device.
    void computeMmTexts();
    // Culc_MmPosi: the grid's mm cells (and pulse cells while shown) of positions with pulses, for the
    // current device and display; the rest of the grid stays as typed.
    void Culc_MmPosi();
    // Empties the pulse column of the grid.
    void Clear_mmPos();
    // Empties both arrays (New).
    void clearArrays();
    // Verification: VEL, ACC, OUT and pulses of all three positions in PosiDataArray against workPosDA,
    // each cell as the number its trimmed text reads. 1 when some position differs; each such position is
    // listed in VerifyResultList as "< Position No.n>" (n in hexadecimal) and an empty line.
    int PosiDataSyogoProc();
    QString VerifyResultList;

    // True when any VEL, ACC or mm cell of the grid holds text.
    bool hasData() const;

    // PositionMmColumn: the mm column follows a device change.
    QString pulseText(int position) const override;
    void setMmText(int position, const QString& text) override;

private:
    QString positionEntry(int position) const;
    QString cellText(int position, int field) const;

    AppContext& ctx_;
    PositionGridModel& grid_;
    QString currentDataName_;
    QString currentDataPath_;
};

} // namespace zovi
