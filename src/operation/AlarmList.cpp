#include "operation/AlarmList.h"

#include "app/ListFile.h"

namespace zovi {

bool AlarmList::load(const QString& path) {
    records_.clear();
    const auto items = readListFile(path);
    if (!items || items->isEmpty())
        return false;
    bool ok = false;
    const int count = items->at(0).toInt(&ok);
    if (!ok || count < 0 || count > kMaxRecords)
        return false;
    for (int i = 0; i < count; ++i) {
        const qsizetype at = 1 + 2 * qsizetype(i);
        if (at + 1 >= items->size())
            return false;
        records_.append({items->at(at), items->at(at + 1)});
    }
    return true;
}

std::optional<QString> AlarmList::find(int codeValue) const {
    for (const Record& record : records_) {
        bool ok = false;
        const int value = record.code.toInt(&ok, 16);
        if (ok && value == codeValue)
            return record.text;
    }
    return std::nullopt;
}

} // namespace zovi
