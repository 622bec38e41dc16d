#pragma once

#include <QString>
#include <QtGlobal>

namespace zovi {

class AppContext;

// The contents of the options dialog, filled from the run's state and applied by OK.
struct OptionsForm {
    QString portText;   // txtPortNo
    QString portDevice; // the serial device that "COM <portText>" means; empty = the platform default
    bool portOccupy = false;
    bool parametaShow = false;
    bool changeBk = false;        // chkChangeBk
    bool breakSetVisible = false; // lblBreakSet
    QString breakNoText;          // txtBreakNo
    bool currentDownEnabled = false;
    int currentDown = 0; // 0: optCurrentDown(0) "carried out", 1: optCurrentDown(1)
    int language = 1;    // 0: optLanguege(0) Japanese, 1: optLanguege(1) English
    bool dispPulsPosi = false;
    bool autoBackup = true; // chkAutoBackup
};

// The setting "AutoBackup": the controller's data are backed up before every write (on by default).
bool autoBackupEnabled(const AppContext& ctx);

// The setting "PortNo" when it is a port number from 1 to 9, else COM1.
qint16 storedPortNo(const AppContext& ctx);

// The serial device a port number stands for: the stored "PortDevice<n>", else the platform's name
// ("COMn" on Windows, /dev/ttyS<n-1> elsewhere).
QString platformPortName(int portNo);
QString portDeviceName(const AppContext& ctx, int portNo);
// Empty also when the stored name is not a printable name of reasonable length.
QString storedPortDevice(const AppContext& ctx, int portNo);

OptionsForm loadOptionsForm(AppContext& ctx);

// chkChangeBk clicked: unchecked disables both current-down options and selects the first.
void setChangeBk(OptionsForm& form, bool checked);

// Key filter of txtPortNo and txtBreakNo: one digit 0 to 3. `keyAscii` is the typed character code
// (13 Enter, 8 Backspace, 9 Tab). False means the key is swallowed.
bool optionDigitKeyAccepted(int currentLength, int keyAscii);

void applyOptionsOk(AppContext& ctx, const OptionsForm& form);

// The restart notice shown after OK when the other language was chosen; empty when none is due.
QString languageChangeNotice(const AppContext& ctx);

} // namespace zovi
