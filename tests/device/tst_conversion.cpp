#include "device/Conversion.h"
#include "device/StrokeCalculator.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void limits_data() {
        QTest::addColumn<int>("stroke");
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("ppr");
        QTest::addColumn<int>("maxPulse");
        QTest::addColumn<double>("maxMm");
        QTest::newRow("6666.67 rounds up") << 100 << 6 << 400 << 6667 << 100.005;
        QTest::newRow("exact") << 100 << 2 << 400 << 20000 << 100.0;
        QTest::newRow("3333.33 rounds up") << 50 << 6 << 400 << 3334 << 50.01;
        QTest::newRow("beyond 16 bits") << 700 << 2 << 400 << 140000 << 700.0;
        QTest::newRow("40.04 is 40.0: no step up") << 1 << 25 << 1001 << 40 << 0.999;
        QTest::newRow("40.08 is 40.1: one step up") << 1 << 25 << 1002 << 41 << 1.022;
        QTest::newRow("mm truncates: 16 x 0.0625") << 1 << 12 << 192 << 16 << 1.0;
    }

    void limits() {
        QFETCH(int, stroke);
        QFETCH(int, lead);
        QFETCH(int, ppr);
        QFETCH(int, maxPulse);
        QFETCH(double, maxMm);
        QCOMPARE(conv::devMaxPulse(stroke, lead, ppr), qint64(maxPulse));
        DeviceState dev;
        dev.DevStroke = qint16(stroke);
        dev.DevLead = qint16(lead);
        dev.DevPPR = qint16(ppr);
        conv::recomputeLimits(dev);
        QCOMPARE(dev.DevMaxPulse, maxPulse);
        QCOMPARE(dev.DevMaxMm, maxMm);
        QCOMPARE(conv::maxMm(12, 192, 1), 0.062); // 0.0625 truncated to 0.001 mm
    }

    void snapToPulseStep() {
        // Lead, PPR, mm, snapped up (mode 1) and down (mode 0): 1.5 pulses of 0.015, 2.5 of 0.005, 2.52 is
        // nearest 3, a fraction of .50004 is a half, whole pulses stay.
        const QList<std::tuple<int, int, double, double, double>> cases{{6, 400, 0.0225, 0.03, 0.015},
                                                                        {2, 400, 0.0125, 0.015, 0.01},
                                                                        {2, 400, 0.0126, 0.015, 0.015},
                                                                        {1, 1000, 0.00250004, 0.003, 0.002},
                                                                        {6, 400, 0.045, 0.045, 0.045}};
        for (const auto& [lead, ppr, mm, roundUp, roundDown] : cases) {
            QCOMPARE(conv::snapMmToPulseStep(lead, 1, ppr, mm), roundUp);
            QCOMPARE(conv::snapMmToPulseStep(lead, 0, ppr, mm), roundDown);
            // A fraction but no known mode gives no pulses at all.
            if (roundUp != roundDown)
                QCOMPARE(conv::snapMmToPulseStep(lead, 2, ppr, mm), 0.0);
        }
    }

    void mmToPulseRoundsHalfToEven() {
        QCOMPARE(conv::mmToPulse(2, 400, 0.0125), qint64(2)); // 2.5
        QCOMPARE(conv::mmToPulse(2, 400, 0.0225), qint64(4)); // 4.5
        QCOMPARE(conv::mmToPulse(1, 2, 1.75), qint64(4));     // 3.5
        QCOMPARE(conv::mmToPulse(1, 1, -2.5), qint64(-2));
        QCOMPARE(conv::mmToPulse(2, 400, 700.0), qint64(140000));
    }

    void mmCell() {
        // 999.001 mm is empty, 999 mm fills the cell, a half thousandth rounds up, too wide to align is
        // empty.
        for (const auto& [lead, ppr, pulses, expected] :
             QList<std::tuple<int, int, double, QString>>{{1, 1000, 999001.0, ""},
                                                          {2, 400, 199800.0, "999.000"},
                                                          {12, 192, 1.0, "  0.063"},
                                                          {2, 400, -200000.0, ""}})
            QCOMPARE(conv::mmCellText(lead, ppr, pulses), expected);
    }

    void unitLine() {
        for (const auto& [lead, ppr, lines] :
             QList<std::tuple<int, int, QString>>{{6, 400, "1mm = 66.667Pulse|1Pulse= 0.015mm"},
                                                  {2, 400, "1mm = 200Pulse|1Pulse= 0.005mm"},
                                                  {12, 192, "1mm = 16Pulse|1Pulse= 0.063mm"}}) {
            const conv::UnitLine line = conv::unitLine(lead, ppr, QStringLiteral("Pulse"));
            QCOMPARE(line.mmLine + QLatin1Char('|') + line.pulseLine, lines);
        }
        QCOMPARE(conv::unitLine(4, 192, QStringLiteral("ﾊﾟﾙｽ")).pulseLine, QStringLiteral("1ﾊﾟﾙｽ= 0.021mm"));
    }

    void strokeCalculator() {
        // Stroke, lead, 42D or not, the pulses: except 42D, 42D, 600 mm of lead 12, then a stroke of 601,
        // a negative one, one beyond 16 bits and a lead that is none.
        const QList<std::tuple<QString, int, int, QString>> cases{
            {"100", 6, 0, "6667"},       {"100", 6, 1, "3200"},      {"600 mm", 12, 0, "20000"},
            {"601", 2, 0, "Invalidity"}, {"-1", 2, 0, "Invalidity"}, {"99999", 2, 0, "Invalidity"},
            {"100", 10, 0, "Invalidity"}};
        for (const auto& [stroke, lead, actType, result] : cases) {
            TestContext t;
            StrokeCalculator calculator(t.ctx.texts);
            QCOMPARE(calculator.result, QStringLiteral("No Device"));
            QVERIFY(!calculator.input());
            calculator.strokeText = stroke;
            calculator.leadText = QString::number(lead);
            calculator.actType = actType;
            calculator.calculate();
            QCOMPARE(calculator.result, result);
            QCOMPARE(calculator.input().value_or(QStringLiteral("Invalidity")), result);
        }
    }
};

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
