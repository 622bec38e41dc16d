#include "app/ListFile.h"

#include <QFile>

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

} // namespace zovi
