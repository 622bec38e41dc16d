// The controller model against the command set: dialogues with hand-written replies (records, parameter
// blocks, refusals, modes, alarms, emergency stop, reset, move times).

#include "ModelDriver.h"
#include "model/ConsoleCommands.h"
#include "model/LineAssembler.h"

#include <QtTest>

class TestCtsimModel : public QObject {
    Q_OBJECT
private slots:
    void lineAssembler() {
        // Reads, the lines they make, and what waits for its end.
        const QList<std::tuple<QByteArrayList, QByteArrayList, QByteArray>> cases{
            {{"0RV\r0RH\n"}, {"0RV", "0RH"}, {}},                          // lone CR, lone LF
            {{"0R", "V\r", "\n0RH\r\n"}, {"0RV", "0RH"}, {}},              // CR LF split over reads
            {{"A\n\rB\r\n"}, {"A", "", "B"}, {}},                          // LF CR ends two lines
            {{"0RV\r\n0R"}, {"0RV"}, "0R"},                                // unterminated text waits
            {{QByteArray(100, 'A') + "\r\n"}, {QByteArray(64, 'A')}, {}}}; // overlong line truncated
        for (const auto& [reads, lines, pending] : cases) {
            ctsim::LineAssembler assembler;
            QByteArrayList got;
            for (const QByteArray& read : reads)
                for (const QByteArray& line : assembler.feed(read))
                    got << line;
            QCOMPARE(got, lines);
            QCOMPARE(assembler.pending(), pending);
        }
    }

    void dialogue_data() {
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
        row("status at power-on",
            {"0RS=0RS00", "0RH=0RH0", "0RC=0RCF00000007D0", "0RV=0RV120000", "0%C=0%C00", "0%%=0%%00",
             "0RB105=0RB105FF", "0RB106=0RB106FF", "0RB107=0RB107F0"});
        row("moves and writes in communication mode only",
            {"0CM1=0CM1", "0RS=0RS02", "0WD10004E2002020202FF=0WD10004E2002020202FF",
             "0WP2412000C350=0WP2412000C350", "0WB10703=0WB107F3", "0MP1=0MP15212000FA0", "0CM0=0CM0",
             "0MP0=0%%03"});
        row("external start mode carries out no move or write",
            {"0MP1=0%%03", "0WP191110003E8=0%%03", "0WD10000FA002020202FF=0%%03", "0WB10702=0%%03",
             "0RH=0RH0", "0RP1=0RP15212000FA0", "0RD10=0RD10004E2002020202FF", "0RB107=0RB107F0"});
        row("unknown commands", {"0XY=0%%01", "0R=0%%01", "0RV=0RV120000"});
        row("data where none belongs", {"0RV1=0%%02", "0RH0=0%%02", "0RS =0%%02", "0RC1=0%%02", "0%CX=0%%02",
                                        "0%%0=0%%02", "0RV=0RV120000"});
        row("numbers out of range",
            {"0RD15=0%%02", "0RP0=0%%02", "0RP4=0%%02", "0RB108=0%%02", "0CM2=0%%02", "0CM1=0CM1",
             "0MP4=0%%02", "0WB105FF=0%%02", "0WB1070f=0%%02", "0RV=0RV120000"});
        row("lines of no one's", {"1RV", "", "0RV=0RV120000"});
        row("position set from the console, whatever the mode",
            {"!position 39110FFFFFF", "0RP3=0RP39110FFFFFF", "0RP1=0RP15212000FA0"});
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
        row("registers", {"!inputs 1", "0RB106=0RB106FE", "!inputs 6", "0RB106=0RB106F9", "0CM1=0CM1",
                          "0WB107F3=0WB107F3", "0RB107=0RB107F3", "0RS=0RS12", "0WB10704=0WB107F4",
                          "0RS=0RS22", "0WB107FF=0WB107FF", "0RS=0RS32"});
        row("alarm latched until reset",
            {"0CM1=0CM1", "!alarm 5C", "0RV=0%%5C", "0RD10=0%%5C", "0RP1=0%%5C", "0WP15212000FA0=0%%5C",
             "0MP1=0%%5C", "0RH=0%%5C", "0RC=0%%5C", "0RS=0%%5C", "0WB10702=0%%5C",
             "0WD10004E2002020202FF=0%%5C", "0CM1=0CM1", "0RB106=0RB106FF", "0%%=0%%5C", "0%C=0%C00",
             "0RV=0RV120000", "0RH=0RH0"});
        // Stroke 4000 pulses: position 2 (10000) lies beyond it, position 1 (4000) does not.
        row("move beyond the stroke",
            {"0CM1=0CM1", "0WD10000FA002020202FF=0WD10000FA002020202FF", "0MP2=0%%04", "0RV=0%%04",
             "0%C=0%C00", "0RH=0RH0", "0MP1=0MP15212000FA0"});
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
            {"0CM1=0CM1", "0WD13050A140001020190=0WD13050A140001020190", "0MP0=0MP00000000000", "~0MP3",
             "+205", "!emergency on=0%%0E", "!emergency off", "0%C=0%C00", "0RH=0RH0", "0RC=0RCF0000001FF4"});
        // Reset after 105 ms of that move (at 4190, 105E): neither the move nor the waiting line is answered.
        row("reset during a move", {"0CM1=0CM1", "0MP0=0MP00000000000", "~0MP3", "+105", "~0RV", "~0CM3",
                                    "+1000", "0RH=0RH0", "0RC=0RCF000000105E"});
        row("reset keeps parameters, positions and place",
            {"0CM1=0CM1", "0WD12080C1014181CFFFF=0WD12080C1014181CFFFF", "0WP191110003E8=0WP191110003E8",
             "0MP1=0MP191110003E8", "!alarm 0A", "0CM3", "0%%=0%%00", "0RS=0RS00", "0RC=0RCF00000003E8",
             "0MP1=0%%03", "0RD12=0RD12080C1014181CFFFF", "0RP1=0RP191110003E8"});
        // Move times. Homing 1600 pulses/s; VEL 5 = 100 x 166, VEL 9 = 240 x 166 pulses/s. The slide
        // stands at 2000 pulses at power-on; positions 4000, 10000, 16000.
        const QByteArray home = "0MP0=0MP00000000000", to1 = "0MP1=0MP15212000FA0",
                         to3 = "0MP3=0MP39332003E80";
        row("home from power-on", {"0CM1=0CM1", home + "@1250"});
        row("position 1 before homing homes first", {"0CM1=0CM1", to1 + "@1490"});
        row("position 3 from position 1", {"0CM1=0CM1", home, to1, to3 + "@301"});
        row("position 1 from position 3", {"0CM1=0CM1", home, to3, to1 + "@722"});
        row("home from position 3", {"0CM1=0CM1", to3, home + "@10000"});
        row("same position again", {"0CM1=0CM1", "0MP2=0MP27222002710", "0MP2=0MP27222002710@0"});
        row("slowest homing speed 16",
            {"0CM1=0CM1", "0WD1114283C100400FFFF=0WD1114283C100400FFFF", home + "@20000"});
        row("homing no longer than over the whole stroke",
            {"0CM1=0CM1", to3, "0WD10000FA002020202FF=0WD10000FA002020202FF", home + "@2500"});
        row("VEL 1 set to the lowest speed",
            {"0CM1=0CM1", home, "0WD1104283C010400FFFF=0WD1104283C010400FFFF",
             "0WP11100000FA0=0WP11100000FA0", "0MP1=0MP11100000FA0@6024"});
        // Homing 1250 ms, then 16000 pulses at VEL 9 in 401 ms: lines that come meanwhile wait for its end.
        row("commands wait until the move ends", {"0CM1=0CM1", "~0MP3", "+100", "~0RC", "~0RV", "+1550",
                                                  "+1=0MP39332003E80\r\n0RC30000003E80\r\n0RV120000"});
        row("move time scale", {"0CM1=0CM1", "!move-scale 0.1", home + "@125", "!move-scale 0", "~" + to3});
    }

    void dialogue() {
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
};

QTEST_APPLESS_MAIN(TestCtsimModel)
#include "tst_ctsim_model.moc"
