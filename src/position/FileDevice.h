#pragma once

#include <QString>

namespace zovi {

class AppContext;
class DeviceCatalogue;

// The actuator a position data file was written for, as opening the file applies it to the program.
//
// The device type name is the model name the main window showed when the file was saved: series word,
// "-", the three-character size code (" 28", "E35"), speed letter, "-", the stroke in three digits and
// an optional mark ("VQ- 28L-050V"). Files of older versions write a two-digit size without the blank
// ("VQ-28L-100") and write the "E" sizes as a speed letter ("VQ-35E-100" is size "E35", speed "L").
struct FileDevice {
    // "0" VQ NEW, "1" VQ OLD, "2" JM; left as it was when the name does not begin with a series word.
    QString kind;
    // The file's type ("NEW"), cleared for a JM actuator.
    bool newType = false;
};

// Parses the device type name of a file of type `fileNewOld` ("NEW" or "OLD"). The series sets the
// kind and the V-type flag (NEW: set, JM: cleared); a name whose size, speed letter and stroke (1 to
// 699 mm) form a device of the catalogue makes them the pending device (PrevDevSize, PrevDevSpeed,
// PrevDevStroke), and a "V" among the three characters after the stroke sets the V-type flag (which
// an OLD or JM file otherwise clears). 0 on success; 1 after message 444 / 445 "Type not selected." /
// "Please select type.", the pending device unchanged.
int parseFileDeviceName(AppContext& ctx, DeviceCatalogue& catalogue, const QString& name,
                        const QString& fileNewOld, FileDevice& file);

// ReflectFileInfo2PcSettings: unless the name is empty, the current device becomes the file's type,
// the pending size, speed and stroke, vertical as the V-type flag, and the series of the kind; the
// limits follow.
void ReflectFileInfo2PcSettings(AppContext& ctx, const QString& fileDevName, const FileDevice& file);

} // namespace zovi
