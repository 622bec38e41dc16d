#include "app/Catalogue.h"

#include <QFile>
#include <QStringList>

namespace zovi {

bool Catalogue::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    entries_.clear();
    skippedLines_ = 0;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty())
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool ok = false;
        const int id = tab > 0 ? line.left(tab).toInt(&ok) : 0;
        if (!ok || id <= 0) {
            ++skippedLines_;
            continue;
        }
        entries_.insert(id, line.mid(tab + 1));
    }
    return true;
}

std::optional<QString> Catalogue::entry(int id) const {
    const auto it = entries_.constFind(id);
    if (it == entries_.constEnd())
        return std::nullopt;
    return *it;
}

QString Texts::joined(std::initializer_list<int> baseIds) const {
    QStringList parts;
    for (int id : baseIds)
        parts << (*this)(id);
    return parts.join(kParagraph);
}

} // namespace zovi
