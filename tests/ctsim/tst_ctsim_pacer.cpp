// Pacing of the controller's writes at 9600 baud, with a fake clock.

#include "model/Pacer.h"

#include <QtTest>

using ctsim::Pacer;

class TestCtsimPacer : public QObject {
    Q_OBJECT
private slots:
    void pacedCharactersFollowAbsoluteDeadlines() {
        // A character takes 1'041'667 ns at 9600 baud; up to 250'000 ns of lateness is made up.
        for (const auto& [lateNs, secondDeadline] : QList<std::pair<qint64, qint64>>{
                 {0, 1'041'667}, {200'000, 1'041'667}, {5'000'000, 5'000'000 - 250'000 + 1'041'667}}) {
            Pacer pacer(true);
            pacer.enqueue("0RH0\r\n", 0);
            const Pacer::Due first = pacer.takeDue(lateNs).value_or(Pacer::Due{});
            QCOMPARE(first.bytes + '|' + first.startedChunk, QByteArray("0|0RH0\r\n"));
            QCOMPARE(pacer.nextDeadlineNs(), std::optional<qint64>(secondDeadline));
            QVERIFY(!pacer.takeDue(secondDeadline - 1));
            QByteArray rest;
            for (qint64 k = 0; k < 5; ++k)
                rest +=
                    pacer.takeDue(secondDeadline + k * Pacer::CharNs).value_or(Pacer::Due{"?", "?"}).bytes;
            QCOMPARE(rest, QByteArray("RH0\r\n"));
            QVERIFY(!pacer.nextDeadlineNs());
        }
    }

    void writesKeepTheirOrderAndEarliestTimes() {
        Pacer pacer(true);
        pacer.enqueue("AB", 1'000'000);
        pacer.enqueue("C", 0);          // may not overtake
        pacer.enqueue("D", 50'000'000); // waits for its own time
        QVERIFY(!pacer.takeDue(999'999));
        QCOMPARE(pacer.takeDue(1'000'000)->bytes, QByteArray("A"));
        QCOMPARE(pacer.takeDue(1'000'000 + Pacer::CharNs)->bytes, QByteArray("B"));
        QCOMPARE(pacer.takeDue(1'000'000 + 2 * Pacer::CharNs)->bytes, QByteArray("C"));
        QCOMPARE(pacer.nextDeadlineNs(), std::optional<qint64>(50'000'000));
        QCOMPARE(pacer.takeDue(50'000'000)->startedChunk, QByteArray("D"));
        Pacer unpaced(false);
        unpaced.enqueue("0RV120000\r\n", 0);
        QCOMPARE(unpaced.takeDue(0)->bytes, QByteArray("0RV120000\r\n"));
    }
};

QTEST_APPLESS_MAIN(TestCtsimPacer)
#include "tst_ctsim_pacer.moc"
