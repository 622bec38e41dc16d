#include "app/DiffTable.h"

#include <algorithm>

namespace zovi {

bool DiffTable::hasDifferences() const {
    return std::any_of(rows.begin(), rows.end(), [](const DiffRow& row) { return row.anyDiffers(); });
}

QString DiffTable::copyText() const {
    const QString tab = QStringLiteral("\t");
    const QString gap = QString(tab).repeated(std::max<qsizetype>(fields.size(), 1) - 1);
    QStringList lines;
    lines << tab + oursHeading + gap + tab + theirsHeading + gap + tab;
    lines << labelHeading + tab + fields.join(tab) + tab + fields.join(tab) + tab + unmatchedHeading;
    for (const DiffRow& row : rows) {
        QStringList unmatched;
        for (qsizetype i = 0; i < row.differs.size() && i < fields.size(); ++i)
            if (row.differs[i])
                unmatched << fields[i];
        lines << row.label + tab + row.ours.join(tab) + tab + row.theirs.join(tab) + tab +
                     unmatched.join(QStringLiteral(", "));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace zovi
