// Closing the main window: the questions, the save offer, the busy refusal, File > Exit and the unload.
#include "ui/FrmMainFixture.h"

#include <QAction>
#include <QSignalSpy>
#include <QtTest>

using namespace zovi;
using zovi::test::MainWindowFixture;

namespace {

// The serial port as the close request sees it.
struct FakePort {
    bool open = false;
    int closes = 0;
    void attach(FrmMain& window) {
        window.portIsOpen = [this] {
            return open;
        };
        window.closePort = [this] {
            ++closes;
            open = false;
        };
    }
};

} // namespace

class TestFrmMainClose : public QObject {
    Q_OBJECT
private slots:
    void unchangedDataAsksToFinish_data();
    void unchangedDataAsksToFinish();
    void changedDataOffersToSave_data();
    void changedDataOffersToSave();
    void closeBoxRefusedWhileBusy();
    void exitIsNotBlockedByBusy();
    void exitRefusedKeepsTheProgram();
    void closeStoresSettings_data();
    void closeStoresSettings();
    void refusedCloseStoresNothing();
    void closeClosesOtherWindows();
};

void TestFrmMainClose::unchangedDataAsksToFinish_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("closed");
    QTest::newRow("English OK") << 2 << int(Answer::Ok) << "Finish ZO-VI." << true;
    QTest::newRow("English Cancel") << 2 << int(Answer::Cancel) << "Finish ZO-VI." << false;
    QTest::newRow("Japanese OK") << 1 << int(Answer::Ok) << "ZO-VI を終了します。" << true;
    QTest::newRow("Japanese Cancel") << 1 << int(Answer::Cancel) << "ZO-VI を終了します。" << false;
}

void TestFrmMainClose::unchangedDataAsksToFinish() {
    QFETCH(int, langNo);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, closed);
    MainWindowFixture f(static_cast<qint16>(langNo));
    FrmMain& w = f.load();
    FakePort port;
    port.open = true;
    port.attach(w);
    w.show();
    f.t.op.answer(Answer(answer));

    QCOMPARE(w.close(), closed);
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(w.closeRefused(), !closed);
    QCOMPARE(f.t.op.messages.size(), 1);
    QCOMPARE(f.t.op.messages[0].text, question);
    QCOMPARE(f.t.op.messages[0].buttons, Buttons::OkCancel);
    QCOMPARE(f.t.op.messages[0].icon, Icon::Question);
    QCOMPARE(port.closes, closed ? 1 : 0);
    QVERIFY(f.t.op.saveRequests.isEmpty());
}

void TestFrmMainClose::changedDataOffersToSave_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("fileChosen");
    QTest::addColumn<int>("saveDialogs");
    QTest::addColumn<bool>("closed");
    QTest::newRow("Yes, save cancelled") << int(Answer::Yes) << false << 1 << false;
    QTest::newRow("Yes, file chosen") << int(Answer::Yes) << true << 1 << true;
    QTest::newRow("No") << int(Answer::No) << false << 0 << true;
    QTest::newRow("Cancel") << int(Answer::Cancel) << false << 0 << false;
}

void TestFrmMainClose::changedDataOffersToSave() {
    QFETCH(int, answer);
    QFETCH(bool, fileChosen);
    QFETCH(int, saveDialogs);
    QFETCH(bool, closed);
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.show();
    f.t.ctx.operation.DataChangeFlag = true;
    f.t.op.answer(Answer(answer));
    if (fileChosen)
        f.t.op.chooseFile(QStringLiteral("/tmp/positions.vqd"));

    QCOMPARE(w.close(), closed);
    QCOMPARE(w.isVisible(), !closed);
    QCOMPARE(f.t.op.messages.size(), 1);
    QCOMPARE(f.t.op.messages[0].text, QStringLiteral("Data have been changed. Save in file?"));
    QCOMPARE(f.t.op.messages[0].buttons, Buttons::YesNoCancel);
    QCOMPARE(f.t.op.messages[0].icon, Icon::Question);
    QCOMPARE(f.t.op.saveRequests.size(), saveDialogs);
    if (saveDialogs) {
        const FileDialogRequest& request = f.t.op.saveRequests[0];
        QCOMPARE(request.title, QStringLiteral("Save VQ data as ..."));
        QCOMPARE(request.filter, QStringLiteral("VQ Data file(*.vqd)|*.vqd|All Files(*.*)|*.*"));
        QCOMPARE(request.defaultExtension, QStringLiteral("vqd"));
        QCOMPARE(request.initialName, QStringLiteral("vqdata.vqd"));
        QVERIFY(request.overwritePrompt);
        QVERIFY(!request.mustExist);
    }
    // A refused close can be asked again: the second time the operator lets it go.
    if (!closed) {
        f.t.op.answer(Answer::No);
        QVERIFY(w.close());
    }
}

void TestFrmMainClose::closeBoxRefusedWhileBusy() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.show();
    f.t.ctx.operation.CtBusyFlag = true;
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
    QVERIFY(f.t.op.messages.isEmpty());
    QVERIFY(!f.t.settings.values().contains(QStringLiteral("PortNo")));

    f.t.ctx.operation.CtBusyFlag = false;
    f.t.op.answer(Answer::Ok);
    QVERIFY(w.close());
}

void TestFrmMainClose::exitIsNotBlockedByBusy() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    FakePort port;
    port.open = true;
    port.attach(w);
    w.show();
    f.t.ctx.operation.CtBusyFlag = true;
    QSignalSpy exits(&w, &FrmMain::exitRequested);
    f.t.op.answer(Answer::Ok);
    f.find<QAction>("mnuFileExit")->trigger();
    QCOMPARE(f.t.op.messages.size(), 1);
    QCOMPARE(f.t.op.messages[0].text, QStringLiteral("Finish ZO-VI."));
    QVERIFY(!w.isVisible());
    QCOMPARE(exits.count(), 1);
    QCOMPARE(port.closes, 1);
    QVERIFY(!port.open);
}

void TestFrmMainClose::exitRefusedKeepsTheProgram() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    FakePort port;
    port.open = true;
    port.attach(w);
    w.show();
    QSignalSpy exits(&w, &FrmMain::exitRequested);
    f.t.op.answer(Answer::Cancel);
    w.mnuFileExit_Click();
    QVERIFY(w.isVisible());
    QVERIFY(w.closeRefused());
    QCOMPARE(exits.count(), 0);
    QCOMPARE(port.closes, 0);

    // With changed data and No, the port is still open after the close and Exit closes it.
    f.t.ctx.operation.DataChangeFlag = true;
    f.t.op.answer(Answer::No);
    w.mnuFileExit_Click();
    QVERIFY(!w.isVisible());
    QCOMPARE(exits.count(), 1);
    QCOMPARE(port.closes, 1);
}

void TestFrmMainClose::closeStoresSettings_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<bool>("languageChanged");
    QTest::addColumn<int>("storedLanguage");
    QTest::newRow("English kept") << 2 << false << 2;
    QTest::newRow("English to Japanese") << 2 << true << 1;
    QTest::newRow("Japanese to English") << 1 << true << 2;
    QTest::newRow("Japanese kept") << 1 << false << 1;
}

void TestFrmMainClose::closeStoresSettings() {
    QFETCH(int, langNo);
    QFETCH(bool, languageChanged);
    QFETCH(int, storedLanguage);
    MainWindowFixture f(static_cast<qint16>(langNo));
    f.t.settings.writeInt(QStringLiteral("PortNo"), 2);
    FrmMain& w = f.load();
    w.show();
    f.t.ctx.options.PortNo = 7; // changed in the options during the run
    f.t.ctx.lang.LangChangeFlag = languageChanged;
    f.t.op.answer(Answer::Ok);
    QVERIFY(w.close());
    QCOMPARE(f.t.settings.readInt(QStringLiteral("PortNo"), 0), qint16(7));
    QCOMPARE(f.t.settings.readInt(QStringLiteral("Languege"), 0), qint16(storedLanguage));
}

void TestFrmMainClose::refusedCloseStoresNothing() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.show();
    f.t.ctx.lang.LangChangeFlag = true;
    f.t.op.answer(Answer::Cancel);
    QVERIFY(!w.close());
    QVERIFY(f.t.settings.values().isEmpty());
    QCOMPARE(f.t.ctx.lang.LangNo, qint16(2));
}

void TestFrmMainClose::closeClosesOtherWindows() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.show();
    QWidget other;
    other.show();
    f.t.op.answer(Answer::Cancel);
    QVERIFY(!w.close());
    QVERIFY(other.isVisible());
    f.t.op.answer(Answer::Ok);
    QVERIFY(w.close());
    QVERIFY(!other.isVisible());
}

QTEST_MAIN(TestFrmMainClose)
#include "tst_frmmain_close.moc"
