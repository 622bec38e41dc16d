// Faults the controller model can be told to show, and the operator commands that set them.

#include "ModelDriver.h"
#include "model/ConsoleCommands.h"

#include <QtTest>

using ctsim::Output;
using ctsim::Outputs;

namespace {

const QByteArray Ok0RV = "0RV120000\r\n";

} // namespace

class TestCtsimFaults : public QObject {
    Q_OBJECT

private slots:
    void silent_data();
    void silent();
    void onceWaitsForALineThatIsAnswered();
    void split_data();
    void split();
    void wrongEcho_data();
    void wrongEcho();
    void wrongLength_data();
    void wrongLength();
    void delayAndSplitOnAMoveReply();
    void alarmOnceRefusesWithoutCarryingOut_data();
    void alarmOnceRefusesWithoutCarryingOut();
    void strayLineIsSentAtOnce();
    void clearRemovesEverything();

    void consoleCommands_data();
    void consoleCommands();
    void consoleCommandsActOnTheController();
    void strayEscapes_data();
    void strayEscapes();
};

void TestCtsimFaults::silent_data() {
    QTest::addColumn<bool>("once");
    QTest::addColumn<QByteArrayList>("replies");
    QTest::newRow("once") << true << QByteArrayList{"", Ok0RV, Ok0RV};
    QTest::newRow("until cleared") << false << QByteArrayList{"", "", ""};
}

void TestCtsimFaults::silent() {
    QFETCH(bool, once);
    QFETCH(QByteArrayList, replies);
    ModelDriver driver;
    driver.model.faults().setSilent(once);
    for (const QByteArray& reply : replies)
        QCOMPARE(driver.send("0RV"), reply);
    driver.model.faults().clear();
    QCOMPARE(driver.send("0RV"), Ok0RV);
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

void TestCtsimFaults::split_data() {
    QTest::addColumn<int>("pieces");
    QTest::addColumn<int>("gapMs");
    QTest::addColumn<QByteArrayList>("writes");
    QTest::newRow("2 pieces, 50 ms") << 2 << 50 << QByteArrayList{"0RV120", "000\r\n"};
    QTest::newRow("3 pieces, no gap") << 3 << 0 << QByteArrayList{"0RV1", "2000", "0\r\n"};
    QTest::newRow("one character each")
        << 11 << 5 << QByteArrayList{"0", "R", "V", "1", "2", "0", "0", "0", "0", "\r", "\n"};
    QTest::newRow("more pieces than characters")
        << 30 << 1 << QByteArrayList{"0", "R", "V", "1", "2", "0", "0", "0", "0", "\r", "\n"};
}

void TestCtsimFaults::split() {
    QFETCH(int, pieces);
    QFETCH(int, gapMs);
    QFETCH(QByteArrayList, writes);
    ModelDriver driver;
    driver.now = 1000;
    driver.model.faults().setSplit(pieces, gapMs, false);
    for (int round = 0; round < 2; ++round) {
        const Outputs outputs = driver.model.receive("0RV\r\n", driver.now);
        QCOMPARE(qsizetype(outputs.size()), writes.size());
        for (size_t i = 0; i < outputs.size(); ++i)
            QCOMPARE(outputs[i], (Output{writes[qsizetype(i)], driver.now + qint64(i) * gapMs}));
        driver.now += 1000;
    }
}

void TestCtsimFaults::wrongEcho_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("0RV") << QByteArray("0RV") << QByteArray("0R?120000\r\n");
    QTest::newRow("status reply") << QByteArray("0XY") << QByteArray("0%?01\r\n");
    QTest::newRow("0RD10") << QByteArray("0RD10") << QByteArray("0R?10004E2002020202FF\r\n");
}

void TestCtsimFaults::wrongEcho() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    ModelDriver driver;
    driver.model.faults().setWrongEcho(false);
    QCOMPARE(driver.send(command), reply);
    QCOMPARE(driver.send(command), reply);
}

void TestCtsimFaults::wrongLength_data() {
    QTest::addColumn<int>("delta");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("one too many") << 1 << QByteArray("0RV") << QByteArray("0RV1200000\r\n");
    QTest::newRow("one too few") << -1 << QByteArray("0RV") << QByteArray("0RV12000\r\n");
    QTest::newRow("0CM1 one too many") << 1 << QByteArray("0CM1") << QByteArray("0CM10\r\n");
    QTest::newRow("0CM1 one too few") << -1 << QByteArray("0CM1") << QByteArray("0CM\r\n");
}

void TestCtsimFaults::wrongLength() {
    QFETCH(int, delta);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    ModelDriver driver;
    driver.model.faults().setLengthError(delta, true);
    QCOMPARE(driver.send(command), reply);
    QCOMPARE(driver.send(command).size(), reply.size() - delta);
}

void TestCtsimFaults::delayAndSplitOnAMoveReply() {
    ModelDriver driver;
    driver.send("0CM1");
    driver.model.faults().setDelay(300, true);
    driver.model.faults().setSplit(2, 40, true);
    QVERIFY(driver.model.receive("0MP0\r\n", driver.now).empty()); // 1250 ms of homing
    driver.now = 1250;
    const Outputs outputs = driver.model.tick(driver.now);
    QCOMPARE(outputs, (Outputs{{"0MP00000", 1550}, {"000000\r\n", 1590}}));
    // Both were "once": the next reply is whole and on time.
    QCOMPARE(driver.model.receive("0RV\r\n", driver.now), (Outputs{{Ok0RV, 1250}}));
}

void TestCtsimFaults::alarmOnceRefusesWithoutCarryingOut_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("check");
    QTest::addColumn<QByteArray>("unchanged");
    QTest::newRow("position write") << QByteArray("0WP191110003E8") << QByteArray("0RP1")
                                    << QByteArray("0RP15212000FA0\r\n");
    QTest::newRow("block write") << QByteArray("0WD10000FA002020202FF") << QByteArray("0RD10")
                                 << QByteArray("0RD10004E2002020202FF\r\n");
    QTest::newRow("mode change") << QByteArray("0CM0") << QByteArray("0RS") << QByteArray("0RS02\r\n");
    QTest::newRow("move") << QByteArray("0MP0") << QByteArray("0RH") << QByteArray("0RH0\r\n");
}

void TestCtsimFaults::alarmOnceRefusesWithoutCarryingOut() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, check);
    QFETCH(QByteArray, unchanged);
    ModelDriver driver;
    driver.send("0CM1");
    driver.model.faults().setAlarmOnce(0x0A);
    QCOMPARE(driver.send("0CM3"), QByteArray()); // the reset is not answered and leaves the fault pending
    driver.send("0CM1");                         // ...so this is refused
    QCOMPARE(driver.send("0CM1"), QByteArray("0CM1\r\n"));
    driver.model.faults().setAlarmOnce(0x0A);
    QCOMPARE(driver.send(command), QByteArray("0%%0A\r\n"));
    QVERIFY(!driver.model.nextDeadlineMs());
    QCOMPARE(driver.send(check), unchanged);
    QCOMPARE(driver.send("0%%"), QByteArray("0%%00\r\n")); // not latched
}

void TestCtsimFaults::strayLineIsSentAtOnce() {
    ModelDriver driver;
    driver.now = 777;
    QCOMPARE(driver.model.stray("0%%0E\r\n", driver.now), (Outputs{{"0%%0E\r\n", 777}}));
    driver.model.faults().setSilent(false); // stray lines are never shaped
    QCOMPARE(driver.model.stray("X", driver.now), (Outputs{{"X", 777}}));
}

void TestCtsimFaults::clearRemovesEverything() {
    ModelDriver driver;
    ctsim::FaultSet& faults = driver.model.faults();
    faults.setSilent(false);
    faults.setSplit(3, 10, false);
    faults.setWrongEcho(false);
    faults.setLengthError(1, false);
    faults.setDelay(100, false);
    faults.setAlarmOnce(0x22);
    faults.setHomeSensorFail();
    QCOMPARE(faults.describe(),
             QStringLiteral("silent, split 3 10, echo-wrong, long, delay 100, alarm 22 once, "
                            "home-sensor-fail"));
    faults.clear();
    QCOMPARE(faults.describe(), QStringLiteral("none"));
    QCOMPARE(driver.model.receive("0RV\r\n", 0), (Outputs{{Ok0RV, 0}}));
    driver.send("0CM1");
    QCOMPARE(driver.exchange("0MP0"), QByteArray("0MP00000000000\r\n"));
}

void TestCtsimFaults::consoleCommands_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("reply");
    QTest::addColumn<QString>("faults");

    const QString none = QStringLiteral("none");
    QTest::newRow("silent") << "silent"
                            << "ok silent"
                            << "silent";
    QTest::newRow("silent once") << "  silent   once "
                                 << "ok silent once"
                                 << "silent once";
    QTest::newRow("split") << "split 3 50"
                           << "ok split 3 50"
                           << "split 3 50";
    QTest::newRow("split once") << "split 2 0 once"
                                << "ok split 2 0 once"
                                << "split 2 0 once";
    QTest::newRow("echo-wrong") << "echo-wrong"
                                << "ok echo-wrong"
                                << "echo-wrong";
    QTest::newRow("long once") << "long once"
                               << "ok long once"
                               << "long once";
    QTest::newRow("short") << "short"
                           << "ok short"
                           << "short";
    QTest::newRow("delay") << "delay 300"
                           << "ok delay 300"
                           << "delay 300";
    QTest::newRow("delay once") << "delay 0 once"
                                << "ok delay 0 once"
                                << "delay 0 once";
    QTest::newRow("alarm once") << "alarm 0a once"
                                << "ok alarm 0A once"
                                << "alarm 0A once";
    QTest::newRow("home-sensor-fail") << "home-sensor-fail"
                                      << "ok home-sensor-fail"
                                      << "home-sensor-fail";
    QTest::newRow("clear") << "clear"
                           << "ok clear" << none;

    const QString usageSplit = QStringLiteral("error: usage: split PIECES(2-64) GAP_MS(0-60000) [once]");
    QTest::newRow("empty") << ""
                           << "error: empty command (try: help)" << none;
    QTest::newRow("unknown") << "explode"
                             << "error: unknown command \"explode\" (try: help)" << none;
    QTest::newRow("silent twice") << "silent twice"
                                  << "error: silent takes only an optional \"once\"" << none;
    QTest::newRow("split without gap") << "split 3" << usageSplit << none;
    QTest::newRow("split one piece") << "split 1 10" << usageSplit << none;
    QTest::newRow("split negative gap") << "split 3 -1" << usageSplit << none;
    QTest::newRow("split text") << "split a b" << usageSplit << none;
    QTest::newRow("delay missing") << "delay"
                                   << "error: usage: delay MS(0-600000) [once]" << none;
    QTest::newRow("delay too long") << "delay 600001"
                                    << "error: usage: delay MS(0-600000) [once]" << none;
    QTest::newRow("alarm 00") << "alarm 00"
                              << "error: usage: alarm NN [once] (NN: two hexadecimal digits, not 00)" << none;
    QTest::newRow("alarm three digits")
        << "alarm 10A once"
        << "error: usage: alarm NN [once] (NN: two hexadecimal digits, not 00)" << none;
    QTest::newRow("alarm not hex") << "alarm ZZ"
                                   << "error: usage: alarm NN [once] (NN: two hexadecimal digits, not 00)"
                                   << none;
    QTest::newRow("emergency maybe") << "emergency maybe"
                                     << "error: usage: emergency on|off" << none;
    QTest::newRow("home-sensor-fail with argument")
        << "home-sensor-fail now"
        << "error: unknown command \"home-sensor-fail now\" (try: help)" << none;
    QTest::newRow("inputs 8")
        << "inputs 8"
        << "error: usage: inputs N (0-7: active POSI inputs, 1 POSI1 + 2 POSI2 + 4 POSI4)" << none;
    QTest::newRow("move-scale 2") << "move-scale 2"
                                  << "error: usage: move-scale X (0 to 1)" << none;
    QTest::newRow("stray empty")
        << "stray"
        << "error: usage: stray TEXT (quotes optional; escapes \\r \\n \\t \\\\ \\\" \\xHH)" << none;
    QTest::newRow("stray bad escape")
        << "stray \"a\\q\""
        << "error: usage: stray TEXT (quotes optional; escapes \\r \\n \\t \\\\ \\\" \\xHH)" << none;
}

void TestCtsimFaults::consoleCommands() {
    QFETCH(QString, line);
    QFETCH(QString, reply);
    QFETCH(QString, faults);
    ctsim::ControllerModel model;
    const ctsim::ConsoleResult result = ctsim::runConsoleCommand(model, line, 0);
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

    QCOMPARE(run("alarm 5C").reply, QStringLiteral("ok alarm 5C"));
    QCOMPARE(driver.send("0RV"), QByteArray("0%%5C\r\n"));
    QCOMPARE(driver.send("0%C"), QByteArray("0%C00\r\n"));

    QVERIFY(driver.model.receive("0MP0\r\n", driver.now).empty());
    driver.now = 500;
    const ctsim::ConsoleResult stop = run("emergency on");
    QCOMPARE(stop.reply, QStringLiteral("ok emergency on"));
    QCOMPARE(stop.outputs, (Outputs{{"0%%0E\r\n", 500}}));
    QVERIFY(run("status").reply.startsWith(QStringLiteral("status mode=comm homed=no position=1200 ")));
    QCOMPARE(run("emergency off").reply, QStringLiteral("ok emergency off"));
    QCOMPARE(driver.send("0%C"), QByteArray("0%C00\r\n"));

    QCOMPARE(run("inputs 3").reply, QStringLiteral("ok inputs 3"));
    QCOMPARE(driver.send("0RB106"), QByteArray("0RB106FC\r\n"));

    QCOMPARE(run("move-scale 0").reply, QStringLiteral("ok move-scale 0"));
    QCOMPARE(driver.send("0MP0"), QByteArray("0MP00000000000\r\n"));

    const ctsim::ConsoleResult stray = run("stray \"0%%0E\"");
    QCOMPARE(stray.reply, QStringLiteral("ok stray \"0%%0E\""));
    QCOMPARE(stray.outputs, (Outputs{{"0%%0E\r\n", 500}}));
    QCOMPARE(run("stray-raw 0R").outputs, (Outputs{{"0R", 500}}));

    QVERIFY(run("help").reply.startsWith(QStringLiteral("commands: silent [once] | split N GAP [once]")));
    const ctsim::ConsoleResult quit = run("quit");
    QCOMPARE(quit.reply, QStringLiteral("ok quit"));
    QVERIFY(quit.quit);
}

void TestCtsimFaults::strayEscapes_data() {
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "0RV120" << QByteArray("0RV120") << true;
    QTest::newRow("quoted with blanks") << "\"a b \"" << QByteArray("a b ") << true;
    QTest::newRow("one quote kept") << "\"a" << QByteArray("\"a") << true;
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
