// Help > Contents and Search, the system-information tool, and where the data folder is.
#include "app/HelpAndInfo.h"
#include "support/FakeDesktop.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::FakeDesktop;
using zovi::test::TestContext;

namespace {

const QString kTitle = u"ZO-VI Ver1.20E"_s;
const QString kInfoKey = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH"_s;
const QString kLocationKey = u"SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO"_s;

bool writeFile(const QString& path, const QByteArray& contents = {}) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void manualOpensInTheBrowser() {
        // Language, whether the Japanese page is there, the page asked for -> the page opened.
        const std::tuple<qint16, bool, HelpPage, const char*> rows[] = {
            {2, true, HelpPage::Contents, "help/index.html"},
            {2, true, HelpPage::Search, "help/index.html#index"},
            {1, true, HelpPage::Search, "help/index_ja.html#index"},
            {1, false, HelpPage::Contents, "help/index.html"}};
        for (const auto& [langNo, japanesePage, page, expected] : rows) {
            TestContext t(langNo);
            FakeDesktop desktop;
            desktop.files << t.folder.file(u"help/index.html"_s);
            if (japanesePage)
                desktop.files << t.folder.file(u"help/index_ja.html"_s);
            showHelp(t.ctx, desktop, page, kTitle);
            const QString path = QString::fromLatin1(expected).section(u'#', 0, 0);
            QUrl url = QUrl::fromLocalFile(t.folder.file(path));
            url.setFragment(QString::fromLatin1(expected).section(u'#', 1), QUrl::TolerantMode);
            QCOMPARE(desktop.opened, QList<QUrl>{url});
            QVERIFY(t.op.messages.isEmpty());
            QVERIFY2(QFile::exists(t.folder.file(path)), "the build copies the manual beside the program");
        }
    }

    void manualThatCannotBeShown() {
        const QString noBrowser =
            u"The operator's manual cannot be shown: no web browser could be started."_s;
        const QString reason = u"xdg-open: no method available for opening 'index.html'"_s;
        // Language, whether the manual is there, the platform's words -> the message and its icon.
        const std::tuple<qint16, bool, QString, QString, Icon> rows[] = {
            {2,
             false,
             {},
             u"Can not indicate Help file.No Help files related to this project."_s,
             Icon::Information},
            {2, true, reason, noBrowser + u"\r\n\r\n"_s + reason, Icon::Exclamation},
            {2, true, {}, noBrowser, Icon::Exclamation},
            {1, true, {}, u"ﾌﾞﾗｳｻﾞを起動できないため、操作説明書を表示できません。"_s, Icon::Exclamation}};
        for (const auto& [langNo, present, failure, expected, icon] : rows) {
            TestContext t(langNo);
            FakeDesktop desktop;
            desktop.browserWorks = false;
            desktop.browserFailure = failure;
            if (present)
                desktop.files << t.folder.file(u"help/index.html"_s);
            for (HelpPage page : {HelpPage::Contents, HelpPage::Search})
                showHelp(t.ctx, desktop, page, kTitle);
            QCOMPARE(t.op.messages.size(), 2);
            for (const auto& shown : t.op.messages) {
                QCOMPARE(shown.text, expected);
                QVERIFY(shown.icon == icon && shown.title == kTitle);
            }
        }
    }

    // The desktop's opener (xdg-open) says why it could not show the page; a working one shows it.
    void openerThatFindsNoBrowserGivesItsReason() {
#ifndef Q_OS_LINUX
        QSKIP("xdg-open is the opener of Linux desktops");
#endif
        QTemporaryDir bin;
        const QString opener = bin.filePath(u"xdg-open"_s);
        QVERIFY(writeFile(
            opener, "#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n"));
        QVERIFY(QFile::setPermissions(opener, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        const QByteArray searchPath = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        SystemDesktop desktop;
        QString failure;
        const bool openedWithout = desktop.openUrl(QUrl(u"file:///manual.html"_s), &failure);
        QVERIFY(writeFile(opener, "#!/bin/sh\nexit 0\n"));
        const bool openedWith = desktop.openUrl(QUrl(u"file:///manual.html"_s), nullptr);
        qputenv("PATH", searchPath);
        QVERIFY(!openedWithout);
        QCOMPARE(failure, u"xdg-open: no method available for opening 'file:///manual.html'"_s);
        QVERIFY(openedWith);
    }

    // The registry's path, else its folder with the tool in it, else a desktop program; else, or when the
    // tool does not start, message 536.
    void systemInfoTool() {
        // Registry path, registry folder, whether the tool is in that folder, desktop program, whether it
        // starts -> the program tried.
        const std::tuple<const char*, const char*, bool, const char*, bool, const char*> rows[] = {
            {"C:\\tools\\info.exe", "C:\\other", true, "hardinfo", true, "C:\\tools\\info.exe"},
            {nullptr, "C:\\shared", true, "hardinfo", true, "C:\\shared\\MSINFO32.EXE"},
            {nullptr, "C:\\shared", false, "kinfocenter", true, "/usr/bin/kinfocenter"},
            {nullptr, nullptr, false, "gnome-system-monitor", true, "/usr/bin/gnome-system-monitor"},
            {nullptr, nullptr, false, "hardinfo", false, "/usr/bin/hardinfo"},
            {nullptr, nullptr, false, nullptr, true, nullptr}};
        for (const auto& [path, location, locationFileExists, program, starts, expected] : rows) {
            TestContext t(1);
            FakeDesktop desktop;
            if (path)
                desktop.registry.insert(kInfoKey, QString::fromLatin1(path));
            if (location)
                desktop.registry.insert(kLocationKey, QString::fromLatin1(location));
            if (locationFileExists)
                desktop.files << QString::fromLatin1(location) + u"\\MSINFO32.EXE"_s;
            if (program)
                desktop.programs << QString::fromLatin1(program);
            desktop.startWorks = starts;
            startSysInfo(t.ctx, desktop);
            QCOMPARE(desktop.started.value(0), QString::fromLatin1(expected));
            QCOMPARE(t.op.lastText(), expected && starts ? QString() : t.catalogue.entry(536).value());
        }
    }

    void dataFolderOfBuiltAndInstalledCopies() {
        QTemporaryDir root;
        QDir dir(root.path());
        for (const QString& folder :
             {u"build/bin/help"_s, u"prefix/bin"_s, u"prefix/share/zovi/help"_s, u"bare/bin"_s})
            QVERIFY(dir.mkpath(folder));
        QVERIFY(writeFile(dir.filePath(u"build/bin/help/index.html"_s)));
        QVERIFY(writeFile(dir.filePath(u"prefix/share/zovi/help/index.html"_s)));
        QCOMPARE(ProgramFolder::locate(dir.filePath(u"build/bin"_s)), dir.filePath(u"build/bin"_s));
        QCOMPARE(ProgramFolder::locate(dir.filePath(u"prefix/bin"_s)), dir.filePath(u"prefix/share/zovi"_s));
        QCOMPARE(ProgramFolder::locate(dir.filePath(u"bare/bin"_s)), dir.filePath(u"bare/bin"_s));
    }
};

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
