#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace zovi::fuzz {

void ensureApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "zovi_fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

QString scratchFile(const QByteArray& bytes) {
    static const QString path =
        QDir::temp().filePath(QStringLiteral("zovi-fuzz-%1.dat").arg(QCoreApplication::applicationPid()));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("zovi_fuzz: cannot write the scratch file %s", qPrintable(path));
    return path;
}

QString programFolder() {
    return QCoreApplication::applicationDirPath();
}

const Catalogue& builtInCatalogue() {
    static const Catalogue catalogue = [] {
        Catalogue loaded;
        loaded.load(Catalogue::kBuiltIn);
        return loaded;
    }();
    return catalogue;
}

FuzzContext::FuzzContext(qint16 langNo)
    : ctx(settings, builtInCatalogue(), op, ProgramFolder(programFolder())) {
    ctx.setLanguage(langNo);
}

} // namespace zovi::fuzz
