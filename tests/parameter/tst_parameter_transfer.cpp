// The parameters in the controller's blocks: known-answer "0WD" frames, the decoding of "0RD" replies,
// a garbled block, the write with its position check, reset and read-back, and the verification
// against the controller, all over a scripted controller.
#include "parameter/ParameterBlocks.h"
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterRig.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// The controller's factory blocks of the 28L-100: sensor homing, hold, logic A.
const QByteArrayList kFactory = {"0RD00FF02140000FFFFFF", "0RD10004E2002020202FF", "0RD1114283C010400FFFF",
                                 "0RD12506478A0C8F0FFFF", "0RD13050A140101020190", "0RD141C4C006400FFFFFF"};
const QByteArrayList kDeviceBack = {kFactory[5], kFactory[4], kFactory[2]}; // blocks 14, 13, 11
const QString kFactorySlots =
    u"20000,0,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,1,2,400,0,\" 28L-100\",1,1"_s;

QByteArray position(int number, const char* target) {
    return "0RP" + QByteArray::number(number) + "5200" + target;
}

} // namespace

class TestParameterTransfer : public QObject {
    Q_OBJECT
private slots:
    void knownAnswerFrames_data() {
        QTest::addColumn<QString>("changes");
        QTest::addColumn<bool>("useDefault");
        QTest::addColumn<QByteArrayList>("frames"); // empty: a value does not fit
        QByteArrayList factory;
        for (const QByteArray& reply : kFactory)
            factory << reply.mid(3);
        QTest::newRow("factory values, sensor homing") << u""_s << false << factory;
        QTest::newRow("E35 pushing at the limits")
            << u"1=16777215;2=700;3=255;4=16;5=16;6=60;7=60;8=60;9=1;10=1;11=1;12=1;13=1;14=1;15=30;16=30;17="
               u"30;"
               u"18=0;19=12;20=9999;23=0;24=2;size=E35;stroke=50"_s
            << false << QByteArrayList{"00FF02FF02BCFFFFFF", "10FFFFFF02020202FF", "11F0F0F0101001FFFF",
                                       "12040404040404FFFF", "131E1E1E00000C270F", "142345003200FFFFFF"};
        QTest::newRow("VQ(Old) sends no homing; defaults send hold, logic A")
            << u"21=1;23=0;24=0;size=42D"_s << true
            << QByteArrayList{factory[0], factory[1], "1114283C0104FFFFFF",
                              factory[3], factory[4], "142A4C006401FFFFFF"};
        QTest::newRow("JM pushing, reset, logic B")
            << u"18=0;21=2;23=0;24=0"_s << false
            << QByteArrayList{factory[0], factory[1],           "1114283C0104FFFFFF",
                              factory[3], "13050A140000020190", "141C4C006402FFFFFF"};
        QTest::newRow("speed 64 does not fit") << u"14=64"_s << false << QByteArrayList{};
        QTest::newRow("negative offset does not fit") << u"2=-1"_s << false << QByteArrayList{};
    }

    void knownAnswerFrames() {
        QFETCH(QString, changes);
        QFETCH(bool, useDefault);
        QFETCH(QByteArrayList, frames);
        const auto blocks = SetParaData2LngData(factorySet(changes), useDefault);
        QCOMPARE(blocks.has_value(), !frames.isEmpty());
        if (blocks)
            QCOMPARE(QByteArrayList(blocks->begin(), blocks->end()), frames);
    }

    // Read from C/T: the six blocks decoded (a speed byte of 5 is 1.25 and shows as 1; block 11's "FF"
    // homing byte is pushing; "E" with size 35 is E35L), the window titled and its flag cleared, and the
    // controller's other actuator taken over on OK (stored, with the model name and mm column following);
    // a verification against the same controller then reports parameter 6.
    void readIntoTheWindow() {
        ParameterRig r;
        const QByteArrayList blocks = {"0RD00FF0214FFFFFFFFFF", kFactory[1],
                                       "0RD1105283C0104FFFFFF", kFactory[3],
                                       "0RD13280A140101020190", "0RD142345003200FFFFFF"};
        r.replies(QByteArrayList{"0CM1"} + blocks +
                  QByteArrayList{"0RD141C4C003200FFFFFF", kFactory[4], kFactory[2]});
        r.t.ctx.parameters.ParaChangeFlag = true;
        r.mm.pulses[1] = u"4000"_s;
        r.commands.run(ParameterCommand::ReadCt);
        ParameterState& state = r.t.ctx.parameters;
        QCOMPARE(slotsText(state.ParaFileData),
                 u"20000,-1,20,1,4,1.25,10,15,20,25,30,40,50,60,40,10,20,0,2,400,0,\"E35L-050\",1,1"_s);
        QCOMPARE(r.frames(), (QStringList{"0CM1", "0RD00", "0RD10", "0RD11", "0RD12", "0RD13", "0RD14",
                                          "0RD14", "0RD13", "0RD11"}));
        // A jog speed above 30 is shown, and kept in the set, as 30.
        QCOMPARE(r.model.form.text[6] + u'|' + r.model.form.text[15] + u'|' + r.model.form.text[22] + u'|' +
                     r.model.form.actSize,
                 u"1|30|E35L-050|E35"_s);
        QCOMPARE(state.set.Jog1, 30);
        QCOMPARE(r.model.form.vertical, 0);
        QCOMPARE(r.model.title, u"Inside of C/T"_s);
        QVERIFY(!state.ParaChangeFlag && !r.port.isOpen());
        QCOMPARE(r.t.op.texts(),
                 QStringList{u"Actuator setting by the side of PC and in side of controller unmatched."
                             u"\r\n\r\nRead Actuator setting inside of controller?"_s});
        QCOMPARE(r.deviceView.label + r.mm.mm.value(1) + r.t.settings.readText(u"DevStroke"_s, {}),
                 u"VQ- 28L-050 20.00050"_s);
        QCOMPARE(r.progress.log, (QStringList{"6 Reading parameters from the controller.", "1", "2", "3", "4",
                                              "5", "6", "closed"}));

        r.replies(QByteArrayList{"0CM1"} + blocks);
        r.model.setText(2, u"1"_s); // a home offset of -1 is no value the window lets through
        r.commands.run(ParameterCommand::VerifyCt);
        QCOMPARE(r.t.op.lastText(),
                 u"Parameters : indicated and inside of controller\r\n\r\nResult of Verification : "
                 u"NG.\r\n\r\n<Unmatched Parameter No.>\r\n2,6,15,"_s);
    }

    // A block with a character that is not a hexadecimal digit, or the answer of another block, fails the
    // read with its message; the staging table, the window and the flag keep what they had.
    void unusableBlockChangesNothing() {
        for (const QByteArray& bad :
             {QByteArray("0RD10004E2G02020202FF"), QByteArray("0RD11004E2002020202FF")}) {
            ParameterRig r;
            r.t.ctx.parameters.ParaFileData[1] = 7.0;
            r.t.ctx.parameters.ParaChangeFlag = true;
            r.fillFactory();
            r.model.setText(1, u"123"_s);
            r.replies({"0CM1", kFactory[0], bad});
            r.commands.GetParametaValue();
            QCOMPARE(
                r.t.op.texts(),
                QStringList{u"The C/T's answer to parameter block 10 cannot be used: \"%1\". Nothing has "
                            u"been read."_s.arg(QString::fromLatin1(bad))});
            QCOMPARE(r.t.ctx.parameters.ParaFileData[1].toDouble(), 7.0);
            QVERIFY(r.t.ctx.parameters.ParaChangeFlag && r.model.form.text[1] == u"123" && !r.port.isOpen());
            QCOMPARE(r.progress.log.constLast(), u"closed"_s);
        }
    }

    void writeSequence_data() {
        QTest::addColumn<QByteArrayList>("positions"); // targets of positions 1 to 3, then what follows
        QTest::addColumn<QList<Answer>>("answers");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<int>("writes"); // "0WD" frames sent
        const QString send = u"Send parameters to controller?"_s;
        const QString reset = u"Reset controller. Is it OK?"_s;
        const QString beyond =
            u"Value of the position data exceeds the stroke.\r\n\r\n< Position No.2,>\r\n\r\nIt becomes an "
            u"error unless the data is changed. Correct data.\r\n\r\nContinue writing parameters?"_s;
        QByteArrayList inside = {position(1, "001F40"), position(2, "004E20"), position(3, "000000")};
        QByteArrayList over = {position(1, "001F40"), position(2, "004E21"), position(3, "000000")};
        QTest::newRow("all inside") << inside << QList<Answer>{Answer::Yes, Answer::Ok}
                                    << QStringList{send, reset} << 6;
        QTest::newRow("beyond, go on") << over << QList<Answer>{Answer::Yes, Answer::Yes, Answer::Ok}
                                       << QStringList{send, beyond, reset} << 6;
        QTest::newRow("beyond, stop")
            << over << QList<Answer>{Answer::Yes, Answer::No} << QStringList{send, beyond} << 0;
        QTest::newRow("not sent") << QByteArrayList{} << QList<Answer>{Answer::No} << QStringList{send} << 0;
        QTest::newRow("garbled target")
            << QByteArrayList{position(1, "00ZF40")} << QList<Answer>{Answer::Yes}
            << QStringList{send,
                           u"The C/T's answer for position No.1 cannot be used: \"0RP1520000ZF40\". The "
                           u"parameters have not been written."_s}
            << 0;
    }

    // Write to C/T: the question, the checks, the three stored positions against the new stroke (20000
    // pulses), the six blocks, the reset with its own question and status line, 3 s, and the actuator read
    // back; the move data are then to be read again.
    void writeSequence() {
        QFETCH(QByteArrayList, positions);
        QFETCH(QList<Answer>, answers);
        QFETCH(QStringList, shown);
        QFETCH(int, writes);
        ParameterRig r;
        r.fillFactory();
        r.t.ctx.operation.MoveDataReadFlag = true;
        QByteArrayList replies = positions.isEmpty() ? QByteArrayList{} : QByteArrayList{"0CM1"} + positions;
        for (int i = 0; i < writes; ++i)
            replies << "0WD" + kFactory[i].mid(3);
        if (writes)
            replies << "0CM1" << QByteArray() << kDeviceBack;
        r.replies(replies);
        for (Answer answer : answers)
            r.t.op.answer(answer);
        r.commands.run(ParameterCommand::WriteCt);

        QCOMPARE(r.t.op.texts(), shown);
        QStringList frames = r.frames().filter(u"0WD"_s);
        QCOMPARE(frames.size(), writes);
        if (!writes) {
            QVERIFY(r.t.ctx.operation.MoveDataReadFlag && r.window.status.isEmpty());
        } else {
            QCOMPARE(frames, (QStringList{"0WD00FF02140000FFFFFF", "0WD10004E2002020202FF",
                                          "0WD1114283C010400FFFF", "0WD12506478A0C8F0FFFF",
                                          "0WD13050A140101020190", "0WD141C4C006400FFFFFF"}));
            QCOMPARE(r.frames().mid(r.frames().size() - 5),
                     (QStringList{"0CM1", "0CM3", "0RD14", "0RD13", "0RD11"}));
            // 500 ms after a position check that found nothing beyond, 500 after the blocks, 3 s after the
            // reset.
            QCOMPARE(r.waits, (shown.size() == 2 ? QList<int>{500, 500, 3000} : QList<int>{500, 3000}));
            QCOMPARE(r.window.status, (QStringList{"The controller is reset now.", ""}));
            QVERIFY(!r.t.ctx.operation.MoveDataReadFlag);
        }
        QVERIFY(r.progress.log.isEmpty() || r.progress.log.constLast() == u"closed");
        QVERIFY(!r.port.isOpen() && !r.model.ParaBusyFlag && !r.t.ctx.operation.CtBusyFlag &&
                r.model.commandButtonsEnabled);
    }
};

QTEST_GUILESS_MAIN(TestParameterTransfer)
#include "tst_parameter_transfer.moc"
