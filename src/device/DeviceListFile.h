#pragma once

#include "app/ListFile.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <optional>

namespace zovi {

// The two kinds of list file that describe the known actuators, one of each per series and type, in
// the program's data folder:
//   device list "nvqdevice.lst" (VQ NEW), "vqdevice.lst" (VQ OLD), "jmdevice.lst" (JM):
//     N, then N records of: "model code", lead, pulses per revolution, a spare number, category
//   standard parameter list "nvqstdprm.lst", "vqstdprm.lst", "jmstdprm.lst":
//     N, a header item, then N records of: "model code", parameters 1 to 17, lead, pulses per
//     revolution, emergency-stop input, emergency-stop logic
// Items are read in turn whatever the line structure (app/ListFile). A model code is 8 characters:
// size (3, e.g. " 28" or "42D"), speed letter, "-", stroke in mm as 3 digits (" 28L-100").

inline constexpr int kMaxListRecords = 99;
inline constexpr int kMaxListSizes = 6;

// A model code split into its parts.
struct ModelCode {
    QString size;
    QString speed;
    int stroke = 0;
};
// Nothing when the code is not 8 characters of size, letter, "-" and three digits.
std::optional<ModelCode> parseModelCode(const QString& code);

// One row of the device table: the columns 0 code, 1 size, 2 speed, 3 stroke, 4 lead, 5 the spare
// number, 6 category, 7 PPR.
struct DeviceRecord {
    QString code;
    QString size;
    QString speed;
    int stroke = 0;
    qint16 lead = 0;
    double spare = 0.0;
    int category = 0;
    qint16 ppr = 0;
    bool matches(const QString& s, const QString& sp, int st) const {
        return size == s && speed == sp && stroke == st;
    }
};

// A device list in memory: DeviceTable with DeviceCount rows, and SizeList (the distinct sizes in order
// of first appearance, at most six). After a fault the rows read before it are kept.
struct DeviceList {
    QList<DeviceRecord> rows;
    QStringList sizes;
    ListProblem problem;
    bool ok() const { return problem.ok(); }
    const DeviceRecord* find(const QString& size, const QString& speed, int stroke) const;
};

DeviceList readDeviceList(const QString& path);

// One row of the standard parameter table in the slot layout of the parameter staging table: slots 1 to
// 17 the parameters, 18 the vertical flag, 19 lead, 20 PPR, 21 the device kind, 22 the model code, 23
// and 24 the emergency-stop input and logic, 25 size, 26 speed, 27 stroke.
struct StdPrmRow {
    std::array<QVariant, 28> slot;
    bool matches(const QString& size, const QString& speed, int stroke) const;
};

struct StdPrmList {
    QVariant header;
    QList<StdPrmRow> rows;
    ListProblem problem;
    bool ok() const { return problem.ok(); }
};

// `kind` (0 VQ NEW, 1 VQ OLD, 2 JM) and `vertical` fill the derived slots 21 and 18.
StdPrmList readStdPrmList(const QString& path, int kind, bool vertical);

// The file names chosen by series word and type: a series other than "VQ" is the JM list.
QString deviceListFileName(const QString& series, bool isNewType);
QString stdPrmFileName(const QString& series, bool isNewType);

} // namespace zovi
