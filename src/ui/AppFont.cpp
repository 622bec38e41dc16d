#include "ui/AppFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

namespace zovi {

void applyApplicationFont() {
    const QStringList families = QFontDatabase::families();
    for (const char* name : {"Noto Sans CJK JP", "IPAGothic", "IPAPGothic"}) {
        const QString family = QString::fromLatin1(name);
        if (families.contains(family)) {
            QFont font(family, 9);
            QApplication::setFont(font);
            return;
        }
    }
    QFont font = QApplication::font();
    font.setPointSize(9);
    QApplication::setFont(font);
}

} // namespace zovi
