#include "app/HelpAndInfo.h"

#include "app/AppContext.h"
#include "app/Desktop.h"

#include <QUrl>

namespace zovi {

QString helpFilePath(const AppContext& ctx, Desktop& desktop) {
    if (ctx.japanese()) {
        const QString japanese = ctx.folder.file(QStringLiteral("help/index_ja.html"));
        if (desktop.fileExists(japanese))
            return japanese;
    }
    const QString english = ctx.folder.file(QStringLiteral("help/index.html"));
    return desktop.fileExists(english) ? english : QString();
}

void showHelp(AppContext& ctx, Desktop& desktop, HelpPage page, const QString& title) {
    const QString path = helpFilePath(ctx, desktop);
    if (path.isEmpty()) {
        ctx.op.message(ctx.msg(491), Buttons::Ok, Icon::Information, title);
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    if (page == HelpPage::Search)
        url.setFragment(QStringLiteral("index"));
    QString failure;
    if (desktop.openUrl(url, &failure))
        return;
    QString text = ctx.msg(716);
    if (!failure.isEmpty())
        text += kParagraph + failure;
    ctx.op.message(text, Buttons::Ok, Icon::Exclamation, title);
}

std::optional<QString> findSystemInfoTool(Desktop& desktop) {
    if (auto path = desktop.registryValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                                          QStringLiteral("PATH"));
        path && !path->isEmpty())
        return path;
    if (auto folder = desktop.registryValue(QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                                            QStringLiteral("MSINFO"))) {
        const QString path = *folder + QStringLiteral("\\MSINFO32.EXE");
        if (desktop.fileExists(path))
            return path;
    }
    // Desktops without a registry: their own system-information programs, best known first.
    for (const char* name : {"hardinfo", "kinfocenter", "gnome-system-monitor", "lshw-gtk"}) {
        if (auto path = desktop.findProgram(QString::fromLatin1(name)))
            return path;
    }
    return std::nullopt;
}

void startSysInfo(AppContext& ctx, Desktop& desktop) {
    const auto tool = findSystemInfoTool(desktop);
    if (!tool || !desktop.startProgram(*tool))
        ctx.op.message(ctx.msg(536));
}

} // namespace zovi
