// Help > Contents and Search, the system-information tool, and where the data folder is.
#include "app/HelpAndInfo.h"
#include "support/FakeDesktop.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

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
    void manualOpensInTheBrowser_data();
    void manualOpensInTheBrowser();
    void manualThatCannotBeShown_data();
    void manualThatCannotBeShown();
    void openerThatFindsNoBrowserGivesItsReason();
    void systemInfoToolIsFound_data();
    void systemInfoToolIsFound();
    void noSystemInfoToolGivesMessage536();
    void dataFolderOfBuiltAndInstalledCopies();
};

void TestHelp::manualOpensInTheBrowser_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<bool>("japanesePage");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("fragment");
    const int contents = int(HelpPage::Contents), search = int(HelpPage::Search);
    QTest::newRow("English") << 2 << true << contents << u"help/index.html"_s << QString();
    QTest::newRow("English search") << 2 << true << search << u"help/index.html"_s << u"index"_s;
    QTest::newRow("Japanese search") << 1 << true << search << u"help/index_ja.html"_s << u"index"_s;
    QTest::newRow("Japanese without its page") << 1 << false << contents << u"help/index.html"_s << QString();
}

void TestHelp::manualOpensInTheBrowser() {
    QFETCH(int, langNo);
    QFETCH(bool, japanesePage);
    QFETCH(int, page);
    QFETCH(QString, expected);
    QFETCH(QString, fragment);
    TestContext t(static_cast<qint16>(langNo));
    FakeDesktop desktop;
    desktop.files << t.folder.file(u"help/index.html"_s);
    if (japanesePage)
        desktop.files << t.folder.file(u"help/index_ja.html"_s);
    showHelp(t.ctx, desktop, HelpPage(page), kTitle);
    QUrl url = QUrl::fromLocalFile(t.folder.file(expected));
    url.setFragment(fragment.isEmpty() ? QString() : fragment);
    QCOMPARE(desktop.opened, QList<QUrl>{url});
    QVERIFY(t.op.messages.isEmpty());
    // The manual really lies beside the program, as the build copies it.
    QVERIFY(QFile::exists(t.folder.file(expected)));
}

void TestHelp::manualThatCannotBeShown_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<bool>("present");
    QTest::addColumn<QString>("failure"); // the platform's words
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("icon");
    const QString noBrowser = u"The operator's manual cannot be shown: no web browser could be started."_s;
    const QString reason = u"xdg-open: no method available for opening 'index.html'"_s;
    QTest::newRow("no manual") << 2 << false << QString()
                               << u"Can not indicate Help file.No Help files related to this project."_s
                               << int(Icon::Information);
    QTest::newRow("no browser") << 2 << true << reason << noBrowser + u"\r\n\r\n"_s + reason
                                << int(Icon::Exclamation);
    QTest::newRow("no browser, no reason") << 2 << true << QString() << noBrowser << int(Icon::Exclamation);
    QTest::newRow("Japanese, no browser")
        << 1 << true << QString() << u"ﾌﾞﾗｳｻﾞを起動できないため、操作説明書を表示できません。"_s
        << int(Icon::Exclamation);
}

void TestHelp::manualThatCannotBeShown() {
    QFETCH(int, langNo);
    QFETCH(bool, present);
    QFETCH(QString, failure);
    QFETCH(QString, expected);
    QFETCH(int, icon);
    TestContext t(static_cast<qint16>(langNo));
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
        QCOMPARE(int(shown.icon), icon);
        QCOMPARE(shown.title, kTitle);
    }
}

// The desktop's opener (xdg-open) says why it could not show the page; a working one shows it.
void TestHelp::openerThatFindsNoBrowserGivesItsReason() {
#ifndef Q_OS_LINUX
    QSKIP("xdg-open is the opener of Linux desktops");
#endif
    QTemporaryDir bin;
    const QString opener = bin.filePath(u"xdg-open"_s);
    QVERIFY(writeFile(opener,
                      "#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit 3\n"));
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

void TestHelp::systemInfoToolIsFound_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("locationFileExists");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("registry path") << u"C:\\tools\\info.exe"_s << u"C:\\other"_s << true << u"hardinfo"_s
                                   << u"C:\\tools\\info.exe"_s;
    QTest::newRow("registry location")
        << QString() << u"C:\\shared"_s << true << u"hardinfo"_s << u"C:\\shared\\MSINFO32.EXE"_s;
    QTest::newRow("location without the file")
        << QString() << u"C:\\shared"_s << false << u"kinfocenter"_s << u"/usr/bin/kinfocenter"_s;
    QTest::newRow("desktop program") << QString() << QString() << false << u"gnome-system-monitor"_s
                                     << u"/usr/bin/gnome-system-monitor"_s;
}

void TestHelp::systemInfoToolIsFound() {
    QFETCH(QString, path);
    QFETCH(QString, location);
    QFETCH(bool, locationFileExists);
    QFETCH(QString, program);
    QFETCH(QString, expected);
    TestContext t;
    FakeDesktop desktop;
    if (!path.isEmpty())
        desktop.registry.insert(kInfoKey, path);
    if (!location.isEmpty())
        desktop.registry.insert(kLocationKey, location);
    if (locationFileExists)
        desktop.files << location + u"\\MSINFO32.EXE"_s;
    desktop.programs << program;
    startSysInfo(t.ctx, desktop);
    QCOMPARE(desktop.started, QStringList{expected});
    QVERIFY(t.op.messages.isEmpty());
}

void TestHelp::noSystemInfoToolGivesMessage536() {
    TestContext t(1);
    FakeDesktop desktop;
    startSysInfo(t.ctx, desktop);
    QVERIFY(desktop.started.isEmpty());
    desktop.programs << u"hardinfo"_s;
    desktop.startWorks = false;
    startSysInfo(t.ctx, desktop);
    QCOMPARE(t.op.messages.size(), 2);
    QCOMPARE(t.op.lastText(), t.catalogue.entry(536).value());
}

void TestHelp::dataFolderOfBuiltAndInstalledCopies() {
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

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
