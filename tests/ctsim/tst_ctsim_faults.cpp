// Faults the controller model can be told to show, and the operator commands that set them.

#include "ModelDriver.h"
#include "model/ConsoleCommands.h"

#include <QtTest>

using ctsim::Output;
using ctsim::Outputs;

namespace {

const QByteArray Ok0RV = "0RV120000\r\n";

// The writes as "bytes@ms", so that a failed comparison shows them.
QByteArrayList writes(const Outputs& outputs) {
    QByteArrayList list;
    for (const Output& output : outputs)
        list << output.bytes + '@' + QByteArray::number(output.atMs);
    return list;
}

} // namespace

class TestCtsimFaults : public QObject {
    Q_OBJECT

private slots:
    void replyFaults_data();
    void replyFaults();
    void onceWaitsForALineThatIsAnswered();
    void delayAndSplitOnAMoveReply();
    void alarmOnceRefusesWithoutCarryingOut();
    void clearRemovesEverything();

    void consoleCommands_data();
    void consoleCommands();
    void consoleCommandsActOnTheController();
    void strayEscapes_data();
    void strayEscapes();
};

void TestCtsimFaults::replyFaults_data() {
    QTest::addColumn<QString>("fault"); // the operator command, also the fault's description
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArrayList>("first"); // the writes that answer the command, as "bytes@ms"
    QTest::addColumn<QByteArrayList>("second");

    const auto row = [](const char* fault, const char* command, const QByteArrayList& first,
                        const QByteArrayList& second) {
        QTest::newRow(fault) << QString::fromLatin1(fault) << QByteArray(command) << first << second;
    };
    const QByteArrayList ok0RV{Ok0RV + "@0"};
    row("silent once", "0RV", {}, ok0RV);
    row("silent", "0RV", {}, {});
    row("echo-wrong once", "0XY", {"0%?01\r\n@0"}, {"0%%01\r\n@0"});
    row("echo-wrong", "0RV", {"0R?120000\r\n@0"}, {"0R?120000\r\n@0"});
    row("long", "0RV", {"0RV1200000\r\n@0"}, {"0RV1200000\r\n@0"});
    row("short once", "0CM1", {"0CM\r\n@0"}, {"0CM1\r\n@0"});
    row("delay 300 once", "0RV", {Ok0RV + "@300"}, ok0RV);
    row("split 2 50", "0RV", {"0RV120@0", "000\r\n@50"}, {"0RV120@0", "000\r\n@50"});
    row("split 64 1 once", "0CM1", {"0@0", "C@1", "M@2", "1@3", "\r@4", "\n@5"}, {"0CM1\r\n@0"});
}

void TestCtsimFaults::replyFaults() {
    QFETCH(QString, fault);
    QFETCH(QByteArray, command);
    QFETCH(QByteArrayList, first);
    QFETCH(QByteArrayList, second);
    ModelDriver driver;
    QCOMPARE(ctsim::runConsoleCommand(driver.model, fault, 0).reply, QStringLiteral("ok ") + fault);
    QCOMPARE(driver.model.faults().describe(), fault);
    QCOMPARE(writes(driver.model.receive(command + "\r\n", 0)), first);
    QCOMPARE(writes(driver.model.receive(command + "\r\n", 0)), second);
    QCOMPARE(driver.model.faults().describe(),
             fault.endsWith(QStringLiteral(" once")) ? QStringLiteral("none") : fault);
}

void TestCtsimFaults::onceWaitsForALineThatIsAnswered() {
    ModelDriver driver;
    driver.model.faults().setWrongEcho(true);
    QCOMPARE(driver.send(""), QByteArray());
    QCOMPARE(driver.send("1RV"), QByteArray());
    QCOMPARE(driver.send("0CM3"), QByteArray());
    QCOMPARE(driver.send("0RV"), QByteArray("0R?120000\r\n"));
    QCOMPARE(driver.send("0RV"), Ok0RV);
}

void TestCtsimFaults::delayAndSplitOnAMoveReply() {
    ModelDriver driver;
    driver.send("0CM1");
    driver.model.faults().setDelay(300, true);
    driver.model.faults().setSplit(2, 40, true);
    QVERIFY(driver.model.receive("0MP0\r\n", driver.now).empty()); // 1250 ms of homing
    QCOMPARE(writes(driver.model.tick(1250)), (QByteArrayList{"0MP00000@1550", "000000\r\n@1590"}));
    QCOMPARE(writes(driver.model.receive("0RV\r\n", 1250)), QByteArrayList{Ok0RV + "@1250"});
}

void TestCtsimFaults::alarmOnceRefusesWithoutCarryingOut() {
    ModelDriver driver;
    driver.model.faults().setAlarmOnce(0x0A);
    QCOMPARE(driver.send("0CM3"), QByteArray()); // not answered: the fault stays pending
    QCOMPARE(driver.send("0CM1"), QByteArray("0%%0A\r\n"));
    QCOMPARE(driver.send("0RS"), QByteArray("0RS00\r\n")); // still in external start mode
    QCOMPARE(driver.send("0%%"), QByteArray("0%%00\r\n")); // not latched
}

void TestCtsimFaults::clearRemovesEverything() {
    ModelDriver driver;
    for (const char* fault :
         {"silent", "split 3 10", "echo-wrong", "long", "delay 100", "alarm 22 once", "home-sensor-fail"})
        ctsim::runConsoleCommand(driver.model, QString::fromLatin1(fault), 0);
    QCOMPARE(driver.model.faults().describe(),
             QStringLiteral("silent, split 3 10, echo-wrong, long, delay 100, alarm 22 once, "
                            "home-sensor-fail"));
    QCOMPARE(ctsim::runConsoleCommand(driver.model, QStringLiteral("clear"), 0).reply,
             QStringLiteral("ok clear"));
    QCOMPARE(driver.model.faults().describe(), QStringLiteral("none"));
    QCOMPARE(driver.model.receive("0RV\r\n", 0), (Outputs{{Ok0RV, 0}}));
    driver.send("0CM1");
    QCOMPARE(driver.exchange("0MP0"), QByteArray("0MP00000000000\r\n"));
}

void TestCtsimFaults::consoleCommands_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply"); // the whole "ok" reply, or how the "error:" reply begins
    QTest::addColumn<QString>("faults");

    const auto row = [](const char* line, const char* reply, const char* faults = "none") {
        QTest::newRow(*line ? line : "empty")
            << QString::fromLatin1(line) << QString::fromLatin1(reply) << QString::fromLatin1(faults);
    };
    row("  silent   once ", "ok silent once", "silent once");
    row("alarm 0a once", "ok alarm 0A once", "alarm 0A once");
    row("home-sensor-fail", "ok home-sensor-fail", "home-sensor-fail");
    row("", "error: empty command");
    row("explode", "error: unknown command \"explode\"");
    row("home-sensor-fail now", "error: unknown command \"home-sensor-fail now\"");
    row("silent twice", "error: silent takes only an optional \"once\"");
    row("split 1 10", "error: usage: split");
    row("split 3 -1", "error: usage: split");
    row("delay 600001", "error: usage: delay");
    row("alarm 00", "error: usage: alarm");
    row("alarm 10A once", "error: usage: alarm");
    row("emergency maybe", "error: usage: emergency");
    row("inputs 8", "error: usage: inputs");
    row("move-scale 2", "error: usage: move-scale");
    row("stray \"a\\q\"", "error: usage: stray");
}

void TestCtsimFaults::consoleCommands() {
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, faults);
    ctsim::ControllerModel model;
    const ctsim::ConsoleResult result = ctsim::runConsoleCommand(model, line, 0);
    if (reply.startsWith(QStringLiteral("error: ")))
        QVERIFY2(result.reply.startsWith(reply), qPrintable(result.reply));
    else
        QCOMPARE(result.reply, reply);
    QCOMPARE(model.faults().describe(), faults);
    QVERIFY(result.outputs.empty());
    QVERIFY(!result.quit);
}

void TestCtsimFaults::consoleCommandsActOnTheController() {
    ModelDriver driver;
    const auto run = [&driver](const char* line) {
        return ctsim::runConsoleCommand(driver.model, QString::fromLatin1(line), driver.now);
    };
    driver.send("0CM1");
    QVERIFY(driver.model.receive("0MP0\r\n", driver.now).empty());
    driver.now = 500;
    QCOMPARE(run("emergency on").outputs, (Outputs{{"0%%0E\r\n", 500}})); // the homing stops
    QVERIFY(run("status").reply.startsWith(QStringLiteral("status mode=comm homed=no position=1200 ")));
    run("emergency off");
    QCOMPARE(driver.send("0%C"), QByteArray("0%C00\r\n"));
    run("move-scale 0");
    QCOMPARE(driver.send("0MP0"), QByteArray("0MP00000000000\r\n"));

    run("silent"); // stray lines are never shaped
    const ctsim::ConsoleResult stray = run("stray \"0%%0E\"");
    QCOMPARE(stray.reply, QStringLiteral("ok stray \"0%%0E\""));
    QCOMPARE(stray.outputs, (Outputs{{"0%%0E\r\n", 500}}));
    QCOMPARE(run("stray-raw 0R").outputs, (Outputs{{"0R", 500}}));
    QVERIFY(run("help").reply.startsWith(QStringLiteral("commands: ")));
    QVERIFY(run("quit").quit);
}

void TestCtsimFaults::strayEscapes_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("quoted with blanks") << "\"a b \"" << QByteArray("a b ") << true;
    QTest::newRow("CR LF tab") << "a\\r\\n\\tb" << QByteArray("a\r\n\tb") << true;
    QTest::newRow("backslash and quote") << "\\\\\\\"" << QByteArray("\\\"") << true;
    QTest::newRow("hex") << "\\x00\\xfF" << QByteArray("\x00\xff", 2) << true;
    QTest::newRow("hex cut short") << "\\x4" << QByteArray() << false;
    QTest::newRow("hex not hex") << "\\xZZ" << QByteArray() << false;
    QTest::newRow("trailing backslash") << "a\\" << QByteArray() << false;
    QTest::newRow("unknown escape") << "\\q" << QByteArray() << false;
}

void TestCtsimFaults::strayEscapes() {
    QFETCH(QString, argument);
    QFETCH(QByteArray, bytes);
    QFETCH(bool, valid);
    const std::optional<QByteArray> text = ctsim::unescapeStrayText(argument);
    QCOMPARE(text.has_value(), valid);
    if (valid)
        QCOMPARE(*text, bytes);
}

QTEST_APPLESS_MAIN(TestCtsimFaults)
#include "tst_ctsim_faults.moc"
