// Closing the main window: what the window adds to the close questions (tst_shutdown asks them).
#include "ui/FrmMainFixture.h"

#include <QSignalSpy>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;

namespace {

// A shown main window whose serial port, as the close request sees it, is open.
struct Closing : MainWindowFixture {
    explicit Closing(qint16 langNo = 2)
        : MainWindowFixture(langNo) {
        load();
        window->portIsOpen = [this] {
            return portOpen;
        };
        window->closePort = [this] {
            ++portCloses;
            portOpen = false;
        };
        window->show();
    }
    bool portOpen = true;
    int portCloses = 0;
};

} // namespace

class TestFrmMainClose : public QObject {
    Q_OBJECT
private slots:
    void busyRefusesTheCloseBoxButNotExit();
    void exitRefusedKeepsTheProgram();
    void saveOfferRunsTheSaveDialog();
    void closeBoxStoresAndClosesOnlyWhenAccepted();
};

void TestFrmMainClose::busyRefusesTheCloseBoxButNotExit() {
    Closing c;
    c.t.ctx.operation.CtBusyFlag = true;
    QSignalSpy exits(c.window.get(), &FrmMain::exitRequested);
    QVERIFY(!c.window->close());
    QVERIFY(c.window->isVisible() && c.t.op.messages.isEmpty() && c.t.settings.values().isEmpty());
    c.t.op.answer(Answer::Ok);
    c.find<QAction>(u"mnuFileExit"_s)->trigger();
    QCOMPARE(c.t.op.messages.size(), 1);
    QVERIFY(!c.window->isVisible());
    QCOMPARE(exits.count(), 1);
    QCOMPARE(c.portCloses, 1);
}

void TestFrmMainClose::exitRefusedKeepsTheProgram() {
    Closing c;
    QSignalSpy exits(c.window.get(), &FrmMain::exitRequested);
    c.t.op.answer(Answer::Cancel);
    c.window->mnuFileExit_Click();
    QVERIFY(c.window->isVisible() && c.window->closeRefused());
    QVERIFY(exits.isEmpty() && c.portCloses == 0);

    // Changed data answered No leaves the port open after the close: Exit closes it.
    c.t.ctx.operation.DataChangeFlag = true;
    c.t.op.answer(Answer::No);
    c.window->mnuFileExit_Click();
    QVERIFY(!c.window->isVisible());
    QVERIFY(exits.count() == 1 && c.portCloses == 1);
}

void TestFrmMainClose::saveOfferRunsTheSaveDialog() {
    Closing c;
    c.t.ctx.operation.DataChangeFlag = true;
    c.t.op.answer(Answer::Yes);
    QVERIFY2(!c.window->close(), "a cancelled save dialog keeps the window");
    QCOMPARE(c.t.op.saveRequests.size(), 1);
    const FileDialogRequest& request = c.t.op.saveRequests[0];
    QCOMPARE(request.title, u"Save VQ data as ..."_s);
    QCOMPARE(request.filter, u"VQ Data file(*.vqd)|*.vqd|All Files(*.*)|*.*"_s);
    QCOMPARE(request.defaultExtension + u' ' + request.initialName, u"vqd vqdata.vqd"_s);
    QVERIFY(request.overwritePrompt && !request.mustExist);

    c.t.op.answer(Answer::Yes);
    c.t.op.chooseFile(u"/tmp/positions.vqd"_s);
    QVERIFY2(c.window->close(), "a chosen file lets the window close");
}

void TestFrmMainClose::closeBoxStoresAndClosesOnlyWhenAccepted() {
    Closing c(1);
    QWidget other;
    other.show();
    c.t.ctx.options.PortNo = 7; // changed in the options during the run
    c.t.ctx.lang.LangChangeFlag = true;
    c.t.op.answer(Answer::Cancel);
    QVERIFY(!c.window->close());
    QVERIFY(c.window->isVisible() && c.window->closeRefused() && other.isVisible());
    QVERIFY(c.t.settings.values().isEmpty() && c.portCloses == 0);

    c.t.op.answer(Answer::Ok);
    QVERIFY(c.window->close());
    QVERIFY(c.portCloses == 1 && !other.isVisible() && c.t.op.saveRequests.isEmpty());
    QCOMPARE(c.t.settings.readInt(u"PortNo"_s, 0), qint16(7));
    QCOMPARE(c.t.settings.readInt(u"Languege"_s, 0), qint16(2));
}

QTEST_MAIN(TestFrmMainClose)
#include "tst_frmmain_close.moc"
