#include "app/ListFile.h"

#include "app/Catalogue.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

namespace zovi {

QStringList splitListItems(const QString& text) {
    QStringList items;
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isBlank = [](QChar c) {
        return c == QLatin1Char(' ') || c == QLatin1Char('\t');
    };
    auto isLineEnd = [](QChar c) {
        return c == QLatin1Char('\r') || c == QLatin1Char('\n');
    };
    while (i < n) {
        while (i < n && (isBlank(text[i]) || isLineEnd(text[i])))
            ++i;
        if (i >= n)
            break;
        QString item;
        if (text[i] == QLatin1Char('"')) {
            const qsizetype close = text.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype end = close < 0 ? n : close;
            item = text.mid(i + 1, end - i - 1);
            i = close < 0 ? n : close + 1;
            while (i < n && isBlank(text[i]))
                ++i;
        } else {
            const qsizetype start = i;
            while (i < n && text[i] != QLatin1Char(',') && !isLineEnd(text[i]))
                ++i;
            item = text.mid(start, i - start).trimmed();
        }
        items << item;
        if (i < n && text[i] == QLatin1Char(','))
            ++i;
    }
    return items;
}

std::optional<QStringList> readListFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return splitListItems(QString::fromUtf8(file.readAll()));
}

std::optional<QStringList> listItems(const QString& path, ListProblem& problem) {
    problem.path = path;
    if (!QFileInfo::exists(path)) {
        problem.fault = ListFault::Missing;
        return std::nullopt;
    }
    auto items = readListFile(path);
    if (!items) {
        problem.fault = ListFault::Unreadable;
        return std::nullopt;
    }
    if (items->isEmpty()) {
        problem.fault = ListFault::Empty;
        return std::nullopt;
    }
    return items;
}

std::optional<int> recordCount(const QString& item, int limit, ListProblem& problem) {
    bool ok = false;
    const double count = item.toDouble(&ok);
    problem.limit = limit;
    if (!ok || !std::isfinite(count) || count != std::trunc(count) || count < 0) {
        problem.fault = ListFault::BadCount;
        return std::nullopt;
    }
    if (count > limit) {
        problem.fault = ListFault::TooManyRecords;
        return std::nullopt;
    }
    problem.announced = int(count);
    return int(count);
}

void markTruncated(ListProblem& problem, int found) {
    problem.fault = ListFault::Truncated;
    problem.found = found;
    problem.record = found + 1;
}

void markBadRecord(ListProblem& problem, int record) {
    problem.fault = ListFault::BadRecord;
    problem.found = record - 1;
    problem.record = record;
}

QString listProblemText(const Texts& texts, const ListProblem& problem) {
    if (problem.ok())
        return QString();
    // Texts 901 to 908 tell the faults in the order of ListFault.
    QString reason = texts(900 + int(problem.fault));
    if (problem.fault == ListFault::Truncated)
        reason = reason.arg(problem.announced).arg(problem.found);
    else if (problem.fault == ListFault::BadRecord)
        reason = reason.arg(problem.record);
    else if (problem.fault == ListFault::TooManyRecords)
        reason = reason.arg(problem.limit);
    return texts(900).arg(QDir::toNativeSeparators(problem.path)) + QLatin1Char(' ') + reason;
}

} // namespace zovi
