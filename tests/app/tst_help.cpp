#include "app/Desktop.h"
#include "app/HelpAndInfo.h"
#include "support/FakeDesktop.h"
#include "support/TestContext.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using zovi::test::FakeDesktop;
using zovi::test::TestContext;

namespace {

const QString kInfoKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH");
const QString kLocationKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO");

} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private slots:
    void manualOpensInTheBrowser_data();
    void manualOpensInTheBrowser();
    void manualThatCannotBeShownGivesMessage491_data();
    void manualThatCannotBeShownGivesMessage491();
    void systemInfoToolIsFound_data();
    void systemInfoToolIsFound();
    void noSystemInfoToolGivesMessage536();
    void installedManualIsBesideTheProgram();
    void dataFolderOfBuiltAndInstalledCopies();
};

void TestHelp::manualOpensInTheBrowser_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<bool>("japanesePage");
    QTest::addColumn<QString>("expected");
    QTest::newRow("English") << 2 << true << "help/index.html";
    QTest::newRow("Japanese with its page") << 1 << true << "help/index_ja.html";
    QTest::newRow("Japanese without its page") << 1 << false << "help/index.html";
}

void TestHelp::manualOpensInTheBrowser() {
    QFETCH(int, langNo);
    QFETCH(bool, japanesePage);
    QFETCH(QString, expected);
    TestContext t(static_cast<qint16>(langNo));
    FakeDesktop desktop;
    desktop.files << t.folder.file(QStringLiteral("help/index.html"));
    if (japanesePage)
        desktop.files << t.folder.file(QStringLiteral("help/index_ja.html"));
    showHelp(t.ctx, desktop, HelpPage::Contents, QStringLiteral("ZO-VI Ver1.20E"));
    QCOMPARE(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(t.folder.file(expected))});
    QVERIFY(t.op.messages.isEmpty());
}

void TestHelp::manualThatCannotBeShownGivesMessage491_data() {
    QTest::addColumn<bool>("present");
    QTest::addColumn<bool>("browser");
    QTest::newRow("no manual") << false << true;
}

void TestHelp::manualThatCannotBeShownGivesMessage491() {
    QFETCH(bool, present);
    QFETCH(bool, browser);
    TestContext t;
    FakeDesktop desktop;
    desktop.browserWorks = browser;
    if (present)
        desktop.files << t.folder.file(QStringLiteral("help/index.html"));
    showHelp(t.ctx, desktop, HelpPage::Contents, QStringLiteral("ZO-VI Ver1.20E"));
    QCOMPARE(t.op.messages.size(), 1);
    QCOMPARE(t.op.messages[0].text,
             QStringLiteral("Can not indicate Help file.No Help files related to this project."));
    QCOMPARE(t.op.messages[0].icon, Icon::Information);
    QCOMPARE(t.op.messages[0].title, QStringLiteral("ZO-VI Ver1.20E"));
}

void TestHelp::systemInfoToolIsFound_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("location");
    QTest::addColumn<bool>("locationFileExists");
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("expected");
    QTest::newRow("registry path") << "C:\\tools\\info.exe"
                                   << "C:\\other" << true << "hardinfo"
                                   << "C:\\tools\\info.exe";
    QTest::newRow("registry location") << ""
                                       << "C:\\shared" << true << "hardinfo"
                                       << "C:\\shared\\MSINFO32.EXE";
    QTest::newRow("location without the file") << ""
                                               << "C:\\shared" << false << "kinfocenter"
                                               << "/usr/bin/kinfocenter";
    QTest::newRow("desktop program") << ""
                                     << "" << false << "gnome-system-monitor"
                                     << "/usr/bin/gnome-system-monitor";
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
        desktop.files << location + QStringLiteral("\\MSINFO32.EXE");
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
    QCOMPARE(t.op.messages.size(), 1);
    QCOMPARE(t.op.messages[0].text, t.catalogue.entry(536).value());

    desktop.programs << QStringLiteral("hardinfo");
    desktop.startWorks = false;
    startSysInfo(t.ctx, desktop);
    QCOMPARE(t.op.messages.size(), 2);
}

void TestHelp::installedManualIsBesideTheProgram() {
    TestContext t;
    SystemDesktop desktop;
    QVERIFY2(!helpFilePath(t.ctx, desktop).isEmpty(), "the manual is copied beside the program");
}

void TestHelp::dataFolderOfBuiltAndInstalledCopies() {
    QTemporaryDir root;
    QDir dir(root.path());
    QVERIFY(dir.mkpath(QStringLiteral("build/bin")) && dir.mkpath(QStringLiteral("prefix/bin")) &&
            dir.mkpath(QStringLiteral("prefix/share/zovi")));
    const auto touch = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly);
    };
    QVERIFY(dir.mkpath(QStringLiteral("build/bin/help")) && touch(dir.filePath(QStringLiteral("build/bin/help/index.html"))));
    QVERIFY(dir.mkpath(QStringLiteral("prefix/share/zovi/help")) && touch(dir.filePath(QStringLiteral("prefix/share/zovi/help/index.html"))));
    QCOMPARE(ProgramFolder::locate(dir.filePath(QStringLiteral("build/bin"))),
             dir.filePath(QStringLiteral("build/bin")));
    QCOMPARE(ProgramFolder::locate(dir.filePath(QStringLiteral("prefix/bin"))),
             dir.filePath(QStringLiteral("prefix/share/zovi")));
    QVERIFY(dir.mkpath(QStringLiteral("bare/bin")));
    QCOMPARE(ProgramFolder::locate(dir.filePath(QStringLiteral("bare/bin"))),
             dir.filePath(QStringLiteral("bare/bin")));
}

QTEST_GUILESS_MAIN(TestHelp)
#include "tst_help.moc"
