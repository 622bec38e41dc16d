#include "device/DeviceListFile.h"

#include <cmath>
#include <limits>

namespace zovi {

namespace {

constexpr int kDeviceRecordItems = 5;
constexpr int kStdPrmRecordItems = 22;

std::optional<double> number(const QString& item) {
    bool ok = false;
    const double value = item.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// A whole number from `low` to `high`.
std::optional<int> wholeNumber(const QString& item, double low, double high) {
    const auto value = number(item);
    if (!value || *value != std::trunc(*value) || *value < low || *value > high)
        return std::nullopt;
    return static_cast<int>(*value);
}

std::optional<DeviceRecord> deviceRecord(const QStringList& items, qsizetype first) {
    const auto code = parseModelCode(items[first]);
    const auto lead = wholeNumber(items[first + 1], 1, std::numeric_limits<qint16>::max());
    const auto ppr = wholeNumber(items[first + 2], 1, std::numeric_limits<qint16>::max());
    const auto spare = number(items[first + 3]);
    const auto category =
        wholeNumber(items[first + 4], std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max());
    if (!code || !lead || !ppr || !spare || !category)
        return std::nullopt;
    DeviceRecord record;
    record.code = items[first];
    record.size = code->size;
    record.speed = code->speed;
    record.stroke = code->stroke;
    record.lead = static_cast<qint16>(*lead);
    record.spare = *spare;
    record.category = *category;
    record.ppr = static_cast<qint16>(*ppr);
    return record;
}

// SizeList: the distinct sizes in order of first appearance; false on a seventh.
bool collectSizes(DeviceList& list) {
    for (const DeviceRecord& row : std::as_const(list.rows)) {
        if (list.sizes.contains(row.size))
            continue;
        if (list.sizes.size() == kMaxListSizes)
            return false;
        list.sizes << row.size;
    }
    return true;
}

std::optional<StdPrmRow> stdPrmRow(const QStringList& items, qsizetype first, int kind, bool vertical) {
    const auto code = parseModelCode(items[first]);
    if (!code)
        return std::nullopt;
    std::array<double, kStdPrmRecordItems> values{};
    for (int i = 1; i < kStdPrmRecordItems; ++i) {
        const auto value = number(items[first + i]);
        if (!value)
            return std::nullopt;
        values[i] = *value;
    }
    StdPrmRow row;
    row.slot[22] = items[first];
    for (int parameter = 1; parameter <= 17; ++parameter)
        row.slot[parameter] = values[parameter];
    row.slot[21] = kind;
    row.slot[18] = kind == 2 ? 0 : (vertical ? 1 : 0);
    row.slot[19] = values[18];
    row.slot[20] = values[19];
    row.slot[25] = code->size;
    row.slot[26] = code->speed;
    row.slot[27] = code->stroke;
    row.slot[23] = values[20];
    row.slot[24] = values[21];
    return row;
}

} // namespace

std::optional<ModelCode> parseModelCode(const QString& code) {
    if (code.size() != 8 || code[4] != QLatin1Char('-'))
        return std::nullopt;
    const QChar speed = code[3];
    if (speed < QLatin1Char('A') || speed > QLatin1Char('Z'))
        return std::nullopt;
    int stroke = 0;
    for (int i = 5; i < 8; ++i) {
        if (code[i] < QLatin1Char('0') || code[i] > QLatin1Char('9'))
            return std::nullopt;
        stroke = stroke * 10 + (code[i].unicode() - '0');
    }
    return ModelCode{code.left(3), QString(speed), stroke};
}

const DeviceRecord* DeviceList::find(const QString& size, const QString& speed, int stroke) const {
    for (const DeviceRecord& row : rows) {
        if (row.matches(size, speed, stroke))
            return &row;
    }
    return nullptr;
}

DeviceList readDeviceList(const QString& path) {
    DeviceList list;
    ListProblem& problem = list.problem;
    const auto items = listItems(path, problem);
    if (!items)
        return list;
    const auto count = recordCount(items->constFirst(), kMaxListRecords, problem);
    if (!count)
        return list;
    for (int record = 1; record <= *count; ++record) {
        const qsizetype first = 1 + qsizetype(record - 1) * kDeviceRecordItems;
        if (first + kDeviceRecordItems > items->size()) {
            markTruncated(problem, record - 1);
            break;
        }
        const auto row = deviceRecord(*items, first);
        if (!row) {
            markBadRecord(problem, record);
            break;
        }
        list.rows << *row;
    }
    if (!collectSizes(list) && problem.ok())
        problem.fault = ListFault::TooManySizes;
    if (problem.ok())
        problem.found = int(list.rows.size());
    return list;
}

bool StdPrmRow::matches(const QString& size, const QString& speed, int stroke) const {
    return slot[25].toString() == size && slot[26].toString() == speed && slot[27].toInt() == stroke;
}

StdPrmList readStdPrmList(const QString& path, int kind, bool vertical) {
    StdPrmList list;
    ListProblem& problem = list.problem;
    const auto items = listItems(path, problem);
    if (!items)
        return list;
    const auto count = recordCount(items->constFirst(), kMaxListRecords, problem);
    if (!count)
        return list;
    if (items->size() < 2) {
        markTruncated(problem, 0);
        return list;
    }
    list.header = items->at(1);
    for (int record = 1; record <= *count; ++record) {
        const qsizetype first = 2 + qsizetype(record - 1) * kStdPrmRecordItems;
        if (first + kStdPrmRecordItems > items->size()) {
            markTruncated(problem, record - 1);
            break;
        }
        const auto row = stdPrmRow(*items, first, kind, vertical);
        if (!row) {
            markBadRecord(problem, record);
            break;
        }
        list.rows << *row;
    }
    if (problem.ok())
        problem.found = int(list.rows.size());
    return list;
}

QString deviceListFileName(const QString& series, bool isNewType) {
    if (series != QLatin1String("VQ"))
        return QStringLiteral("jmdevice.lst");
    return isNewType ? QStringLiteral("nvqdevice.lst") : QStringLiteral("vqdevice.lst");
}

QString stdPrmFileName(const QString& series, bool isNewType) {
    if (series != QLatin1String("VQ"))
        return QStringLiteral("jmstdprm.lst");
    return isNewType ? QStringLiteral("nvqstdprm.lst") : QStringLiteral("vqstdprm.lst");
}

} // namespace zovi
