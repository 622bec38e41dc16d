#include "link/CommLog.h"
#include "support/LinkFixture.h"
#include "support/ResidentMemory.h"

#include <QRegularExpression>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

using Reply = ScriptedPort::Reply;

// The held lines without their time: "TX<TAB>OK<TAB>0RV\r\n".
QStringList linesWithoutTime(const CommLog& log) {
    QStringList lines;
    for (qint64 seq = log.firstSeq(); seq < log.nextSeq(); ++seq)
        lines << CommLog::lineText(*log.line(seq)).section(QLatin1Char('\t'), 1);
    return lines;
}

// A far end that answers every frame at once with the reply of a version query, so that a great
// many transactions run without waiting.
class AnsweringPort : public SerialPort {
public:
    bool open(int) override { return open_ = true; }
    bool isOpen() const override { return open_; }
    void write(const QByteArray&) override { rx_ = QByteArrayLiteral("0RV120Z00\r\n"); }
    qint64 bytesAvailable() const override { return rx_.size(); }
    QByteArray readAll() override { return std::exchange(rx_, {}); }
    void close() override { open_ = false; }
    QString errorString() const override { return {}; }

private:
    bool open_ = false;
    QByteArray rx_;
};

} // namespace

Q_DECLARE_METATYPE(zovi::test::ScriptedPort::Reply)

class TestCommLog : public QObject {
    Q_OBJECT
private slots:
    // One "0RV" exchange (reply length 11) per outcome; the second reply answers the recovery "0CM0".
    void outcomes_data() {
        QTest::addColumn<Reply>("reply");
        QTest::addColumn<Reply>("recovery");
        QTest::addColumn<QStringList>("lines");
        const Reply cm0{{"0CM0\r\n", 0}};
        QTest::newRow("ok") << Reply{{"0RV1", 0}, {"20Z00\r\n", 120}} << Reply{}
                            << QStringList{"TX\tOK\t0RV\\r\\n", "RX\tOK\t0RV120Z00\\r\\n"};
        QTest::newRow("time-out") << Reply{} << Reply{} << QStringList{"TX\tTIMEOUT\t0RV\\r\\n"};
        QTest::newRow("echo mismatch") << Reply{{"0RX120Z00\r\n", 0}} << cm0
                                       << QStringList{"TX\tECHO\t0RV\\r\\n", "RX\tECHO\t0RX120Z00\\r\\n",
                                                      "TX\tRECOVERY\t0CM0\\r\\n", "RX\tRECOVERY\t0CM0\\r\\n"};
        QTest::newRow("length mismatch")
            << Reply{{"0RV120Z000\r\n", 0}} << cm0
            << QStringList{"TX\tLENGTH\t0RV\\r\\n", "RX\tLENGTH\t0RV120Z000\\r\\n",
                           "TX\tRECOVERY\t0CM0\\r\\n", "RX\tRECOVERY\t0CM0\\r\\n"};
        QTest::newRow("recovery unanswered")
            << Reply{{"0RV1\r\n", 0}} << Reply{}
            << QStringList{"TX\tLENGTH\t0RV\\r\\n", "RX\tLENGTH\t0RV1\\r\\n", "TX\tRECOVERY\t0CM0\\r\\n"};
        QTest::newRow("alarm") << Reply{{"0%%0E\r\n", 0}} << Reply{}
                               << QStringList{"TX\tALARM\t0RV\\r\\n", "RX\tALARM\t0%%0E\\r\\n"};
        QTest::newRow("garbage escaped")
            << Reply{{QByteArrayLiteral("0RV\x01\t\\\xff"
                                        "5Z\r\n"),
                      0}}
            << Reply{} << QStringList{"TX\tOK\t0RV\\r\\n", "RX\tOK\t0RV\\x01\\t\\\\\\xFF5Z\\r\\n"};
    }

    void outcomes() {
        QFETCH(Reply, reply);
        QFETCH(Reply, recovery);
        QFETCH(QStringList, lines);
        CommLog log;
        LinkFixture f;
        f.link.setLog(&log);
        f.port.script(reply);
        f.port.script(recovery);
        f.link.state.TimeoutMsec = 300;
        f.link.SendCtCommand("0RV", 11);
        QCOMPARE(linesWithoutTime(log), lines);
        static const QRegularExpression time(u"^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d\\.\\d{3}\t"_s);
        QVERIFY(time.match(CommLog::lineText(*log.line(0))).hasMatch());
    }

    // A frame sent without a reply, a status line between transactions and a reply that comes after its
    // transaction gave up belong to no transaction.
    void linesOutsideTransactions() {
        CommLog log;
        LinkFixture f;
        f.link.setLog(&log);
        f.port.open(1);
        f.link.writeWithoutReply("0CM3");
        f.port.deliverNow("0%%05\r\n");
        f.link.state.TimeoutMsec = 100;
        f.port.script({{"0RH1\r\n", 400}});
        QCOMPARE(f.link.SendCtCommand("0RH", 6), 1);
        f.port.open(1); // the time-out closed it; the late reply arrives on the next opening
        QTRY_COMPARE(log.size(), 4);
        QCOMPARE(linesWithoutTime(log),
                 (QStringList{"TX\tNOREPLY\t0CM3\\r\\n", "RX\tUNSOLICITED\t0%%05\\r\\n",
                              "TX\tTIMEOUT\t0RH\\r\\n", "RX\tUNSOLICITED\t0RH1\\r\\n"}));
    }

    // A day of I/O monitoring: the ring holds the last 10,000 lines and memory stays where it was
    // once the ring is full.
    void ringStaysBounded() {
        TestContext t;
        AnsweringPort port;
        RecordingMainView view;
        AlarmPanel alarms(t.ctx, view);
        FakeClock clock;
        CommLog log;
        CtLink link(t.ctx, port, view, alarms, clock);
        link.setLog(&log);
        const auto run = [&](int transactions) {
            for (int i = 0; i < transactions; ++i)
                QCOMPARE(link.SendCtCommand("0RV", 11), 0);
        };
        run(100000);
        QCOMPARE(log.size(), CommLog::kCapacity);
        QCOMPARE(log.nextSeq(), 200000);
        QCOMPARE(log.firstSeq(), 190000);
        QVERIFY(!log.line(189999) && !log.line(200000));
        QCOMPARE(log.line(199999)->frame, QByteArray("0RV120Z00\r\n"));
        QCOMPARE(log.line(190000)->direction, CommLog::Direction::Sent);

        const qint64 before = residentKb();
        run(100000);
        const qint64 growth = residentKb() - before;
        QCOMPARE(log.size(), CommLog::kCapacity);
        if (!kResidentMemoryMeaningful)
            QSKIP("Resident memory is not measurable under the address sanitizer");
        QVERIFY2(before > 0 && growth < 1024, qPrintable(QStringLiteral("grew by %1 kB").arg(growth)));
    }
};

QTEST_MAIN(TestCommLog)
#include "tst_commlog.moc"
