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
    // Each fault set by its operator command shapes the first reply, and the second unless "once".
    void replyFaults_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArrayList>("first");
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

    void replyFaults() {
        QFETCH(QString, fault);
        QFETCH(QByteArray, command);
        QFETCH(QByteArrayList, first);
        QFETCH(QByteArrayList, second);
        ModelDriver driver;
        QCOMPARE(ctsim::runConsoleCommand(driver.model, fault, 0).reply, QStringLiteral("ok ") + fault);
        QCOMPARE(writes(driver.model.receive(command + "\r\n", 0)), first);
        QCOMPARE(writes(driver.model.receive(command + "\r\n", 0)), second);
        QCOMPARE(driver.model.faults().describe(),
                 fault.endsWith(QStringLiteral(" once")) ? QStringLiteral("none") : fault);
    }

    // A "once" fault waits for a line that is answered; "0CM3" and other stations' lines are not.
    void onceFaultsWaitForAnAnsweredLine() {
        ModelDriver driver;
        driver.model.faults().setWrongEcho(true);
        QCOMPARE(driver.send("") + driver.send("1RV") + driver.send("0CM3"), QByteArray());
        QCOMPARE(driver.send("0RV"), QByteArray("0R?120000\r\n"));
        driver.model.faults().setAlarmOnce(0x0A);
        QCOMPARE(driver.send("0CM3"), QByteArray());
        QCOMPARE(driver.send("0CM1"), QByteArray("0%%0A\r\n"));
        QCOMPARE(driver.send("0RS"), QByteArray("0RS00\r\n")); // refused: still in external start mode
        QCOMPARE(driver.send("0%%"), QByteArray("0%%00\r\n")); // not latched
    }

    void delayAndSplitOnAMoveReply() {
        ModelDriver driver;
        driver.send("0CM1");
        driver.model.faults().setDelay(300, true);
        driver.model.faults().setSplit(2, 40, true);
        QVERIFY(driver.model.receive("0MP0\r\n", driver.now).empty()); // 1250 ms of homing
        QCOMPARE(writes(driver.model.tick(1250)), (QByteArrayList{"0MP00000@1550", "000000\r\n@1590"}));
        QCOMPARE(writes(driver.model.receive("0RV\r\n", 1250)), QByteArrayList{Ok0RV + "@1250"});
    }

    void consoleCommands() {
        // The line, the whole "ok" reply or how the "error:" reply begins, and the faults then set.
        const QList<std::tuple<QString, QString, QString>> cases{
            {"  silent   once ", "ok silent once", "silent once"},
            {"alarm 0a once", "ok alarm 0A once", "alarm 0A once"},
            {"", "error: empty command", "none"},
            {"silent twice", "error: silent takes only an optional \"once\"", "none"},
            {"split 1 10", "error: usage: split", "none"},
            {"alarm 10A once", "error: usage: alarm", "none"},
            {"stray \"a\\q\"", "error: usage: stray", "none"},
            {"position 49110000000", "error: usage: position", "none"}};
        for (const auto& [line, reply, faults] : cases) {
            ctsim::ControllerModel model;
            const ctsim::ConsoleResult result = ctsim::runConsoleCommand(model, line, 0);
            QVERIFY2(reply.startsWith(QStringLiteral("error: ")) ? result.reply.startsWith(reply)
                                                                 : result.reply == reply,
                     qPrintable(result.reply));
            QCOMPARE(model.faults().describe(), faults);
            QVERIFY(result.outputs.empty() && !result.quit);
        }
    }

    void consoleCommandsActOnTheController() {
        ModelDriver driver;
        const auto run = [&driver](const char* line) {
            return ctsim::runConsoleCommand(driver.model, QString::fromLatin1(line), driver.now);
        };
        driver.send("0CM1");
        QVERIFY(driver.model.receive("0MP0\r\n", driver.now).empty());
        driver.now = 500;
        QCOMPARE(run("emergency on").outputs, (Outputs{{"0%%0E\r\n", 500}})); // the homing stops
        QVERIFY(run("status").reply.startsWith(QStringLiteral("status mode=comm homed=no position=1200 ")));
        for (const char* fault :
             {"silent", "split 3 10", "long", "delay 100", "alarm 22 once", "home-sensor-fail"})
            run(fault);
        QCOMPARE(run("stray \"0%%0E\"").outputs, (Outputs{{"0%%0E\r\n", 500}})); // never shaped
        QCOMPARE(run("stray-raw 0R").outputs, (Outputs{{"0R", 500}}));
        run("clear");
        QCOMPARE(driver.model.faults().describe(), QStringLiteral("none"));
        run("emergency off");
        QCOMPARE(driver.send("0%C"), QByteArray("0%C00\r\n"));
        QVERIFY(run("quit").quit);
    }

    // A burst leaves in 4096-byte writes, the same bytes for the same seed; garble-next puts its bytes
    // into the next reply only, before the CR LF; a hang-up cuts the next reply, and until "clear"
    // nothing crosses the line either way.
    void noiseAndHangUp() {
        ModelDriver driver;
        const auto run = [&driver](const char* line) {
            return ctsim::runConsoleCommand(driver.model, QString::fromLatin1(line), 0);
        };
        const ctsim::ConsoleResult burst = run("burst 10000 7");
        QCOMPARE(burst.reply, QStringLiteral("ok burst 10000 7"));
        QCOMPARE(writes(burst.outputs).size(), 3);
        QCOMPARE(burst.outputs.back().bytes.size(), 10000 - 2 * 4096);
        const QByteArray noise = ModelDriver::joined(burst.outputs);
        QCOMPARE(ModelDriver::joined(run("burst 10000 7").outputs), noise);
        QVERIFY(ModelDriver::joined(run("burst 10000 8").outputs) != noise);
        QVERIFY(run("burst 3").reply.startsWith(QStringLiteral("ok burst 3 "))); // a seed of its own
        for (const char* wrong : {"burst 0", "burst 5 x", "garble-next", "hangup -1"})
            QVERIFY2(run(wrong).reply.startsWith(QStringLiteral("error: usage:")), wrong);

        run("garble-next 5 3");
        const QByteArray garbled = driver.send("0RV");
        QCOMPARE(garbled.size(), Ok0RV.size() + 5);
        bool inserted = false;
        for (qsizetype at = 0; at + 5 <= garbled.size() - 2; ++at)
            inserted |= garbled.left(at) + garbled.mid(at + 5) == Ok0RV;
        QVERIFY2(inserted, garbled.toHex().constData());
        QCOMPARE(driver.send("0RV"), Ok0RV);

        run("hangup 4");
        QCOMPARE(driver.send("0RV"), QByteArray("0RV1"));
        QCOMPARE(driver.send("0CM1") + driver.send("0RV"), QByteArray());
        QCOMPARE(driver.model.faults().describe(), QStringLiteral("line cut"));
        run("clear");
        QVERIFY2(run("status").reply.startsWith(QStringLiteral("status mode=external")), "0CM1 was lost");
        QCOMPARE(driver.send("0RV"), Ok0RV);
    }

    void strayEscapes() {
        // The argument of "stray" and its bytes; nothing when it is refused.
        const QList<std::pair<QString, std::optional<QByteArray>>> cases{
            {"\"a b \"", "a b "},   {"a\\r\\n\\tb", "a\r\n\tb"},
            {"\\\\\\\"", "\\\""},   {"\\x00\\xfF", QByteArray("\x00\xff", 2)},
            {"\\x4", std::nullopt}, {"\\q", std::nullopt}};
        for (const auto& [argument, bytes] : cases)
            QVERIFY2(ctsim::unescapeStrayText(argument) == bytes, qPrintable(argument));
    }
};

QTEST_APPLESS_MAIN(TestCtsimFaults)
#include "tst_ctsim_faults.moc"
