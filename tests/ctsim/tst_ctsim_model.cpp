// The controller model against the command set: dialogues with hand-written replies (records, parameter
// blocks, refusals, modes, alarms, emergency stop, reset), and move timing against the program's estimate.

#include "ModelDriver.h"
#include "model/ConsoleCommands.h"
#include "model/LineAssembler.h"

#include <QtTest>

#include <cmath>

namespace {

// Characters first to last of a reply, counted from 1 as the program reads them.
QByteArray chars(const QByteArray& reply, int first, int last) {
    return reply.mid(first - 1, last - first + 1);
}

int hexAt(const QByteArray& reply, int first, int last) {
    bool valid = false;
    const int value = chars(reply, first, last).toInt(&valid, 16);
    if (!valid)
        qFatal("not hexadecimal: %s", reply.constData());
    return value;
}

// The move-time estimate in seconds as the program forms it (in float) from what it reads before a move.
float programEstimate(ModelDriver& driver, int posNo) {
    const bool homed = driver.exchange("0RH") == "0RH1\r\n";
    const QByteArray block11 = driver.exchange("0RD11");
    const QByteArray block12 = driver.exchange("0RD12");
    // VEL 1-3 and the homing speed (here VEL 0) in block 11, VEL 4-9 in block 12.
    const auto speedSetting = [&](int vel) {
        const int first = vel == 0 ? 12 : vel <= 3 ? 6 + 2 * (vel - 1) : 6 + 2 * (vel - 4);
        return hexAt(vel <= 3 ? block11 : block12, first, first + 1);
    };
    const float homeTime = posNo == 0 || !homed ? float(hexAt(driver.exchange("0RD10"), 6, 11)) /
                                                      float(1600 - (speedSetting(0) - 1) * 100)
                                                : 0.0f;
    if (posNo == 0)
        return homeTime;
    const QByteArray record = driver.exchange("0RP" + QByteArray::number(posNo));
    const int target = hexAt(record, 9, 14);
    const int distance = homed ? std::abs(hexAt(driver.exchange("0RC"), 9, 14) - target) : target;
    return homeTime + float(distance) / float(speedSetting(hexAt(record, 5, 5)) * 166);
}

const QByteArray Ok0RV = "0RV120000\r\n";

} // namespace

class TestCtsimModel : public QObject {
    Q_OBJECT

private slots:
    void lineAssembler_data();
    void lineAssembler();
    void dialogue_data();
    void dialogue();
    void factoryStrokeMatchesItsMillimetres();

    void moveTiming_data();
    void moveTiming();
    void moveTimeScale();
    void commandsWaitUntilTheMoveEnds();
};

void TestCtsimModel::lineAssembler_data() {
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArray>("pending");

    const auto row = [](const char* name, const QByteArrayList& reads, const QByteArrayList& lines,
                        const QByteArray& pending = {}) {
        QTest::newRow(name) << reads << lines << pending;
    };
    row("lone CR, lone LF", {"0RV\r0RH\n"}, {"0RV", "0RH"});
    row("CR LF split over reads", {"0R", "V\r", "\n0RH\r\n"}, {"0RV", "0RH"});
    row("LF CR ends two lines", {"A\n\rB\r\n"}, {"A", "", "B"});
    row("unterminated text waits", {"0RV\r\n0R"}, {"0RV"}, "0R");
    row("overlong line truncated", {QByteArray(100, 'A') + "\r\n"}, {QByteArray(64, 'A')});
}

void TestCtsimModel::lineAssembler() {
    QFETCH(QByteArrayList, reads);
    QFETCH(QByteArrayList, lines);
    QFETCH(QByteArray, pending);
    ctsim::LineAssembler assembler;
    QByteArrayList got;
    for (const QByteArray& read : reads) {
        for (const QByteArray& line : assembler.feed(read))
            got << line;
    }
    QCOMPARE(got, lines);
    QCOMPARE(assembler.pending(), pending);
}

void TestCtsimModel::dialogue_data() {
    // Each step is "command=reply" (CR LF left out), "command=reply@ms" when the reply comes ms after the
    // command, or "command" alone when no reply may come. The reply is awaited, but not after "~command";
    // "+ms" lets time pass, and "!line" gives an operator command. Their replies are what the controller
    // sends at once. Replies are written out from the record and block layouts.
    QTest::addColumn<QByteArrayList>("steps");
    const auto row = [](const char* name, const QByteArrayList& steps) {
        QTest::newRow(name) << steps;
    };
    row("factory blocks and positions",
        {"0RD00=0RD00FF02140000FFFFFF", "0RD10=0RD10004E2002020202FF", "0RD11=0RD1114283C010400FFFF",
         "0RD12=0RD12506478A0C8F0FFFF", "0RD13=0RD13050A140101020190", "0RD14=0RD141C4C006400FFFFFF",
         "0RP1=0RP15212000FA0", "0RP2=0RP27222002710", "0RP3=0RP39332003E80"});
    row("status at power-on", {"0RS=0RS00", "0RH=0RH0", "0RC=0RCF00000007D0", "0RV=0RV120000", "0%C=0%C00",
                               "0%%=0%%00", "0RB105=0RB105FF", "0RB106=0RB106FF", "0RB107=0RB107F0"});
    row("moves and writes in communication mode only",
        {"0CM1=0CM1", "0RS=0RS02", "0WD10004E2002020202FF=0WD10004E2002020202FF",
         "0WP2412000C350=0WP2412000C350", "0WB10703=0WB107F3", "0MP1=0MP15212000FA0", "0CM0=0CM0",
         "0MP0=0%%03"});
    row("external start mode carries out no move or write",
        {"0MP1=0%%03", "0WP191110003E8=0%%03", "0WD10000FA002020202FF=0%%03", "0WB10702=0%%03", "0RH=0RH0",
         "0RP1=0RP15212000FA0", "0RD10=0RD10004E2002020202FF", "0RB107=0RB107F0"});
    row("unknown commands", {"0XY=0%%01", "0R=0%%01", "0RV=0RV120000"});
    row("data where none belongs", {"0RV1=0%%02", "0RH0=0%%02", "0RS =0%%02", "0RC1=0%%02", "0%CX=0%%02",
                                    "0%%0=0%%02", "0RV=0RV120000"});
    row("numbers out of range",
        {"0RD15=0%%02", "0RP0=0%%02", "0RP4=0%%02", "0RB108=0%%02", "0CM2=0%%02", "0CM1=0CM1", "0MP4=0%%02",
         "0WB105FF=0%%02", "0WB1070f=0%%02", "0RV=0RV120000"});
    row("lines of no one's", {"1RV", "", "0RV=0RV120000"});
    row("position writes", {"0CM1=0CM1", "0WP11100000000=0WP11100000000", "0WP39333FFFFFF=0WP39333FFFFFF",
                            "0RP1=0RP11100000000", "0RP2=0RP27222002710", "0RP3=0RP39333FFFFFF"});
    // VEL 0, ACC 0 and 4, OUT 4, brake code 4, number 0 and 4, lower case, one character short and long.
    row("position writes refused",
        {"0CM1=0CM1", "0WP10212000FA0=0%%02", "0WP15012000FA0=0%%02", "0WP15412000FA0=0%%02",
         "0WP15242000FA0=0%%02", "0WP15214000FA0=0%%02", "0WP05212000FA0=0%%02", "0WP45212000FA0=0%%02",
         "0WP15212000fa0=0%%02", "0WP15212000FA=0%%02", "0WP15212000FA00=0%%02", "0RP1=0RP15212000FA0"});
    row("block writes keep the fixed digits",
        {"0CM1=0CM1", "0WD0000001234AB000000=0WD00FF021234ABFFFFFF",
         "0WD1000271000000000AA=0WD1000271002020202FF", "0WD11F0F0F01008010000=0WD11F0F0F0100801FFFF",
         "0WD1204080C1014181234=0WD1204080C101418FFFF", "0WD131E1E1E0000060C80=0WD131E1E1E0000060C80",
         "0WD142345003201000000=0WD142345003201FFFFFF", "0RD00=0RD00FF021234ABFFFFFF",
         "0RD14=0RD142345003201FFFFFF"});
    // Unknown block, 15 digits, lower case, type 3, lead 0, 0 pulses per revolution.
    row("block writes refused",
        {"0CM1=0CM1", "0WD15004E2002020202FF=0%%02", "0WD10004E2002020202F=0%%02",
         "0WD10004e2002020202FF=0%%02", "0WD141C4C006403FFFFFF=0%%02", "0WD13050A140101000190=0%%02",
         "0WD13050A140101020000=0%%02", "0RD13=0RD13050A140101020190", "0RD14=0RD141C4C006400FFFFFF"});
    // The spare output stays as written.
    row("moves set place, homing, outputs and registers",
        {"0CM1=0CM1", "0WB10708=0WB107F8", "0MP0=0MP00000000000", "0RH=0RH1", "0RC=0RC00000000000",
         "0RS=0RS03", "0RB107=0RB107F9", "0RB105=0RB105EF", "0MP1=0MP15212000FA0", "0RC=0RC10000000FA0",
         "0RS=0RS13", "0RB107=0RB107FB", "0RB105=0RB105FF", "0MP3=0MP39332003E80", "0RS=0RS33",
         "0RB107=0RB107FF"});
    // The input digit of a write to 107 is ignored.
    row("registers",
        {"!inputs 1", "0RB106=0RB106FE", "!inputs 6", "0RB106=0RB106F9", "0CM1=0CM1", "0WB107F3=0WB107F3",
         "0RB107=0RB107F3", "0RS=0RS12", "0WB10704=0WB107F4", "0RS=0RS22", "0WB107FF=0WB107FF", "0RS=0RS32"});
    row("alarm latched until reset",
        {"0CM1=0CM1", "!alarm 5C", "0RV=0%%5C", "0RD10=0%%5C", "0RP1=0%%5C", "0WP15212000FA0=0%%5C",
         "0MP1=0%%5C", "0RH=0%%5C", "0RC=0%%5C", "0RS=0%%5C", "0WB10702=0%%5C", "0WD10004E2002020202FF=0%%5C",
         "0CM1=0CM1", "0RB106=0RB106FF", "0%%=0%%5C", "0%C=0%C00", "0RV=0RV120000", "0RH=0RH0"});
    // Stroke 4000 pulses: position 2 (10000) lies beyond it, position 1 (4000) does not.
    row("move beyond the stroke", {"0CM1=0CM1", "0WD10000FA002020202FF=0WD10000FA002020202FF", "0MP2=0%%04",
                                   "0RV=0%%04", "0%C=0%C00", "0RH=0RH0", "0MP1=0MP15212000FA0"});
    // The EMG STOP input reads 0 in register 107 while the button is pressed.
    row("emergency stop at rest",
        {"0CM1=0CM1", "0MP1=0MP15212000FA0", "!emergency on", "0RV=0%%0E", "0RB107=0RB107D3", "0%C=0%%0E",
         "0CM3", "0%%=0%%0E", "!emergency off", "0RV=0%%0E", "0%C=0%C00", "0RB107=0RB107F0"});
    // The failure comes after as long as a homing from the power-on place.
    row("home sensor not found", {"0CM1=0CM1", "!home-sensor-fail", "0MP2=0%%0B@1250", "0MP0=0%%0B",
                                  "0%C=0%C00", "0RH=0RH0", "0MP0=0MP00000000000"});
    // Position 3 (16000) from home takes 401 ms: stopped after 205 ms, the slide stands at 8180 (1FF4).
    row("emergency stop during a move, hold",
        {"0CM1=0CM1", "0MP0=0MP00000000000", "~0MP3", "+205", "!emergency on=0%%0E", "!emergency off",
         "0%C=0%C00", "0RH=0RH1", "0RC=0RCF0000001FF4"});
    row("emergency stop during a move, reset",
        {"0CM1=0CM1", "0WD13050A140001020190=0WD13050A140001020190", "0MP0=0MP00000000000", "~0MP3", "+205",
         "!emergency on=0%%0E", "!emergency off", "0%C=0%C00", "0RH=0RH0", "0RC=0RCF0000001FF4"});
    // Reset after 105 ms of that move (at 4190, 105E): neither the move nor the waiting line is answered.
    row("reset during a move", {"0CM1=0CM1", "0MP0=0MP00000000000", "~0MP3", "+105", "~0RV", "~0CM3", "+1000",
                                "0RH=0RH0", "0RC=0RCF000000105E"});
    row("reset keeps parameters, positions and place",
        {"0CM1=0CM1", "0WD12080C1014181CFFFF=0WD12080C1014181CFFFF", "0WP191110003E8=0WP191110003E8",
         "0MP1=0MP191110003E8", "!alarm 0A", "0CM3", "0%%=0%%00", "0RS=0RS00", "0RC=0RCF00000003E8",
         "0MP1=0%%03", "0RD12=0RD12080C1014181CFFFF", "0RP1=0RP191110003E8"});
}

void TestCtsimModel::dialogue() {
    QFETCH(QByteArrayList, steps);
    ModelDriver driver;
    for (const QByteArray& step : steps) {
        const qsizetype equals = step.indexOf('=');
        const QByteArray command = equals < 0 ? step : step.left(equals);
        const QByteArrayList answer = equals < 0 ? QByteArrayList{""} : step.mid(equals + 1).split('@');
        QByteArray got;
        qint64 elapsedMs = -1;
        if (command.startsWith('!')) {
            const ctsim::ConsoleResult result =
                ctsim::runConsoleCommand(driver.model, QString::fromLatin1(command.mid(1)), driver.now);
            QVERIFY2(result.reply.startsWith(QStringLiteral("ok ")), qPrintable(result.reply));
            got = ModelDriver::joined(result.outputs);
        } else if (command.startsWith('+')) {
            driver.now += command.mid(1).toLongLong();
            got = ModelDriver::joined(driver.model.tick(driver.now));
        } else if (command.startsWith('~')) {
            got = driver.send(command.mid(1));
        } else {
            got = driver.exchange(command, &elapsedMs);
        }
        QVERIFY2(got == (answer[0].isEmpty() ? QByteArray() : answer[0] + "\r\n"),
                 (step + " got " + got.trimmed()).constData());
        if (answer.size() > 1)
            QCOMPARE(elapsedMs, answer[1].toLongLong());
    }
}

void TestCtsimModel::factoryStrokeMatchesItsMillimetres() {
    // Stroke in pulses (block 10) = stroke in mm (block 14) / lead x pulses per revolution (block 13).
    ModelDriver driver;
    const QByteArray block13 = driver.exchange("0RD13");
    const int strokeMm = hexAt(driver.exchange("0RD14"), 10, 13);
    QCOMPARE(hexAt(driver.exchange("0RD10"), 6, 11),
             strokeMm / hexAt(block13, 16, 17) * hexAt(block13, 18, 21));
}

void TestCtsimModel::moveTiming_data() {
    QTest::addColumn<QByteArrayList>("setup");
    QTest::addColumn<int>("posNo");
    QTest::addColumn<qint64>("expectedMs");

    // Homing 1600 pulses/s; VEL 5 = 100 x 166, VEL 9 = 240 x 166 pulses/s.
    // The slide stands at 2000 pulses at power-on; positions 4000, 10000, 16000.
    const auto row = [](const char* name, const QByteArrayList& setup, int posNo, qint64 expectedMs) {
        QTest::newRow(name) << QByteArrayList{"0CM1"} + setup << posNo << expectedMs;
    };
    row("home from power-on", {}, 0, 1250);
    row("position 1 before homing homes first", {}, 1, 1250 + 240);
    row("position 3 from position 1", {"0MP0", "0MP1"}, 3, 301);
    row("position 1 from position 3", {"0MP0", "0MP3"}, 1, 722);
    row("home from position 3", {"0MP3"}, 0, 10000);
    row("same position again", {"0MP2"}, 2, 0);
    row("slowest homing speed 16", {"0WD1114283C100400FFFF"}, 0, 20000);
    row("homing no longer than over the whole stroke", {"0MP3", "0WD10000FA002020202FF"}, 0, 2500);
    row("VEL 1 set to the lowest speed", {"0MP0", "0WD1104283C010400FFFF", "0WP11100000FA0"}, 1, 6024);
}

void TestCtsimModel::moveTiming() {
    QFETCH(QByteArrayList, setup);
    QFETCH(int, posNo);
    QFETCH(qint64, expectedMs);
    ModelDriver driver;
    driver.exchangeAll(setup);
    const float estimate = programEstimate(driver, posNo);
    qint64 elapsed = -1;
    const QByteArray reply = driver.exchange("0MP" + QByteArray::number(posNo), &elapsed);
    QCOMPARE(chars(reply, 1, 4), "0MP" + QByteArray::number(posNo));
    QCOMPARE(elapsed, expectedMs);
    QVERIFY2(double(elapsed) <= double(estimate) * 1000.0 + 0.5,
             qPrintable(QStringLiteral("%1 ms > estimate %2 s").arg(elapsed).arg(estimate)));
}

void TestCtsimModel::moveTimeScale() {
    ModelDriver driver;
    driver.exchange("0CM1");
    driver.model.setMoveTimeScale(0.1);
    qint64 elapsed = -1;
    driver.exchange("0MP0", &elapsed);
    QCOMPARE(elapsed, qint64(125));
    driver.model.setMoveTimeScale(0.0);
    QCOMPARE(driver.send("0MP3"), QByteArray("0MP39332003E80\r\n"));
    driver.model.setMoveTimeScale(5.0); // never slower than true time
    driver.exchange("0MP1", &elapsed);
    QCOMPARE(elapsed, qint64(722));
}

void TestCtsimModel::commandsWaitUntilTheMoveEnds() {
    ModelDriver driver;
    driver.exchange("0CM1");
    QCOMPARE(driver.send("0MP3"), QByteArray()); // homing 1250 ms, then 16000 pulses at VEL 9: 401 ms
    QCOMPARE(driver.model.nextDeadlineMs(), std::optional<qint64>(1651));
    QVERIFY(driver.model.receive("0RC\r\n0RV\r\n", 100).empty());
    QVERIFY(driver.model.tick(1650).empty());
    const ctsim::Outputs outputs = driver.model.tick(1700);
    QCOMPARE(outputs,
             (ctsim::Outputs{{"0MP39332003E80\r\n", 1651}, {"0RC30000003E80\r\n", 1700}, {Ok0RV, 1700}}));
}

QTEST_APPLESS_MAIN(TestCtsimModel)
#include "tst_ctsim_model.moc"
