#include "operation/AlarmList.h"

namespace zovi {

bool AlarmList::load(const QString& path) {
    records_.clear();
    problem_ = ListProblem{};
    const auto items = listItems(path, problem_);
    if (!items)
        return false;
    const auto count = recordCount(items->at(0), kMaxRecords, problem_);
    if (!count)
        return false;
    for (int i = 0; i < *count; ++i) {
        const qsizetype at = 1 + 2 * qsizetype(i);
        if (at + 1 >= items->size()) {
            markTruncated(problem_, i);
            return false;
        }
        records_.append({items->at(at), items->at(at + 1)});
    }
    problem_.found = *count;
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
