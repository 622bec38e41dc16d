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

// A program folder holding only the given alarm list.
struct AlarmFolder {
    explicit AlarmFolder(const QByteArray& contents) {
        QFile file(dir.filePath(QStringLiteral("error.lst")));
        if (file.open(QIODevice::WriteOnly))
            file.write(contents);
    }
    QTemporaryDir dir;
};

struct Panel {
    Panel(const QString& folder, qint16 langNo)
        : t(langNo)
        , ctx(t.settings, t.catalogue, t.op, ProgramFolder(folder)) {
        ctx.setLanguage(langNo);
    }
    TestContext t;
    AppContext ctx;
    RecordingMainView view;
    AlarmPanel panel{ctx, view};
};

const QString kMissingList =
    QStringLiteral("No file of Error list!\r\n\r\nTo display error contents,install Error list "
                   "in same folder as program file.");

} // namespace

class TestAlarms : public QObject {
    Q_OBJECT
private slots:
    void listItemsFollowTheCommaRules_data();
    void listItemsFollowTheCommaRules();
    void malformedListsAreRejected_data();
    void malformedListsAreRejected();
    void alarmIsLookedUpByLanguage_data();
    void alarmIsLookedUpByLanguage();
    void missingListIsReportedAtEveryAlarm();
    void shippedListExplainsEveryAlarm_data();
    void shippedListExplainsEveryAlarm();
    void homeSensorAdvice();
    void stateLampsGoOff();
};

void TestAlarms::listItemsFollowTheCommaRules_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("one per line") << "2\n\"01\",\"text\"\r\n" << QStringList{"2", "01", "text"};
    QTest::newRow("quoted comma and blanks") << "\"a, b \" , c ,d" << QStringList{"a, b ", "c", "d"};
    QTest::newRow("unquoted items lose blanks") << "  12 ,  x y  \n" << QStringList{"12", "x y"};
    QTest::newRow("empty item between commas") << "1,,2" << QStringList{"1", "", "2"};
    QTest::newRow("unterminated quote runs to the end") << "\"abc" << QStringList{"abc"};
    QTest::newRow("blank lines ignored") << "\n\n3\n\n" << QStringList{"3"};
}

void TestAlarms::listItemsFollowTheCommaRules() {
    QFETCH(QString, text);
    QFETCH(QStringList, items);
    QCOMPARE(splitListItems(text), items);
}

void TestAlarms::malformedListsAreRejected_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("kept");
    QTest::newRow("41 records") << QByteArray("41\n\"01\",\"a\"\n") << 0;
    QTest::newRow("fewer items than announced") << QByteArray("3\n\"01\",\"a\"\n\"02\",\"b\"\n\"03\"\n") << 2;
    QTest::newRow("count is not a number") << QByteArray("many\n") << 0;
    QTest::newRow("negative count") << QByteArray("-1\n") << 0;
    QTest::newRow("empty file") << QByteArray() << 0;
}

void TestAlarms::malformedListsAreRejected() {
    QFETCH(QByteArray, contents);
    QFETCH(int, kept);
    AlarmFolder folder(contents);
    Panel p(folder.dir.path(), 2);
    p.panel.Get_ErrorList();
    QVERIFY(p.panel.ErrListMissingFlag);
    QCOMPARE(p.t.op.messages.size(), 1);
    QCOMPARE(p.t.op.messages[0].text, kMissingList);
    QCOMPARE(int(p.panel.list().records().size()), kept);
}

void TestAlarms::alarmIsLookedUpByLanguage_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<QByteArray>("status");
    QTest::addColumn<QString>("comment");
    QTest::addColumn<bool>("known");
    QTest::newRow("English 01 is code 65") << 2 << QByteArray("0%%01\r\n") << "english one" << true;
    QTest::newRow("Japanese 01 is code 1") << 1 << QByteArray("0%%01\r\n") << "japanese one" << true;
    QTest::newRow("Japanese 0E is code 0E") << 1 << QByteArray("0%%0E\r\n") << "japanese estop" << true;
    QTest::newRow("English 0E is code 72") << 2 << QByteArray("0%%0E\r\n") << "english estop" << true;
    QTest::newRow("not in the list") << 2 << QByteArray("0%%33\r\n") << "No contents for this Error No."
                                     << false;
    QTest::newRow("garbled number") << 2 << QByteArray("0%%ZZ\r\n") << "No contents for this Error No."
                                    << false;
}

void TestAlarms::alarmIsLookedUpByLanguage() {
    QFETCH(int, langNo);
    QFETCH(QByteArray, status);
    QFETCH(QString, comment);
    QFETCH(bool, known);
    AlarmFolder folder("4\n\"1\",\"japanese one\"\n\"65\",\"english one\"\n\"0E\",\"japanese estop\"\n"
                       "\"72\",\"english estop\"\n");
    Panel p(folder.dir.path(), static_cast<qint16>(langNo));
    p.panel.Get_ErrorList();
    QVERIFY(!p.panel.ErrListMissingFlag);
    p.panel.DispAlarmState(status);
    QCOMPARE(p.panel.AlarmKnownFlag, known);
    QCOMPARE(p.view.errorComment, comment);
    QCOMPARE(p.view.alarmNo, QString::fromLatin1(status.mid(3, 2)));
    QCOMPARE(p.panel.AlarmNoText, QString::fromLatin1(status.mid(3, 2)));
    QVERIFY(p.view.alarmLamp);
    QCOMPARE(p.view.homeLamp, !status.startsWith("0%%0E"));
    QCOMPARE(p.panel.AlarmComment, known ? comment : QString());
    QVERIFY(p.t.op.messages.isEmpty());
}

void TestAlarms::missingListIsReportedAtEveryAlarm() {
    QTemporaryDir empty;
    Panel p(empty.path(), 2);
    p.panel.Get_ErrorList();
    QVERIFY(p.panel.ErrListMissingFlag);
    p.panel.DispAlarmState("0%%0E\r\n");
    p.panel.DispAlarmState("0%%01\r\n");
    QCOMPARE(p.t.op.messages.size(), 3);
    QCOMPARE(p.t.op.messages[2].text, kMissingList);
    QVERIFY2(!p.view.alarmLamp && p.view.alarmNo.isEmpty(), "the panel is not changed");
    QVERIFY(!p.panel.AlarmKnownFlag);
}

void TestAlarms::shippedListExplainsEveryAlarm_data() {
    QTest::addColumn<int>("langNo");
    QTest::newRow("English") << 2;
    QTest::newRow("Japanese") << 1;
}

void TestAlarms::shippedListExplainsEveryAlarm() {
    QFETCH(int, langNo);
    TestContext t(static_cast<qint16>(langNo));
    RecordingMainView view;
    AlarmPanel panel(t.ctx, view);
    panel.Get_ErrorList();
    QVERIFY(!panel.ErrListMissingFlag);
    QVERIFY(panel.list().records().size() >= 32);
    for (const char* number : {"01", "02", "03", "04", "0B", "0E"}) {
        panel.DispAlarmState(QByteArray("0%%") + number + "\r\n");
        QVERIFY2(panel.AlarmKnownFlag, number);
        QVERIFY(!view.errorComment.isEmpty());
    }
    panel.DispAlarmState("0%%0B\r\n");
    QVERIFY(view.errorComment.contains(langNo == 1 ? QStringLiteral("原点") : QStringLiteral("Home sensor")));
}

void TestAlarms::homeSensorAdvice() {
    TestContext t;
    RecordingMainView view;
    AlarmPanel panel(t.ctx, view);
    panel.Disp_ZeroB_Error();
    QCOMPARE(t.op.messages.size(), 1);
    QCOMPARE(
        t.op.messages[0].text,
        QStringLiteral(
            "Home sensor could not be detected at homing.\r\n\r\nConfirm the followings;\r\n\r\n"
            " 1.Isn't homing of the slide interrupted by any obstacle?\r\n\r\n (Please check whether "
            "especially a main part attachment screw is long.)\r\n\r\n 2.Aren't the connector pins "
            "loosing?\r\n\r\n 3.Is the parameter setting correct?\r\n\r\n 4.Is the power voltage enough?"));
    QCOMPARE(t.op.messages[0].icon, Icon::None);
}

void TestAlarms::stateLampsGoOff() {
    TestContext t;
    RecordingMainView view;
    AlarmPanel panel(t.ctx, view);
    panel.ClearStateLamps();
    QVERIFY(!view.homeLamp && !view.out1 && !view.out2);
    QCOMPARE(view.greyed, 1);
    view.alarmLamp = true;
    view.alarmNo = QStringLiteral("0E");
    panel.clearAlarm();
    QVERIFY(!view.alarmLamp);
    QCOMPARE(view.errorComment, QStringLiteral("No Error"));
    QVERIFY(view.alarmNo.isEmpty());
}

QTEST_GUILESS_MAIN(TestAlarms)
#include "tst_alarms.moc"
