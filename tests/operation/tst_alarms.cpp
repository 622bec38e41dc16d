#include "app/ListFile.h"
#include "operation/AlarmPanel.h"
#include "support/RecordingMainView.h"
#include "support/TestContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The alarm panel over a program folder that holds only the given alarm list (none when null).
struct Panel {
    Panel(const QByteArray& list, qint16 langNo)
        : t(langNo)
        , ctx(t.settings, t.catalogue, t.op, ProgramFolder(dir.path())) {
        if (QFile file(dir.filePath(QStringLiteral("error.lst")));
            !list.isNull() && file.open(QIODevice::WriteOnly))
            file.write(list);
        ctx.setLanguage(langNo);
        panel.Get_ErrorList();
    }
    QTemporaryDir dir;
    TestContext t;
    AppContext ctx;
    RecordingMainView view;
    AlarmPanel panel{ctx, view};
};

} // namespace

class TestAlarms : public QObject {
    Q_OBJECT
private slots:
    void listItemsFollowTheCommaRules() {
        const QList<std::pair<QString, QStringList>> cases{
            {"2\n\"01\",\"text\"\r\n", {"2", "01", "text"}}, // one per line
            {"\"a, b \" , c ,d", {"a, b ", "c", "d"}},       // quoted comma and blanks
            {"  12 ,  x y  \n", {"12", "x y"}},              // unquoted items lose blanks
            {"1,,2", {"1", "", "2"}},                        // empty item between commas
            {"\"abc", {"abc"}},                              // unterminated quote runs to the end
            {"\n\n3\n\n", {"3"}}};                           // blank lines ignored
        for (const auto& [text, items] : cases)
            QCOMPARE(splitListItems(text), items);
    }

    // A bad list is reported at load and again at every alarm, which then leaves the panel alone.
    void malformedListsAreRejected_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("kept");
        QTest::newRow("no file") << QByteArray() << 0;
        QTest::newRow("41 records") << QByteArray("41\n\"01\",\"a\"\n") << 0;
        QTest::newRow("fewer items than announced")
            << QByteArray("3\n\"01\",\"a\"\n\"02\",\"b\"\n\"03\"\n") << 2;
        QTest::newRow("count is not a number") << QByteArray("many\n") << 0;
        QTest::newRow("negative count") << QByteArray("-1\n") << 0;
        QTest::newRow("empty file") << QByteArray("") << 0;
    }

    void malformedListsAreRejected() {
        QFETCH(QByteArray, contents);
        QFETCH(int, kept);
        Panel p(contents, 2);
        QVERIFY(p.panel.ErrListMissingFlag);
        QCOMPARE(int(p.panel.list().records().size()), kept);
        p.panel.DispAlarmState("0%%01\r\n");
        QVERIFY(!p.panel.AlarmKnownFlag && !p.view.alarmLamp && p.view.alarmNo.isEmpty());
        QCOMPARE(p.t.op.messages.size(), 2);
        QCOMPARE(p.t.op.messages[1].text, p.t.op.messages[0].text);
        QVERIFY(p.t.op.lastText().startsWith(QStringLiteral("No file of Error list!\r\n\r\nTo display error "
                                                            "contents,install Error list in same folder as "
                                                            "program file.\r\n\r\nThe list file")));
    }

    void alarmIsLookedUpByLanguage_data() {
        QTest::addColumn<int>("langNo");
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<QString>("comment"); // empty: not in the list
        QTest::newRow("English 01 is code 65") << 2 << QByteArray("0%%01\r\n") << "english one";
        QTest::newRow("Japanese 01 is the first record of value 1")
            << 1 << QByteArray("0%%01\r\n") << "ja one";
        QTest::newRow("Japanese 0E is code 0E") << 1 << QByteArray("0%%0E\r\n") << "japanese estop";
        QTest::newRow("English 0E is code 72") << 2 << QByteArray("0%%0E\r\n") << "english estop";
        QTest::newRow("not in the list") << 2 << QByteArray("0%%33\r\n") << QString();
        QTest::newRow("garbled number") << 2 << QByteArray("0%%ZZ\r\n") << QString();
    }

    void alarmIsLookedUpByLanguage() {
        QFETCH(int, langNo);
        QFETCH(QByteArray, status);
        QFETCH(QString, comment);
        Panel p("5\n\"1\",\"ja one\"\n\"65\",\"english one\"\n\"0E\",\"japanese estop\"\n"
                "\"72\",\"english estop\"\n\"01\",\"ja one again\"\n",
                static_cast<qint16>(langNo));
        p.panel.DispAlarmState(status);
        const bool known = !comment.isEmpty();
        QCOMPARE(p.panel.AlarmKnownFlag, known);
        QCOMPARE(p.view.errorComment, known ? comment : QStringLiteral("No contents for this Error No."));
        QCOMPARE(p.panel.AlarmComment, comment);
        QCOMPARE(p.view.alarmNo, QString::fromLatin1(status.mid(3, 2)));
        QVERIFY(p.view.alarmLamp);
        QCOMPARE(p.view.homeLamp, !status.startsWith("0%%0E"));
        QVERIFY(p.t.op.messages.isEmpty());
    }

    void shippedListExplainsEveryAlarm() {
        for (const qint16 langNo : {1, 2}) {
            TestContext t(langNo);
            RecordingMainView view;
            AlarmPanel panel(t.ctx, view);
            panel.Get_ErrorList();
            for (const char* number : {"01", "02", "03", "04", "0E", "0B"}) {
                panel.DispAlarmState(QByteArray("0%%") + number + "\r\n");
                QVERIFY2(panel.AlarmKnownFlag, number);
            }
            QVERIFY(
                view.errorComment.startsWith(langNo == 1 ? QStringLiteral("原点") : QStringLiteral("Home")));
        }
    }
};

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
