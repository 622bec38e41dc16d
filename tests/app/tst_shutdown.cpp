#include "app/Shutdown.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

namespace {

struct FakeMainWindow {
    bool portOpen = true;
    int saveAsCalls = 0;
    bool saveCancelled = false;
    CloseHooks hooks() {
        return {[this] { return portOpen; }, [this] { portOpen = false; },
                [this] {
                    ++saveAsCalls;
                    return saveCancelled;
                }};
    }
};

} // namespace

class TestShutdown : public QObject {
    Q_OBJECT
private slots:
    void unchangedDataAsksToFinish_data();
    void unchangedDataAsksToFinish();
    void changedDataAsksToSave_data();
    void changedDataAsksToSave();
    void busyControllerRefusesOnlyTheCloseBox();
    void unloadStoresPortAndLanguage_data();
    void unloadStoresPortAndLanguage();
};

void TestShutdown::unchangedDataAsksToFinish_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("refused");
    QTest::newRow("English OK") << 2 << int(Answer::Ok) << "Finish ZO-VI." << false;
    QTest::newRow("English Cancel") << 2 << int(Answer::Cancel) << "Finish ZO-VI." << true;
    QTest::newRow("Japanese OK") << 1 << int(Answer::Ok) << "ZO-VI を終了します。" << false;
}

void TestShutdown::unchangedDataAsksToFinish() {
    QFETCH(int, langNo);
    QFETCH(int, answer);
    QFETCH(QString, question);
    QFETCH(bool, refused);
    TestContext t(static_cast<qint16>(langNo));
    FakeMainWindow window;
    t.op.answer(Answer(answer));
    QCOMPARE(mainCloseRefused(t.ctx, CloseReason::CloseBox, window.hooks()), refused);
    QCOMPARE(t.op.messages.size(), 1);
    QCOMPARE(t.op.messages[0].text, question);
    QCOMPARE(t.op.messages[0].buttons, Buttons::OkCancel);
    QCOMPARE(t.op.messages[0].icon, Icon::Question);
    QCOMPARE(window.portOpen, refused);
    QCOMPARE(window.saveAsCalls, 0);
}

void TestShutdown::changedDataAsksToSave_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("saveCancelled");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("saveAsCalls");
    QTest::newRow("Yes, saved") << int(Answer::Yes) << false << false << 1;
    QTest::newRow("Yes, save dialog cancelled") << int(Answer::Yes) << true << true << 1;
    QTest::newRow("No") << int(Answer::No) << false << false << 0;
    QTest::newRow("Cancel") << int(Answer::Cancel) << false << true << 0;
}

void TestShutdown::changedDataAsksToSave() {
    QFETCH(int, answer);
    QFETCH(bool, saveCancelled);
    QFETCH(bool, refused);
    QFETCH(int, saveAsCalls);
    TestContext t;
    t.ctx.operation.DataChangeFlag = true;
    FakeMainWindow window;
    window.saveCancelled = saveCancelled;
    t.op.answer(Answer(answer));
    QCOMPARE(mainCloseRefused(t.ctx, CloseReason::CloseBox, window.hooks()), refused);
    QCOMPARE(t.op.messages.size(), 1);
    QCOMPARE(t.op.messages[0].text, QStringLiteral("Data have been changed. Save in file?"));
    QCOMPARE(t.op.messages[0].buttons, Buttons::YesNoCancel);
    QCOMPARE(t.op.messages[0].icon, Icon::Question);
    QCOMPARE(window.saveAsCalls, saveAsCalls);
}

void TestShutdown::busyControllerRefusesOnlyTheCloseBox() {
    TestContext t;
    t.ctx.operation.CtBusyFlag = true;
    FakeMainWindow window;
    QVERIFY(mainCloseRefused(t.ctx, CloseReason::CloseBox, window.hooks()));
    QVERIFY2(t.op.messages.isEmpty(), "refused silently");
    QVERIFY(window.portOpen);

    QVERIFY(!mainCloseRefused(t.ctx, CloseReason::Program, window.hooks()));
    QCOMPARE(t.op.messages.size(), 1);
    QVERIFY(!window.portOpen);
}

void TestShutdown::unloadStoresPortAndLanguage_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<bool>("change");
    QTest::addColumn<QString>("stored");
    QTest::newRow("English kept") << 2 << false << "2";
    QTest::newRow("English to Japanese") << 2 << true << "1";
    QTest::newRow("Japanese to English") << 1 << true << "2";
    QTest::newRow("unknown language becomes Japanese") << 5 << true << "1";
}

void TestShutdown::unloadStoresPortAndLanguage() {
    QFETCH(int, langNo);
    QFETCH(bool, change);
    QFETCH(QString, stored);
    TestContext t(static_cast<qint16>(langNo));
    t.ctx.lang.LangChangeFlag = change;
    t.ctx.options.PortNo = 3;
    storeSettingsAtUnload(t.ctx);
    QCOMPARE(t.settings.readText(QStringLiteral("PortNo"), {}), QStringLiteral("3"));
    QCOMPARE(t.settings.readText(QStringLiteral("Languege"), {}), stored);
}

QTEST_GUILESS_MAIN(TestShutdown)
#include "tst_shutdown.moc"
