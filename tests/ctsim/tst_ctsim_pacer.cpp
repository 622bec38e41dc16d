// Pacing of the controller's writes at 9600 baud, with a fake clock.

#include "model/Pacer.h"

#include <QtTest>

using ctsim::Pacer;

class TestCtsimPacer : public QObject {
    Q_OBJECT

private slots:
    void pacedCharactersFollowAbsoluteDeadlines_data();
    void pacedCharactersFollowAbsoluteDeadlines();
    void writesKeepTheirOrderAndEarliestTimes();
    void unpacedWritesGoOutWhole();
};

void TestCtsimPacer::pacedCharactersFollowAbsoluteDeadlines_data() {
    QTest::addColumn<qint64>("lateNs");
    QTest::addColumn<qint64>("secondDeadline");
    // A character takes 1'041'667 ns at 9600 baud; up to 250'000 ns of lateness is made up.
    QTest::newRow("on time") << qint64(0) << qint64(1'041'667);
    QTest::newRow("slightly late: made up") << qint64(200'000) << qint64(1'041'667);
    QTest::newRow("very late: not made up") << qint64(5'000'000) << qint64(5'000'000 - 250'000 + 1'041'667);
}

void TestCtsimPacer::pacedCharactersFollowAbsoluteDeadlines() {
    QFETCH(qint64, lateNs);
    QFETCH(qint64, secondDeadline);
    Pacer pacer(true);
    pacer.enqueue("0RH0\r\n", 0);
    QCOMPARE(pacer.nextDeadlineNs(), std::optional<qint64>(0));
    const std::optional<Pacer::Due> first = pacer.takeDue(lateNs);
    QVERIFY(first);
    QCOMPARE(first->bytes, QByteArray("0"));
    QCOMPARE(first->startedChunk, QByteArray("0RH0\r\n"));
    QCOMPARE(pacer.nextDeadlineNs(), std::optional<qint64>(secondDeadline));
    QVERIFY(!pacer.takeDue(secondDeadline - 1));

    QByteArray rest;
    for (qint64 k = 0; k < 5; ++k) {
        const std::optional<Pacer::Due> due = pacer.takeDue(secondDeadline + k * Pacer::CharNs);
        QVERIFY(due);
        QVERIFY(due->startedChunk.isEmpty());
        rest += due->bytes;
    }
    QCOMPARE(rest, QByteArray("RH0\r\n"));
    QVERIFY(!pacer.nextDeadlineNs());
}

void TestCtsimPacer::writesKeepTheirOrderAndEarliestTimes() {
    Pacer pacer(true);
    pacer.enqueue("AB", 1'000'000);
    pacer.enqueue("C", 0);          // may not overtake
    pacer.enqueue("D", 50'000'000); // waits for its own time
    QVERIFY(!pacer.takeDue(999'999));
    QCOMPARE(pacer.takeDue(1'000'000)->bytes, QByteArray("A"));
    QCOMPARE(pacer.takeDue(1'000'000 + Pacer::CharNs)->bytes, QByteArray("B"));
    QCOMPARE(pacer.nextDeadlineNs(), std::optional<qint64>(1'000'000 + 2 * Pacer::CharNs));
    QCOMPARE(pacer.takeDue(1'000'000 + 2 * Pacer::CharNs)->bytes, QByteArray("C"));
    QCOMPARE(pacer.nextDeadlineNs(), std::optional<qint64>(50'000'000));
    QCOMPARE(pacer.takeDue(50'000'000)->startedChunk, QByteArray("D"));
}

void TestCtsimPacer::unpacedWritesGoOutWhole() {
    Pacer pacer(false);
    pacer.enqueue("0RV120000\r\n", 0);
    pacer.enqueue("0%%0E\r\n", 0);
    QCOMPARE(pacer.takeDue(0)->bytes, QByteArray("0RV120000\r\n"));
    QCOMPARE(pacer.takeDue(0)->bytes, QByteArray("0%%0E\r\n"));
    QVERIFY(!pacer.takeDue(1'000'000'000));
}

QTEST_APPLESS_MAIN(TestCtsimPacer)
#include "tst_ctsim_pacer.moc"
