// Noise, garbled replies and a pulled cable, through the program's own serial stack against the
// simulator: the program recovers within the exchanges each row allows, its memory stays bounded and
// it spends no processor time while the line is dead.

#include "support/ResidentMemory.h"
#include "support/SimulatedLink.h"

#include <QtTest>
#include <ctime>

using namespace zovi;
using namespace zovi::test;

namespace {

const QString kEcho = QStringLiteral("Communication error occurs!");
const QString kLength = QStringLiteral("Communication data length error occurs!");
const QString kTimeout = QStringLiteral("Communication timeout error!");

} // namespace

class TestLineE2e : public QObject {
    Q_OBJECT
private slots:
    // Each row: the fault, whether the port is held open between exchanges, how many of its bytes reach
    // the port, and the first line of each message shown until the port check succeeds again.
    void faultsOnTheLine_data() {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<bool>("occupy");
        QTest::addColumn<int>("reaching");
        QTest::addColumn<QStringList>("messages");
        for (const bool occupy : {false, true}) {
            const auto row = [occupy](const char* name, const QString& fault, int noise,
                                      const QStringList& shown) {
                QTest::addRow("%s, port %s", name, occupy ? "held" : "released")
                    << fault << occupy << (occupy ? noise : 0) << shown;
            };
            // Noise while the port is closed is lost; held, its last characters begin the next reply.
            const QStringList noise = occupy ? QStringList{kEcho} : QStringList{};
            row("1 MB of noise", QStringLiteral("burst 1048576 7"), 1048576, noise);
            row("100,000 characters without CR LF", QStringLiteral("stray-raw ") + QString(100000, u'x'),
                100000, noise);
            row("noise inside a reply", QStringLiteral("garble-next 8 3"), 0, {kLength});
            // The cut reply's characters stay in the buffer and begin the next one.
            row("hang-up in a reply", QStringLiteral("hangup 4"), 0, {kTimeout, kLength});
        }
    }

    void faultsOnTheLine() {
        QFETCH(QString, fault);
        QFETCH(bool, occupy);
        QFETCH(int, reaching);
        QFETCH(QStringList, messages);
        SimulatedLink b({QStringLiteral("--no-pacing")});
        const auto sent = [&b] {
            return b.sim.command(QStringLiteral("status")).section(QStringLiteral("sent="), 1).toLongLong();
        };
        b.t.ctx.options.PortOccupyFlag = occupy;
        QCOMPARE(b.link.CheckCommPort(), 0);
        b.link.ReleaseCommPort();
        const qint64 sentBefore = sent();
        const qint64 before = residentKb();
        QVERIFY(b.sim.command(fault).startsWith(QStringLiteral("ok")));
        QTRY_VERIFY_WITH_TIMEOUT(
            b.sim.command(QStringLiteral("status")).contains(QStringLiteral(" sending=0 ")), 20000);
        QTest::qWait(3 * CtLink::kPollMs); // the last characters reach the receive buffer
        const qint64 afterNoise = residentKb();
        const qint64 noiseSent = sent() - sentBefore;
        QVERIFY(b.link.state.RecvBuffer.size() <= 256);

        double idleCpu = -1.0; // measured after a time-out only
        for (int i = 0; i < 4 && b.link.CheckCommPort() != 0; ++i) {
            if (b.link.state.TimeoutFlag) { // the dead line: nothing may run until it is back
                QVERIFY(!b.port.isOpen());
                const std::clock_t start = std::clock(); // processor time of this process
                QTest::qWait(2000);
                idleCpu = double(std::clock() - start) / CLOCKS_PER_SEC;
                QVERIFY(b.ok("clear"));
            }
        }
        QStringList shown;
        for (const QString& text : b.t.op.texts())
            shown << text.section(QStringLiteral("\r\n"), 0, 0);
        const qint64 after = residentKb();
        qInfo("VmRSS %lld kB before, %lld kB after the fault, %lld kB after recovery; %lld bytes of noise "
              "sent; %lld failed; %.3f s CPU in 2 s after a time-out (-1: none)",
              before, afterNoise, after, noiseSent, qint64(shown.size()), idleCpu);
        QCOMPARE(shown, messages);
        QCOMPARE(noiseSent, qint64(reaching));
        QVERIFY2(!kResidentMemoryMeaningful || (afterNoise - before < 1024 && after - before < 1024),
                 "memory grew with the noise");
        QVERIFY2(idleCpu < 0.05, "the program keeps working while the line is dead");
    }
};

QTEST_GUILESS_MAIN(TestLineE2e)
#include "tst_line_e2e.moc"
