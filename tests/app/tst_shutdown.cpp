// The close questions and what the unload stores.
#include "app/Shutdown.h"
#include "support/TestContext.h"

#include <QtTest>
#include <tuple>

using namespace zovi;
using namespace Qt::StringLiterals;
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
    void unchangedDataAsksToFinish() {
        // Language and answer -> question and whether the close is refused (the port stays open).
        const std::tuple<qint16, Answer, const char*, bool> rows[] = {
            {2, Answer::Ok, "Finish ZO-VI.", false},
            {2, Answer::Cancel, "Finish ZO-VI.", true},
            {1, Answer::Ok, "ZO-VI を終了します。", false}};
        for (const auto& [langNo, answer, question, refused] : rows) {
            TestContext t(langNo);
            FakeMainWindow window;
            t.op.answer(answer);
            QCOMPARE(mainCloseRefused(t.ctx, CloseReason::CloseBox, window.hooks()), refused);
            QCOMPARE(t.op.messages.size(), 1);
            QCOMPARE(t.op.messages[0].text, QString::fromUtf8(question));
            QVERIFY(t.op.messages[0].buttons == Buttons::OkCancel && t.op.messages[0].icon == Icon::Question);
            QVERIFY(window.portOpen == refused && window.saveAsCalls == 0);
        }
    }

    void unloadStoresPortAndLanguage() {
        // Language and a chosen change -> the language stored; an unknown one becomes Japanese.
        const std::tuple<qint16, bool, const char*> rows[] = {
            {2, false, "2"}, {2, true, "1"}, {1, true, "2"}, {5, true, "1"}};
        for (const auto& [langNo, change, stored] : rows) {
            TestContext t(langNo);
            t.ctx.lang.LangChangeFlag = change;
            t.ctx.options.PortNo = 3;
            storeSettingsAtUnload(t.ctx);
            QCOMPARE(t.settings.readText(u"PortNo"_s, {}), u"3"_s);
            QCOMPARE(t.settings.readText(u"Languege"_s, {}), QString::fromLatin1(stored));
        }
    }
};

QTEST_GUILESS_MAIN(TestShutdown)
#include "tst_shutdown.moc"
