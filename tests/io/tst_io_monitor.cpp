#include "io/IoMonitor.h"
#include "io/IoView.h"
#include "support/LinkFixture.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The window as the monitor writes it.
struct RecordingIoView : IoView {
    void showLamps(const IoState& state) override { lamps = state.active; }
    void allLampsOff() override { lamps = {}; }
    void setCheckCaption(const QString& text) override { caption = text; }
    void setCheckEnabled(bool enabled) override { checkEnabled = enabled; }
    void setCloseEnabled(bool enabled) override { closeEnabled = enabled; }

    std::array<bool, kIoSignalCount> lamps{};
    QString caption = QStringLiteral("Start Monitor");
    bool checkEnabled = true;
    bool closeEnabled = true;
};

// The eight flags in the order of the register table (HOME LS, POSI1, POSI2, POSI4, EMG STOP, PEND,
// OUT1, OUT2) as "0" and "1".
QString flags(const std::array<bool, kIoSignalCount>& active) {
    QString text;
    for (const bool on : active)
        text += on ? u'1' : u'0';
    return text;
}

// The frames of one tick that reads the three registers after the port check.
const QByteArrayList kReads = {"0CM1\r\n", "0RB105\r\n", "0RB106\r\n", "0RB107\r\n"};

struct Monitor : LinkFixture {
    // Scripts the port check and the three reads of one tick.
    void scriptReads(const QByteArray& r105, const QByteArray& r106, const QByteArray& r107) {
        for (const QByteArray& reply : {QByteArray("0CM1"), r105, r106, r107})
            port.scriptText(reply + "\r\n");
    }
    // Starts monitoring as the button and the next tick do.
    void start() {
        monitor.cmdIoCheck_Click();
        monitor.timerInputOutput_Timer();
    }

    RecordingIoView io;
    IoMonitor monitor{t.ctx, link, io};
};

} // namespace

class TestIoMonitor : public QObject {
    Q_OBJECT
private slots:
    // Inputs are active while their bit reads 0, outputs while it reads 1. A reply that is not the
    // asked register's contents leaves every flag as it was. Each reply is taken over flags all off and
    // over flags all on: "." marks a flag the reply must leave as it was.
    void registerDecoding_data() {
        QTest::addColumn<QByteArray>("registerNo");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QString>("active");
        QTest::addColumn<int>("high"); // Reg107High, Reg107Low after it (9 and 9 before)
        QTest::addColumn<int>("low");
        const auto row = [](const char* name, const char* registerNo, const char* reply, bool taken,
                            const char* active, int high = 9, int low = 9) {
            QTest::newRow(name) << QByteArray(registerNo) << QByteArray(reply) << taken
                                << QString::fromLatin1(active) << high << low;
        };
        row("HOME LS active", "105", "0RB105EF\r\n", true, "1.......");
        row("HOME LS from the high digit only", "105", "0RB105FE\r\n", true, "0.......");
        row("HOME LS inactive, other bits clear", "105", "0RB10510\r\n", true, "0.......");
        row("POSI1 and POSI4 active", "106", "0RB106FA\r\n", true, ".101....");
        row("no position input, high digit ignored", "106", "0RB1060F\r\n", true, ".000....");
        row("emergency stop, PEND and OUT1", "107", "0RB107D3\r\n", true, "....1110", 13, 3);
        row("OUT2 and bit 8 in lower case", "107", "0RB107fc\r\n", true, "....0001", 15, 12);
        row("emergency stop from the high digit only", "107", "0RB107FD\r\n", true, "....0101", 15, 13);
        row("another register's contents", "105", "0RB106EF\r\n", false, "........");
        row("digits that are not hexadecimal", "107", "0RB107G0\r\n", false, "........");
    }

    void registerDecoding() {
        QFETCH(QByteArray, registerNo);
        QFETCH(QByteArray, reply);
        QFETCH(bool, taken);
        QFETCH(QString, active);
        QFETCH(int, high);
        QFETCH(int, low);
        for (const bool before : {false, true}) {
            IoState state;
            state.active.fill(before);
            state.Reg107High = state.Reg107Low = 9;
            QCOMPARE(takeRegisterReply(state, registerNo, reply) == RegisterReply::Taken, taken);
            QString expected = active;
            expected.replace(u'.', before ? u'1' : u'0');
            QCOMPARE(flags(state.active), expected);
            QCOMPARE(state.Reg107High, qint16(high));
            QCOMPARE(state.Reg107Low, qint16(low));
        }
    }

    // A click during a read lands in the next tick, before its reads; the data keeps the high digit as
    // read and bit 8 of the low digit, and sets the outputs as the flags stand after the inversion.
    // The outputs are written again before every read until monitoring stops.
    void outputChangeIsWrittenBeforeTheNextRead_data() {
        QTest::addColumn<QByteArray>("read107");
        QTest::addColumn<int>("output"); // IoOutput clicked
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QByteArray>("read107Again");
        QTest::addColumn<QByteArray>("writtenAgain");
        const auto row = [](const char* name, const char* read, IoOutput output, const char* written,
                            const char* readAgain, const char* writtenAgain) {
            QTest::newRow(name) << QByteArray(read) << int(output) << QByteArray(written)
                                << QByteArray(readAgain) << QByteArray(writtenAgain);
        };
        row("OUT1 on beside PEND: low digit 3", "0RB107D1", IoOutput::Out1, "0WB107D3\r\n", "0RB107D3",
            "0WB107D3\r\n");
        row("PEND off, bit 8 kept", "0RB107F9", IoOutput::Pend, "0WB107F8\r\n", "0RB107F8", "0WB107F8\r\n");
        row("OUT2 on, the next write follows the read", "0RB107F0", IoOutput::Out2, "0WB107F4\r\n",
            "0RB107F6", "0WB107F6\r\n");
    }

    void outputChangeIsWrittenBeforeTheNextRead() {
        QFETCH(QByteArray, read107);
        QFETCH(int, output);
        QFETCH(QByteArray, written);
        QFETCH(QByteArray, read107Again);
        QFETCH(QByteArray, writtenAgain);
        Monitor m;
        m.port.scriptText("0CM1\r\n");
        m.port.scriptText("0RB105FF\r\n");
        m.port.script({{"0RB106FF\r\n", 60}}); // the click comes while this reply is awaited
        m.port.scriptText(read107 + "\r\n");
        QTimer::singleShot(20, &m.monitor, [&m, output] { m.monitor.output_Click(IoOutput(output)); });
        m.start();
        QCOMPARE(m.port.written, kReads);
        QVERIFY(m.monitor.WriteRequest);

        m.port.scriptText(written);
        m.scriptReads("0RB105FF", "0RB106FF", read107Again);
        m.monitor.timerInputOutput_Timer();
        m.port.scriptText(writtenAgain);
        m.scriptReads("0RB105FF", "0RB106FF", read107Again);
        m.monitor.timerInputOutput_Timer();
        QCOMPARE(m.port.written,
                 kReads + QByteArrayList{written} + kReads + QByteArrayList{writtenAgain} + kReads);
        QVERIFY(m.t.op.messages.isEmpty() && m.monitor.MonitorOn && !m.monitor.Out1ChangeReq &&
                !m.monitor.PendChangeReq);
    }

    // Clicks before the start are ignored; lamps follow the reads; a stop ends monitoring after the
    // tick's reads, with the port released, every lamp off and the start caption back.
    void startReadStop() {
        Monitor m;
        m.monitor.output_Click(IoOutput::Out2); // ignored while monitoring is off
        m.monitor.timerInputOutput_Timer();
        QVERIFY(m.port.written.isEmpty() && !m.monitor.WriteRequest && !m.monitor.Out2ChangeReq);
        m.scriptReads("0RB105EF", "0RB106FD", "0RB107F6");
        m.start();
        QCOMPARE(m.port.written, kReads);
        QVERIFY(m.monitor.MonitorOn);
        QCOMPARE(flags(m.io.lamps), QStringLiteral("10100011"));
        QCOMPARE(m.io.caption, QStringLiteral("Stop Monitor"));
        QVERIFY(!m.io.closeEnabled && !m.monitor.closeAllowed() && m.port.isOpen());

        m.monitor.cmdIoCheck_Click();
        m.monitor.output_Click(IoOutput::Out1); // ignored once a stop is asked for
        m.scriptReads("0RB105EF", "0RB106FD", "0RB107F6");
        m.monitor.timerInputOutput_Timer();
        QCOMPARE(m.port.written, kReads + kReads);
        QVERIFY(!m.monitor.MonitorOn && !m.monitor.MonitorStopRequest && !m.monitor.WriteRequest);
        QCOMPARE(flags(m.io.lamps), QStringLiteral("00000000"));
        QCOMPARE(m.io.caption, QStringLiteral("Start Monitor"));
        QVERIFY(m.io.closeEnabled && m.monitor.closeAllowed() && !m.port.isOpen());

        m.monitor.timerInputOutput_Timer(); // idle: nothing is sent
        QCOMPARE(m.port.written.size(), 8);
    }

    // The start/stop button and the close button are locked at a click; the start/stop button comes
    // back 500 ms later, the close button only when monitoring has ended.
    void buttonLock() {
        Monitor m;
        QElapsedTimer clock;
        clock.start();
        m.monitor.cmdIoCheck_Click();
        QVERIFY(!m.io.checkEnabled && !m.io.closeEnabled && m.monitor.StartRequest);
        QTest::qWait(300);
        QVERIFY2(!m.io.checkEnabled || clock.elapsed() >= 450, "unlocked too early");
        QTRY_VERIFY_WITH_TIMEOUT(m.io.checkEnabled, 3000);
        QVERIFY2(clock.elapsed() >= 450, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!m.io.closeEnabled && !m.monitor.TimerBtnOff.isActive());
    }

    // Whatever fails, monitoring ends with the exchange's message, every lamp off, the start caption
    // and the window closable.
    void failureEndsMonitoring_data() {
        QTest::addColumn<QByteArrayList>("replies"); // after a first tick that read all three registers
        QTest::addColumn<bool>("write");             // OUT1 clicked before the failing tick
        QTest::addColumn<bool>("portFails");
        QTest::addColumn<QString>("message"); // start of the message shown
        QTest::addColumn<int>("frames");      // sent in the failing tick
        QTest::newRow("port cannot open")
            << QByteArrayList{} << false << true << "Failed in opening of a communication port." << 0;
        QTest::newRow("alarm reply to a read")
            << QByteArrayList{"0CM1", "0RB105FF", "0%%0E"} << false << false
            << "Communication error occurs!\r\n\r\nError No.0E" << 3;
        QTest::newRow("write refused in external start mode")
            << QByteArrayList{"0%%03"} << true << false << "Communication error occurs!\r\n\r\nError No.03"
            << 1;
        QTest::newRow("register digits that are not hexadecimal")
            << QByteArrayList{"0CM1", "0RB105FF", "0RB1060G"} << false << false
            << "The C/T's answer to 0RB106 cannot be used: \"0RB1060G\" holds a character" << 3;
        QTest::newRow("time-out") << QByteArrayList{"0CM1", "0RB105FF", ""} << false << false
                                  << "Communication timeout error!" << 3;
    }

    void failureEndsMonitoring() {
        QFETCH(QByteArrayList, replies);
        QFETCH(bool, write);
        QFETCH(bool, portFails);
        QFETCH(QString, message);
        QFETCH(int, frames);
        Monitor m;
        m.scriptReads("0RB105EF", "0RB106FE", "0RB107D3");
        m.start();
        QVERIFY(m.monitor.MonitorOn && m.t.op.messages.isEmpty());
        if (write)
            m.monitor.output_Click(IoOutput::Out1);
        m.port.close();
        m.port.failOpen = portFails;
        m.port.written.clear();
        for (const QByteArray& reply : replies)
            m.port.scriptText(reply.isEmpty() ? QByteArray() : reply + "\r\n");
        m.monitor.timerInputOutput_Timer();

        QCOMPARE(m.port.written.size(), frames);
        QVERIFY2(m.t.op.messages.size() == 1 && m.t.op.lastText().startsWith(message),
                 qPrintable(m.t.op.lastText()));
        QCOMPARE(flags(m.io.lamps), QStringLiteral("00000000"));
        QCOMPARE(m.io.caption, QStringLiteral("Start Monitor"));
        QVERIFY(!m.monitor.MonitorOn && !m.monitor.WriteRequest && m.io.closeEnabled && !m.port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestIoMonitor)
#include "tst_io_monitor.moc"
