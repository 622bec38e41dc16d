#pragma once

#include "device/DeviceListFile.h"

namespace zovi {

class AppContext;

// The device catalogue of a run: the loaded device list (DeviceTable, SizeList) and standard parameter
// list (StdPrmTable), their missing flags, the look-ups the rest of the program makes, and the working
// choice of the device dialogs. Whoever composes the run owns one and hands it to the device
// determination, the main window and the parameter window.
//
// Every look-up that reads a file re-reads it; only the two tables are kept. A device list that cannot
// be read is told to the operator as "No device list file." with the hint where to put it, followed by
// the file's path and what is wrong with it; a standard parameter list likewise after message 532.
class DeviceCatalogue {
public:
    explicit DeviceCatalogue(AppContext& ctx)
        : ctx_(ctx) {}

    // Working values of the device dialogs and the parameter window.
    QString WorkSeriesText = QStringLiteral("VQ");
    bool DlgNewType = true;
    // Set by the lead and PPR seek when the chosen device is not in the table (the main window's flag).
    bool DeviceNotFoundFlag = false;
    bool DevListMissingFlag = false;
    bool StdPrmMissingFlag = false;

    // The loaded device list and standard parameter list.
    const DeviceList& deviceTable() const { return table_; }
    const StdPrmList& stdPrmTable() const { return stdPrm_; }

    // Loads the device list of SeriesText: mode 0 with the type of the current device (IsNewType),
    // mode 1 with the dialog's type (DlgNewType). 0, or 1 after the message (DevListMissingFlag set).
    int loadDeviceList(int mode);

    // DevLead and DevPPR of the first row matching PrevDevSize, PrevDevSpeed and PrevDevStroke; when
    // none matches DeviceNotFoundFlag is set and message 575 is shown.
    void seekLeadAndPpr();

    // The file look-ups; `series` is "VQ" or another word for JM.
    // The lead of the first matching record, 0 when none matches or the file cannot be read (message).
    qint16 lookupLead(const QString& series, bool isNewType, const QString& size, const QString& speed,
                      int stroke);
    // 0 when the list can be read, 1 after the message.
    int checkListReadable(const QString& series, bool isNewType);
    // 0 when a record matches, 1 when none does or the list cannot be read.
    int devicePresent(const QString& series, bool isNewType, const QString& size, const QString& speed,
                      int stroke);
    int sizePresent(const QString& series, bool isNewType, const QString& size);
    // Item 5 of the first matching record, 0 when none matches.
    int modelCategory(const QString& series, bool isNewType, const QString& size, const QString& speed,
                      int stroke);

    // Loads the standard parameter list of WorkSeriesText and DlgNewType; `vTypeChoice` is the parameter
    // window's vertical choice. 0, or 1 with StdPrmMissingFlag set (the caller tells the operator).
    int loadStdPrmList(bool vTypeChoice);
    // Message 532 with the path and the fault of the standard parameter list last loaded.
    void tellStdPrmUnreadable() { tellStdPrmUnreadable(stdPrm_.problem); }
    // The start-up check of the current device's standard parameter list: 0 when it can be read, 1
    // after the message. The loaded table is left as it was.
    int checkStdPrmReadable(const QString& series, bool isNewType);

    QString deviceListPath(const QString& series, bool isNewType) const;
    QString stdPrmPath(const QString& series, bool isNewType) const;

private:
    // Reads a device list for a look-up; tells the operator when `tell` and the file is unusable.
    DeviceList readForLookup(const QString& series, bool isNewType, bool tell);
    void tellUnreadable(const ListProblem& problem);
    void tellStdPrmUnreadable(const ListProblem& problem);

    AppContext& ctx_;
    DeviceList table_;
    StdPrmList stdPrm_;
};

} // namespace zovi
