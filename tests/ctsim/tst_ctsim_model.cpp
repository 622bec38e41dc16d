// The controller model against the command set: reply lengths and contents, records, parameter blocks,
// move timing against the program's estimate, alarms, emergency stop, modes and reset.

#include "ModelDriver.h"
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

// The move-time estimate in seconds exactly as the program forms it from what it reads before a move.
float programEstimate(ModelDriver& driver, int posNo) {
    const bool homed = chars(driver.exchange("0RH"), 4, 4) == "1";
    const QByteArray block10 = driver.exchange("0RD10");
    const QByteArray block11 = driver.exchange("0RD11");
    const QByteArray block12 = driver.exchange("0RD12");
    const int strokePulse = hexAt(block10, 6, 11);
    int speedTable[10];
    speedTable[1] = hexAt(block11, 6, 7);
    speedTable[2] = hexAt(block11, 8, 9);
    speedTable[3] = hexAt(block11, 10, 11);
    speedTable[0] = hexAt(block11, 12, 13);
    for (int i = 0; i < 6; ++i)
        speedTable[4 + i] = hexAt(block12, 6 + 2 * i, 7 + 2 * i);

    const float homingSpeed = float(1600 - (speedTable[0] - 1) * 100);
    const float homeTime = posNo == 0 || !homed ? float(strokePulse) / homingSpeed : 0.0f;
    float moveTime = 0.0f;
    if (posNo > 0) {
        const QByteArray record = driver.exchange("0RP" + QByteArray::number(posNo));
        const int target = hexAt(record, 9, 14);
        const int present = homed ? hexAt(driver.exchange("0RC"), 9, 14) : 0;
        const float positionSpeed = float(speedTable[hexAt(record, 5, 5)] * 166);
        moveTime = float(homed ? std::abs(present - target) : target) / positionSpeed;
    }
    return moveTime + homeTime;
}

const QByteArray Ok0RV = "0RV120000\r\n";

} // namespace

class TestCtsimModel : public QObject {
    Q_OBJECT

private slots:
    void lineAssembler_data();
    void lineAssembler();

    void replies_data();
    void replies();
    void badCommands_data();
    void badCommands();
    void externalModeRefusesMovesAndWrites_data();
    void externalModeRefusesMovesAndWrites();

    void factoryParametersPassTheProgramsChecks();
    void factoryDescribesTheDefaultActuator();

    void positionRoundTrip_data();
    void positionRoundTrip();
    void positionWriteRejected_data();
    void positionWriteRejected();
    void blockRoundTripKeepsFixedDigits_data();
    void blockRoundTripKeepsFixedDigits();
    void blockWriteRejected_data();
    void blockWriteRejected();

    void moveTiming_data();
    void moveTiming();
    void moveTimeScale();
    void moveUpdatesState_data();
    void moveUpdatesState();
    void commandsWaitUntilTheMoveEnds();
    void moveBeyondStrokeLatchesSoftLimit();

    void alarmLatchedUntilReset_data();
    void alarmLatchedUntilReset();
    void emergencyStop();
    void emergencyDuringMove_data();
    void emergencyDuringMove();
    void homeSensorNotFound();
    void resetCommand();
    void resetDuringMove();

    void inputRegisters_data();
    void inputRegisters();
    void outputWrite_data();
    void outputWrite();
};

void TestCtsimModel::lineAssembler_data() {
    QTest::addColumn<QByteArrayList>("reads");
    QTest::addColumn<QByteArrayList>("lines");
    QTest::addColumn<QByteArray>("pending");

    QTest::newRow("CR LF") << QByteArrayList{"0RV\r\n"} << QByteArrayList{"0RV"} << QByteArray();
    QTest::newRow("lone CR") << QByteArrayList{"0RV\r"} << QByteArrayList{"0RV"} << QByteArray();
    QTest::newRow("lone LF") << QByteArrayList{"0RV\n"} << QByteArrayList{"0RV"} << QByteArray();
    QTest::newRow("CR LF split over reads")
        << QByteArrayList{"0RV\r", "\n0RH\r\n"} << QByteArrayList{"0RV", "0RH"} << QByteArray();
    QTest::newRow("command in pieces")
        << QByteArrayList{"0R", "D1", "0\r\n"} << QByteArrayList{"0RD10"} << QByteArray();
    QTest::newRow("two lines in one read")
        << QByteArrayList{"0RV\r\n0RH\r\n"} << QByteArrayList{"0RV", "0RH"} << QByteArray();
    QTest::newRow("empty lines") << QByteArrayList{"\r\n\n\r"} << QByteArrayList{"", "", ""} << QByteArray();
    QTest::newRow("LF CR ends two lines")
        << QByteArrayList{"A\n\rB\r\n"} << QByteArrayList{"A", "", "B"} << QByteArray();
    QTest::newRow("unterminated text waits")
        << QByteArrayList{"0RV\r\n0R"} << QByteArrayList{"0RV"} << QByteArray("0R");
    QTest::newRow("overlong line truncated") << QByteArrayList{QByteArray(100, 'A') + "\r\n"}
                                             << QByteArrayList{QByteArray(64, 'A')} << QByteArray();
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

void TestCtsimModel::replies_data() {
    QTest::addColumn<QByteArrayList>("setup");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<int>("length");
    QTest::addColumn<QByteArray>("reply");

    const QByteArrayList none;
    const QByteArrayList comm{"0CM1"};
    // Lengths from the command table; contents written out from the block and record layouts.
    QTest::newRow("0CM1") << none << QByteArray("0CM1") << 6 << QByteArray("0CM1\r\n");
    QTest::newRow("0CM0") << none << QByteArray("0CM0") << 6 << QByteArray("0CM0\r\n");
    QTest::newRow("0RD00") << none << QByteArray("0RD00") << 23 << QByteArray("0RD00FF02140000FFFFFF\r\n");
    QTest::newRow("0RD10") << none << QByteArray("0RD10") << 23 << QByteArray("0RD10004E2002020202FF\r\n");
    QTest::newRow("0RD11") << none << QByteArray("0RD11") << 23 << QByteArray("0RD1114283C010400FFFF\r\n");
    QTest::newRow("0RD12") << none << QByteArray("0RD12") << 23 << QByteArray("0RD12506478A0C8F0FFFF\r\n");
    QTest::newRow("0RD13") << none << QByteArray("0RD13") << 23 << QByteArray("0RD13050A140101020190\r\n");
    QTest::newRow("0RD14") << none << QByteArray("0RD14") << 23 << QByteArray("0RD141C4C006400FFFFFF\r\n");
    QTest::newRow("0WD") << comm << QByteArray("0WD10004E2002020202FF") << 23
                         << QByteArray("0WD10004E2002020202FF\r\n");
    QTest::newRow("0RP1") << none << QByteArray("0RP1") << 16 << QByteArray("0RP15212000FA0\r\n");
    QTest::newRow("0RP2") << none << QByteArray("0RP2") << 16 << QByteArray("0RP27222002710\r\n");
    QTest::newRow("0RP3") << none << QByteArray("0RP3") << 16 << QByteArray("0RP39332003E80\r\n");
    QTest::newRow("0WP") << comm << QByteArray("0WP2412000C350") << 16 << QByteArray("0WP2412000C350\r\n");
    QTest::newRow("0MP0") << comm << QByteArray("0MP0") << 16 << QByteArray("0MP00000000000\r\n");
    QTest::newRow("0MP1 before homing")
        << comm << QByteArray("0MP1") << 16 << QByteArray("0MP15212000FA0\r\n");
    QTest::newRow("0RS external, not homed") << none << QByteArray("0RS") << 7 << QByteArray("0RS00\r\n");
    QTest::newRow("0RS communication mode") << comm << QByteArray("0RS") << 7 << QByteArray("0RS02\r\n");
    QTest::newRow("0RS after position 3")
        << QByteArrayList{"0CM1", "0MP3"} << QByteArray("0RS") << 7 << QByteArray("0RS33\r\n");
    QTest::newRow("0RH not homed") << none << QByteArray("0RH") << 6 << QByteArray("0RH0\r\n");
    QTest::newRow("0RH homed") << QByteArrayList{"0CM1", "0MP0"} << QByteArray("0RH") << 6
                               << QByteArray("0RH1\r\n");
    QTest::newRow("0RC at power-on") << none << QByteArray("0RC") << 16 << QByteArray("0RCF00000007D0\r\n");
    QTest::newRow("0RC after position 2")
        << QByteArrayList{"0CM1", "0MP2"} << QByteArray("0RC") << 16 << QByteArray("0RC20000002710\r\n");
    QTest::newRow("0RV") << none << QByteArray("0RV") << 11 << Ok0RV;
    QTest::newRow("0%C") << none << QByteArray("0%C") << 7 << QByteArray("0%C00\r\n");
    QTest::newRow("0%% without alarm") << none << QByteArray("0%%") << 7 << QByteArray("0%%00\r\n");
    QTest::newRow("0RB105") << none << QByteArray("0RB105") << 10 << QByteArray("0RB105FF\r\n");
    QTest::newRow("0RB106") << none << QByteArray("0RB106") << 10 << QByteArray("0RB106FF\r\n");
    QTest::newRow("0RB107") << none << QByteArray("0RB107") << 10 << QByteArray("0RB107F0\r\n");
    QTest::newRow("0WB107") << comm << QByteArray("0WB10703") << 10 << QByteArray("0WB107F3\r\n");
}

void TestCtsimModel::replies() {
    QFETCH(QByteArrayList, setup);
    QFETCH(QByteArray, command);
    QFETCH(int, length);
    QFETCH(QByteArray, reply);
    ModelDriver driver;
    driver.exchangeAll(setup);
    const QByteArray got = driver.exchange(command);
    QCOMPARE(got, reply);
    QCOMPARE(got.size(), length);
}

void TestCtsimModel::badCommands_data() {
    QTest::addColumn<bool>("commMode");
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");

    const QByteArray commandError = "0%%01\r\n";
    const QByteArray dataError = "0%%02\r\n";
    QTest::newRow("unknown letters") << false << QByteArray("0XY") << commandError;
    QTest::newRow("lower case") << false << QByteArray("0rv") << commandError;
    QTest::newRow("two characters") << false << QByteArray("0R") << commandError;
    QTest::newRow("station digit alone") << false << QByteArray("0") << commandError;
    QTest::newRow("binary noise after the station") << false << QByteArray("0\xff\x01") << commandError;
    QTest::newRow("data on 0RV") << false << QByteArray("0RV1") << dataError;
    QTest::newRow("data on 0RH") << false << QByteArray("0RH0") << dataError;
    QTest::newRow("data on 0RS") << false << QByteArray("0RS ") << dataError;
    QTest::newRow("data on 0RC") << false << QByteArray("0RC1") << dataError;
    QTest::newRow("data on 0%C") << false << QByteArray("0%CX") << dataError;
    QTest::newRow("data on 0%%") << false << QByteArray("0%%0") << dataError;
    QTest::newRow("unknown block") << false << QByteArray("0RD15") << dataError;
    QTest::newRow("block number one digit") << false << QByteArray("0RD1") << dataError;
    QTest::newRow("position 0 read") << false << QByteArray("0RP0") << dataError;
    QTest::newRow("position 4 read") << false << QByteArray("0RP4") << dataError;
    QTest::newRow("position missing") << false << QByteArray("0RP") << dataError;
    QTest::newRow("unknown register") << false << QByteArray("0RB108") << dataError;
    QTest::newRow("register two digits") << false << QByteArray("0RB10") << dataError;
    QTest::newRow("mode 2") << false << QByteArray("0CM2") << dataError;
    QTest::newRow("mode missing") << false << QByteArray("0CM") << dataError;
    QTest::newRow("mode two digits") << false << QByteArray("0CM11") << dataError;
    QTest::newRow("overlong line") << false << QByteArray("0RV" + QByteArray(100, 'x')) << dataError;
    QTest::newRow("move to 4") << true << QByteArray("0MP4") << dataError;
    QTest::newRow("move without target") << true << QByteArray("0MP") << dataError;
    QTest::newRow("write to an input register") << true << QByteArray("0WB105FF") << dataError;
    QTest::newRow("output write without data") << true << QByteArray("0WB107") << dataError;
    QTest::newRow("output write not hexadecimal") << true << QByteArray("0WB1070G") << dataError;
    QTest::newRow("output write lower case") << true << QByteArray("0WB1070f") << dataError;
    QTest::newRow("another station") << false << QByteArray("1RV") << QByteArray();
    QTest::newRow("leading blank") << false << QByteArray(" 0RV") << QByteArray();
    QTest::newRow("empty line") << false << QByteArray() << QByteArray();
}

void TestCtsimModel::badCommands() {
    QFETCH(bool, commMode);
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    ModelDriver driver;
    if (commMode)
        driver.exchange("0CM1");
    QCOMPARE(driver.send(command), reply);
    QVERIFY(!driver.model.nextDeadlineMs());
    // A refusal answers that command only.
    QCOMPARE(driver.send("0RV"), Ok0RV);
    QCOMPARE(driver.send("0RP1"), QByteArray("0RP15212000FA0\r\n"));
}

void TestCtsimModel::externalModeRefusesMovesAndWrites_data() {
    QTest::addColumn<QByteArray>("command");
    QTest::addColumn<QByteArray>("reply");
    QTest::newRow("move") << QByteArray("0MP1") << QByteArray("0MP15212000FA0\r\n");
    QTest::newRow("position write") << QByteArray("0WP15212000FA0") << QByteArray("0WP15212000FA0\r\n");
    QTest::newRow("block write") << QByteArray("0WD10004E2002020202FF")
                                 << QByteArray("0WD10004E2002020202FF\r\n");
    QTest::newRow("output write") << QByteArray("0WB10702") << QByteArray("0WB107F2\r\n");
}

void TestCtsimModel::externalModeRefusesMovesAndWrites() {
    QFETCH(QByteArray, command);
    QFETCH(QByteArray, reply);
    ModelDriver driver;
    QCOMPARE(driver.exchange(command), QByteArray("0%%03\r\n"));
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH0\r\n"));
    QCOMPARE(driver.exchange("0CM1"), QByteArray("0CM1\r\n"));
    QCOMPARE(driver.exchange(command), reply);
    QCOMPARE(driver.exchange("0CM0"), QByteArray("0CM0\r\n"));
    QCOMPARE(driver.exchange(command), QByteArray("0%%03\r\n"));
}

void TestCtsimModel::factoryParametersPassTheProgramsChecks() {
    ModelDriver driver;
    QMap<QByteArray, QByteArray> blocks;
    for (const QByteArray number : {"00", "10", "11", "12", "13", "14"}) {
        const QByteArray reply = driver.exchange("0RD" + number);
        QCOMPARE(chars(reply, 4, 5), number);
        blocks[number] = chars(reply, 6, 21);
    }
    // Decode as the parameter read does, into parameter number -> value.
    const auto digits = [&blocks](const char* block, int first, int last) {
        return double(hexAt(blocks[block], first, last));
    };
    QMap<int, double> p;
    p[1] = digits("10", 1, 6);
    p[2] = digits("00", 7, 10);
    p[3] = digits("00", 5, 6);
    p[4] = digits("11", 7, 8);
    p[5] = digits("11", 9, 10);
    for (int i = 0; i < 3; ++i)
        p[6 + i] = digits("11", 1 + 2 * i, 2 + 2 * i) / 4;
    for (int i = 0; i < 6; ++i)
        p[9 + i] = digits("12", 1 + 2 * i, 2 + 2 * i) / 4;
    for (int i = 0; i < 3; ++i)
        p[15 + i] = digits("13", 1 + 2 * i, 2 + 2 * i);
    p[18] = digits("11", 11, 12) == 0 ? 1 : 0;
    p[19] = digits("13", 11, 12);
    p[20] = digits("13", 13, 16);
    p[21] = digits("14", 9, 10);
    p[23] = digits("13", 7, 8);
    p[24] = digits("13", 9, 10);

    struct Limit {
        int first, last;
        double minimum, maximum;
    };
    // The acceptance table, narrowed where the parameter window is narrower (stroke, homing speeds).
    const Limit limits[] = {{1, 1, 1, 100000}, {2, 2, 0, 700},  {3, 3, 0, 255}, {4, 5, 1, 16},
                            {6, 14, 1, 60},    {15, 17, 1, 30}, {18, 18, 0, 1}, {19, 19, 1, 255},
                            {20, 20, 1, 9999}, {21, 21, 0, 2},  {23, 24, 0, 1}};
    for (const Limit& limit : limits) {
        for (int n = limit.first; n <= limit.last; ++n) {
            QVERIFY2(p[n] >= limit.minimum && p[n] <= limit.maximum,
                     qPrintable(QStringLiteral("parameter %1").arg(n)));
            QVERIFY2(p[n] == std::floor(p[n]), qPrintable(QStringLiteral("parameter %1 not whole").arg(n)));
        }
    }
    // Stroke in pulses = stroke in mm / lead x pulses per revolution.
    QCOMPARE(p[1], digits("14", 5, 8) / p[19] * p[20]);
    // Every stored position lies within the stroke and has valid numbers.
    for (int n = 1; n <= 3; ++n) {
        const QByteArray record = driver.exchange("0RP" + QByteArray::number(n));
        QVERIFY(hexAt(record, 5, 5) >= 1 && hexAt(record, 5, 5) <= 9);
        QVERIFY(hexAt(record, 6, 6) >= 1 && hexAt(record, 6, 6) <= 3);
        QVERIFY(hexAt(record, 9, 14) <= p[1]);
    }
}

void TestCtsimModel::factoryDescribesTheDefaultActuator() {
    // Blocks 14, 13, 11 as the device read takes them: VQ NEW " 28" L, 100 mm, lead 2, 400 pulses, vertical.
    ModelDriver driver;
    const QByteArray block14 = driver.exchange("0RD14");
    const QByteArray block13 = driver.exchange("0RD13");
    const QByteArray block11 = driver.exchange("0RD11");
    QCOMPARE(hexAt(block14, 6, 7), 28);
    QCOMPARE(char(hexAt(block14, 8, 9)), 'L');
    QCOMPARE(hexAt(block14, 10, 13), 100);
    QCOMPARE(hexAt(block14, 14, 15), 0); // VQ NEW
    QCOMPARE(hexAt(block13, 16, 17), 2);
    QCOMPARE(hexAt(block13, 18, 21), 400);
    QCOMPARE(chars(block11, 16, 17), QByteArray("00")); // sensor homing: the vertical setting
}

void TestCtsimModel::positionRoundTrip_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("smallest values") << QByteArray("21100000000");
    QTest::newRow("largest values") << QByteArray("39333FFFFFF");
    QTest::newRow("brake code 0") << QByteArray("15120001388");
    QTest::newRow("typical") << QByteArray("1520200C350");
}

void TestCtsimModel::positionRoundTrip() {
    QFETCH(QByteArray, record);
    ModelDriver driver;
    driver.exchange("0CM1");
    const int number = record[0] - '0';
    const QByteArray before[] = {driver.exchange("0RP1"), driver.exchange("0RP2"), driver.exchange("0RP3")};
    QCOMPARE(driver.exchange("0WP" + record), "0WP" + record + "\r\n");
    QCOMPARE(driver.exchange("0RP" + record.left(1)), "0RP" + record + "\r\n");
    for (int other = 1; other <= 3; ++other) {
        if (other != number)
            QCOMPARE(driver.exchange("0RP" + QByteArray::number(other)), before[other - 1]);
    }
}

void TestCtsimModel::positionWriteRejected_data() {
    QTest::addColumn<QByteArray>("record");
    QTest::newRow("VEL 0") << QByteArray("10212000FA0");
    QTest::newRow("VEL A") << QByteArray("1A212000FA0");
    QTest::newRow("ACC 0") << QByteArray("15012000FA0");
    QTest::newRow("ACC 4") << QByteArray("15412000FA0");
    QTest::newRow("OUT 4") << QByteArray("15242000FA0");
    QTest::newRow("brake code 4") << QByteArray("15214000FA0");
    QTest::newRow("position 0") << QByteArray("05212000FA0");
    QTest::newRow("position 4") << QByteArray("45212000FA0");
    QTest::newRow("pulses too large (X)") << QByteArray("15212X");
    QTest::newRow("lower-case pulses") << QByteArray("15212000fa0");
    QTest::newRow("blank in pulses") << QByteArray("15212 00FA0");
    QTest::newRow("one character short") << QByteArray("15212000FA");
    QTest::newRow("one character long") << QByteArray("15212000FA00");
}

void TestCtsimModel::positionWriteRejected() {
    QFETCH(QByteArray, record);
    ModelDriver driver;
    driver.exchange("0CM1");
    QCOMPARE(driver.exchange("0WP" + record), QByteArray("0%%02\r\n"));
    QCOMPARE(driver.exchange("0RP1"), QByteArray("0RP15212000FA0\r\n"));
}

void TestCtsimModel::blockRoundTripKeepsFixedDigits_data() {
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<QByteArray>("stored");
    QTest::newRow("00") << QByteArray("00") << QByteArray("00001234AB000000")
                        << QByteArray("FF021234ABFFFFFF");
    QTest::newRow("10") << QByteArray("10") << QByteArray("00271000000000AA")
                        << QByteArray("00271002020202FF");
    QTest::newRow("11 type 0, pushing")
        << QByteArray("11") << QByteArray("F0F0F01008010000") << QByteArray("F0F0F0100801FFFF");
    QTest::newRow("11 types 1, 2") << QByteArray("11") << QByteArray("0408100104FFFFFF")
                                   << QByteArray("0408100104FFFFFF");
    QTest::newRow("12") << QByteArray("12") << QByteArray("04080C1014181234")
                        << QByteArray("04080C101418FFFF");
    QTest::newRow("13 all variable") << QByteArray("13") << QByteArray("1E1E1E0000060C80")
                                     << QByteArray("1E1E1E0000060C80");
    QTest::newRow("14 size E35, stroke 50")
        << QByteArray("14") << QByteArray("2345003201000000") << QByteArray("2345003201FFFFFF");
}

void TestCtsimModel::blockRoundTripKeepsFixedDigits() {
    QFETCH(QByteArray, block);
    QFETCH(QByteArray, sent);
    QFETCH(QByteArray, stored);
    ModelDriver driver;
    driver.exchange("0CM1");
    const QByteArray otherBlock = block == "13" ? "14" : "13";
    const QByteArray other = driver.exchange("0RD" + otherBlock);
    QCOMPARE(driver.exchange("0WD" + block + sent), "0WD" + block + stored + "\r\n");
    QCOMPARE(driver.exchange("0RD" + block), "0RD" + block + stored + "\r\n");
    QCOMPARE(driver.exchange("0RD" + otherBlock), other);
}

void TestCtsimModel::blockWriteRejected_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("block");
    QTest::newRow("unknown block 15") << QByteArray("15004E2002020202FF") << QByteArray("10");
    QTest::newRow("unknown block 01") << QByteArray("01004E2002020202FF") << QByteArray("10");
    QTest::newRow("15 digits") << QByteArray("10004E2002020202F") << QByteArray("10");
    QTest::newRow("17 digits") << QByteArray("10004E2002020202FFF") << QByteArray("10");
    QTest::newRow("lower case") << QByteArray("10004e2002020202FF") << QByteArray("10");
    QTest::newRow("not hexadecimal") << QByteArray("10004G2002020202FF") << QByteArray("10");
    QTest::newRow("type 3") << QByteArray("141C4C006403FFFFFF") << QByteArray("14");
    QTest::newRow("lead 0") << QByteArray("13050A140101000190") << QByteArray("13");
    QTest::newRow("0 pulses per revolution") << QByteArray("13050A140101020000") << QByteArray("13");
}

void TestCtsimModel::blockWriteRejected() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, block);
    ModelDriver driver;
    driver.exchange("0CM1");
    const QByteArray before = driver.exchange("0RD" + block);
    QCOMPARE(driver.exchange("0WD" + data), QByteArray("0%%02\r\n"));
    QCOMPARE(driver.exchange("0RD" + block), before);
}

void TestCtsimModel::moveTiming_data() {
    QTest::addColumn<QByteArrayList>("setup");
    QTest::addColumn<int>("posNo");
    QTest::addColumn<qint64>("expectedMs");

    // Homing 1600 pulses/s; VEL 5 = 100 x 166, VEL 7 = 160 x 166, VEL 9 = 240 x 166 pulses/s.
    // The slide stands at 2000 pulses at power-on; positions 4000, 10000, 16000.
    const QByteArray comm = "0CM1";
    QTest::newRow("home from power-on") << QByteArrayList{comm} << 0 << qint64(1250);
    QTest::newRow("position 1 before homing homes first") << QByteArrayList{comm} << 1 << qint64(1250 + 240);
    QTest::newRow("position 1 from home") << QByteArrayList{comm, "0MP0"} << 1 << qint64(240);
    QTest::newRow("position 3 from position 1") << QByteArrayList{comm, "0MP0", "0MP1"} << 3 << qint64(301);
    QTest::newRow("position 1 from position 3") << QByteArrayList{comm, "0MP0", "0MP3"} << 1 << qint64(722);
    QTest::newRow("position 2 from position 3") << QByteArrayList{comm, "0MP3"} << 2 << qint64(225);
    QTest::newRow("home from position 3") << QByteArrayList{comm, "0MP3"} << 0 << qint64(10000);
    QTest::newRow("same position again") << QByteArrayList{comm, "0MP2"} << 2 << qint64(0);
    QTest::newRow("home when at home") << QByteArrayList{comm, "0MP0"} << 0 << qint64(0);
    QTest::newRow("slowest homing speed 16")
        << QByteArrayList{comm, "0WD1114283C100400FFFF"} << 0 << qint64(20000);
    QTest::newRow("homing no longer than over the whole stroke")
        << QByteArrayList{comm, "0MP3", "0WD10000FA002020202FF"} << 0 << qint64(2500);
    QTest::newRow("VEL 1 set to the lowest speed")
        << QByteArrayList{comm, "0MP0", "0WD1104283C010400FFFF", "0WP11100000FA0"} << 1 << qint64(6024);
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

void TestCtsimModel::moveUpdatesState_data() {
    QTest::addColumn<int>("posNo");
    QTest::addColumn<QByteArray>("present");
    QTest::addColumn<QByteArray>("outputs");
    QTest::addColumn<QByteArray>("register107");
    QTest::addColumn<QByteArray>("register105");
    QTest::newRow("home") << 0 << QByteArray("0RC00000000000\r\n") << QByteArray("0RS03\r\n")
                          << QByteArray("0RB107F9\r\n") << QByteArray("0RB105EF\r\n");
    QTest::newRow("position 1, OUT1") << 1 << QByteArray("0RC10000000FA0\r\n") << QByteArray("0RS13\r\n")
                                      << QByteArray("0RB107FB\r\n") << QByteArray("0RB105FF\r\n");
    QTest::newRow("position 2, OUT2") << 2 << QByteArray("0RC20000002710\r\n") << QByteArray("0RS23\r\n")
                                      << QByteArray("0RB107FD\r\n") << QByteArray("0RB105FF\r\n");
    QTest::newRow("position 3, both") << 3 << QByteArray("0RC30000003E80\r\n") << QByteArray("0RS33\r\n")
                                      << QByteArray("0RB107FF\r\n") << QByteArray("0RB105FF\r\n");
}

void TestCtsimModel::moveUpdatesState() {
    QFETCH(int, posNo);
    QFETCH(QByteArray, present);
    QFETCH(QByteArray, outputs);
    QFETCH(QByteArray, register107);
    QFETCH(QByteArray, register105);
    ModelDriver driver;
    driver.exchangeAll({"0CM1", "0WB10708"}); // the spare output stays as written
    const QByteArray reply = driver.exchange("0MP" + QByteArray::number(posNo));
    QCOMPARE(chars(reply, 9, 16), chars(present, 9, 16));
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH1\r\n"));
    QCOMPARE(driver.exchange("0RC"), present);
    QCOMPARE(driver.exchange("0RS"), outputs);
    QCOMPARE(driver.exchange("0RB107"), register107);
    QCOMPARE(driver.exchange("0RB105"), register105);
}

void TestCtsimModel::commandsWaitUntilTheMoveEnds() {
    ModelDriver driver;
    driver.exchange("0CM1");
    QCOMPARE(driver.send("0MP3"), QByteArray()); // homing 1250 ms, then 16000 pulses at VEL 9: 401 ms
    QCOMPARE(driver.model.nextDeadlineMs(), std::optional<qint64>(1651));
    driver.now = 100;
    QVERIFY(driver.model.receive("0RC\r\n0RV\r\n", driver.now).empty());
    driver.now = 1650;
    QVERIFY(driver.model.tick(driver.now).empty());
    driver.now = 1700;
    const ctsim::Outputs outputs = driver.model.tick(driver.now);
    QCOMPARE(outputs.size(), size_t(3));
    QCOMPARE(outputs[0], (ctsim::Output{"0MP39332003E80\r\n", 1651}));
    QCOMPARE(outputs[1], (ctsim::Output{"0RC30000003E80\r\n", 1700}));
    QCOMPARE(outputs[2], (ctsim::Output{Ok0RV, 1700}));
}

void TestCtsimModel::moveBeyondStrokeLatchesSoftLimit() {
    ModelDriver driver;
    driver.exchangeAll({"0CM1", "0WD10000FA002020202FF"});      // stroke 4000 pulses
    QCOMPARE(driver.exchange("0MP2"), QByteArray("0%%04\r\n")); // 10000 > 4000
    QCOMPARE(driver.exchange("0RV"), QByteArray("0%%04\r\n"));
    QCOMPARE(driver.exchange("0%%"), QByteArray("0%%04\r\n"));
    QCOMPARE(driver.exchange("0%C"), QByteArray("0%C00\r\n"));
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH0\r\n"));
    QCOMPARE(chars(driver.exchange("0MP1"), 1, 4), QByteArray("0MP1")); // 4000 = stroke: allowed
    QCOMPARE(driver.exchange("0MP0"), QByteArray("0MP00000000000\r\n"));
}

void TestCtsimModel::alarmLatchedUntilReset_data() {
    QTest::addColumn<quint8>("number");
    QTest::addColumn<QByteArray>("status");
    QTest::newRow("0A") << quint8(0x0A) << QByteArray("0%%0A\r\n");
    QTest::newRow("41") << quint8(0x41) << QByteArray("0%%41\r\n");
    QTest::newRow("FF") << quint8(0xFF) << QByteArray("0%%FF\r\n");
}

void TestCtsimModel::alarmLatchedUntilReset() {
    QFETCH(quint8, number);
    QFETCH(QByteArray, status);
    ModelDriver driver;
    driver.exchange("0CM1");
    QVERIFY(driver.model.raiseAlarm(number, driver.now).empty());
    for (const QByteArray command :
         {"0RV", "0RD10", "0RP1", "0WP15212000FA0", "0MP1", "0RH", "0RC", "0RS", "0WB10702"})
        QCOMPARE(driver.exchange(command), status);
    QCOMPARE(driver.exchange("0CM1"), QByteArray("0CM1\r\n"));
    QCOMPARE(driver.exchange("0RB106"), QByteArray("0RB106FF\r\n"));
    QCOMPARE(driver.exchange("0%%"), status);
    QCOMPARE(driver.exchange("0%C"), QByteArray("0%C00\r\n"));
    QCOMPARE(driver.exchange("0%%"), QByteArray("0%%00\r\n"));
    QCOMPARE(driver.exchange("0RV"), Ok0RV);
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH0\r\n"));
}

void TestCtsimModel::emergencyStop() {
    ModelDriver driver;
    driver.exchangeAll({"0CM1", "0MP1"});
    QVERIFY(driver.model.setEmergency(true, driver.now).empty());
    QCOMPARE(driver.exchange("0RV"), QByteArray("0%%0E\r\n"));
    QCOMPARE(driver.exchange("0RB107"), QByteArray("0RB107D3\r\n")); // EMG STOP input reads 0
    QCOMPARE(driver.exchange("0%C"), QByteArray("0%%0E\r\n"));       // still pressed
    QCOMPARE(driver.exchange("0CM3"), QByteArray());
    QCOMPARE(driver.exchange("0%%"), QByteArray("0%%0E\r\n")); // a reset does not clear it either
    driver.model.setEmergency(false, driver.now);
    QCOMPARE(driver.exchange("0RV"), QByteArray("0%%0E\r\n")); // latched until reset
    QCOMPARE(driver.exchange("0%C"), QByteArray("0%C00\r\n"));
    QCOMPARE(driver.exchange("0RV"), Ok0RV);
    QCOMPARE(driver.exchange("0RB107"), QByteArray("0RB107F0\r\n"));
}

void TestCtsimModel::emergencyDuringMove_data() {
    QTest::addColumn<QByteArray>("block13");
    QTest::addColumn<QByteArray>("homedAfter");
    QTest::newRow("hold keeps the homing") << QByteArray("050A140101020190") << QByteArray("0RH1\r\n");
    QTest::newRow("reset loses the homing") << QByteArray("050A140001020190") << QByteArray("0RH0\r\n");
}

void TestCtsimModel::emergencyDuringMove() {
    QFETCH(QByteArray, block13);
    QFETCH(QByteArray, homedAfter);
    ModelDriver driver;
    driver.exchangeAll({"0CM1", "0WD13" + block13, "0MP0"});
    QCOMPARE(driver.send("0MP3"), QByteArray()); // 16000 pulses in 401 ms
    driver.now += 200;
    const ctsim::Outputs outputs = driver.model.setEmergency(true, driver.now);
    QCOMPARE(outputs, (ctsim::Outputs{{"0%%0E\r\n", driver.now}}));
    QVERIFY(!driver.model.nextDeadlineMs());
    driver.model.setEmergency(false, driver.now);
    QCOMPARE(driver.exchange("0%C"), QByteArray("0%C00\r\n"));
    QCOMPARE(driver.exchange("0RH"), homedAfter);
    const QByteArray present = driver.exchange("0RC");
    QCOMPARE(chars(present, 4, 4), QByteArray("F"));
    QVERIFY(qAbs(hexAt(present, 9, 14) - 16000 * 200 / 401) <= 1);
}

void TestCtsimModel::homeSensorNotFound() {
    ModelDriver driver;
    driver.exchange("0CM1");
    driver.model.faults().setHomeSensorFail();
    qint64 elapsed = -1;
    QCOMPARE(driver.exchange("0MP2", &elapsed), QByteArray("0%%0B\r\n"));
    QCOMPARE(elapsed, qint64(1250)); // where the sensor should have been
    QCOMPARE(driver.exchange("0MP0"), QByteArray("0%%0B\r\n"));
    QCOMPARE(driver.exchange("0%C"), QByteArray("0%C00\r\n"));
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH0\r\n"));
    QCOMPARE(driver.exchange("0MP0"), QByteArray("0MP00000000000\r\n")); // only the next homing failed
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH1\r\n"));
}

void TestCtsimModel::resetCommand() {
    ModelDriver driver;
    driver.exchangeAll({"0CM1", "0WD12080C1014181CFFFF", "0WP191110003E8", "0MP1"});
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH1\r\n"));
    driver.model.raiseAlarm(0x0A, driver.now);
    QCOMPARE(driver.exchange("0CM3"), QByteArray());
    QVERIFY(!driver.model.nextDeadlineMs());
    QCOMPARE(driver.exchange("0%%"), QByteArray("0%%00\r\n"));
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH0\r\n"));
    QCOMPARE(driver.exchange("0RS"), QByteArray("0RS00\r\n"));
    QCOMPARE(driver.exchange("0RC"), QByteArray("0RCF00000003E8\r\n"));
    QCOMPARE(driver.exchange("0MP1"), QByteArray("0%%03\r\n")); // back in external start mode
    QCOMPARE(driver.exchange("0RD12"), QByteArray("0RD12080C1014181CFFFF\r\n"));
    QCOMPARE(driver.exchange("0RP1"), QByteArray("0RP191110003E8\r\n"));
}

void TestCtsimModel::resetDuringMove() {
    ModelDriver driver;
    driver.exchangeAll({"0CM1", "0MP0"});
    QCOMPARE(driver.send("0MP3"), QByteArray());
    driver.now += 100;
    QVERIFY(driver.model.receive("0RV\r\n", driver.now).empty()); // waits for the move
    QVERIFY(driver.model.receive("0CM3\r\n", driver.now).empty());
    QVERIFY(!driver.model.nextDeadlineMs());
    driver.now += 1000;
    QVERIFY(driver.model.tick(driver.now).empty()); // neither the move nor the waiting line is answered
    QCOMPARE(driver.exchange("0RH"), QByteArray("0RH0\r\n"));
    const int present = hexAt(driver.exchange("0RC"), 9, 14);
    QVERIFY(present > 0 && present < 16000);
}

void TestCtsimModel::inputRegisters_data() {
    QTest::addColumn<int>("positionInputs");
    QTest::addColumn<QByteArray>("register106");
    QTest::newRow("none active") << 0 << QByteArray("0RB106FF\r\n");
    QTest::newRow("POSI1") << 1 << QByteArray("0RB106FE\r\n");
    QTest::newRow("POSI2 and POSI4") << 6 << QByteArray("0RB106F9\r\n");
    QTest::newRow("all") << 7 << QByteArray("0RB106F8\r\n");
}

void TestCtsimModel::inputRegisters() {
    QFETCH(int, positionInputs);
    QFETCH(QByteArray, register106);
    ModelDriver driver;
    driver.model.setPositionInputs(positionInputs);
    QCOMPARE(driver.exchange("0RB106"), register106);
}

void TestCtsimModel::outputWrite_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArray>("echo");
    QTest::addColumn<QByteArray>("outputs");
    QTest::newRow("all off") << QByteArray("F0") << QByteArray("0WB107F0\r\n") << QByteArray("0RS02\r\n");
    QTest::newRow("PEND and OUT1") << QByteArray("F3") << QByteArray("0WB107F3\r\n")
                                   << QByteArray("0RS12\r\n");
    QTest::newRow("OUT2") << QByteArray("F4") << QByteArray("0WB107F4\r\n") << QByteArray("0RS22\r\n");
    QTest::newRow("all with spare") << QByteArray("FF") << QByteArray("0WB107FF\r\n")
                                    << QByteArray("0RS32\r\n");
    QTest::newRow("input digit ignored")
        << QByteArray("02") << QByteArray("0WB107F2\r\n") << QByteArray("0RS12\r\n");
}

void TestCtsimModel::outputWrite() {
    QFETCH(QByteArray, data);
    QFETCH(QByteArray, echo);
    QFETCH(QByteArray, outputs);
    ModelDriver driver;
    driver.exchange("0CM1");
    QCOMPARE(driver.exchange("0WB107" + data), echo);
    QCOMPARE(driver.exchange("0RB107"), QByteArray(echo).replace(1, 2, "RB"));
    QCOMPARE(driver.exchange("0RS"), outputs);
}

QTEST_APPLESS_MAIN(TestCtsimModel)
#include "tst_ctsim_model.moc"
