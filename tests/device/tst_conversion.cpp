#include "device/Conversion.h"
#include "device/StrokeCalculator.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

class TestConversion : public QObject {
    Q_OBJECT
private slots:
    void maxPulse_data();
    void maxPulse();
    void maxMmTruncates_data();
    void maxMmTruncates();
    void limitsFollowTheDevice();
    void snapToPulseStep_data();
    void snapToPulseStep();
    void mmToPulseRoundsHalfToEven_data();
    void mmToPulseRoundsHalfToEven();
    void mmCell_data();
    void mmCell();
    void rightAlign_data();
    void rightAlign();
    void unitLine_data();
    void unitLine();
    void leadingNumber_data();
    void leadingNumber();
    void strokeCalculator_data();
    void strokeCalculator();
};

void TestConversion::maxPulse_data() {
    QTest::addColumn<int>("stroke");
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("6666.67 rounds up") << 100 << 6 << 400 << qint64(6667);
    QTest::newRow("exact") << 100 << 2 << 400 << qint64(20000);
    QTest::newRow("3333.33 rounds up") << 50 << 6 << 400 << qint64(3334);
    QTest::newRow("beyond 16 bits") << 700 << 2 << 400 << qint64(140000);
    QTest::newRow("192 pulses per revolution") << 100 << 6 << 192 << qint64(3200);
    QTest::newRow("lead 12, 192") << 500 << 12 << 192 << qint64(8000);
    QTest::newRow("66.67") << 1 << 6 << 400 << qint64(67);
    QTest::newRow("40.04 is 40.0: no step up") << 1 << 25 << 1001 << qint64(40);
    QTest::newRow("40.08 is 40.1: one step up") << 1 << 25 << 1002 << qint64(41);
    QTest::newRow("zero stroke") << 0 << 2 << 400 << qint64(0);
    QTest::newRow("no lead gives 0, no crash") << 100 << 0 << 400 << qint64(0);
}

void TestConversion::maxPulse() {
    QFETCH(int, stroke);
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(qint64, expected);
    QCOMPARE(conv::devMaxPulse(stroke, lead, ppr), expected);
}

void TestConversion::maxMmTruncates_data() {
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<qint64>("pulses");
    QTest::addColumn<double>("expected");
    QTest::newRow("6667 pulses at 0.015") << 6 << 400 << qint64(6667) << 100.005;
    QTest::newRow("20000 at 0.005") << 2 << 400 << qint64(20000) << 100.0;
    QTest::newRow("0.0625 truncates to 0.062") << 12 << 192 << qint64(1) << 0.062;
    QTest::newRow("1/3 mm") << 1 << 3 << qint64(1) << 0.333;
    QTest::newRow("140000 at 0.005") << 2 << 400 << qint64(140000) << 700.0;
}

void TestConversion::maxMmTruncates() {
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(qint64, pulses);
    QFETCH(double, expected);
    QCOMPARE(conv::maxMm(lead, ppr, pulses), expected);
}

void TestConversion::limitsFollowTheDevice() {
    DeviceState dev;
    dev.DevStroke = 700;
    dev.DevLead = 2;
    dev.DevPPR = 400;
    conv::recomputeLimits(dev);
    QCOMPARE(dev.DevMaxPulse, qint32(140000));
    QCOMPARE(dev.DevMaxMm, 700.0);
    dev.DevStroke = 100;
    dev.DevLead = 6;
    conv::recomputeLimits(dev);
    QCOMPARE(dev.DevMaxPulse, qint32(6667));
    QCOMPARE(dev.DevMaxMm, 100.005);
    QCOMPARE(dev.MmPerPulse, 0.015);
}

void TestConversion::snapToPulseStep_data() {
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("mm");
    QTest::addColumn<double>("expected");
    QTest::newRow("1.5 pulses, round up") << 6 << 400 << 1 << 0.0225 << 0.03;
    QTest::newRow("1.5 pulses, round down") << 6 << 400 << 0 << 0.0225 << 0.015;
    QTest::newRow("2.5 pulses, round up") << 2 << 400 << 1 << 0.0125 << 0.015;
    QTest::newRow("2.5 pulses, round down") << 2 << 400 << 0 << 0.0125 << 0.01;
    QTest::newRow("2.52 pulses is nearest either way") << 2 << 400 << 0 << 0.0126 << 0.015;
    QTest::newRow("2.48 pulses is nearest either way") << 2 << 400 << 1 << 0.0124 << 0.01;
    QTest::newRow("fraction .50004 is a half: down") << 1 << 1000 << 0 << 0.00250004 << 0.002;
    QTest::newRow("fraction .50004 is a half: up") << 1 << 1000 << 1 << 0.00250004 << 0.003;
    QTest::newRow("fraction .50006 is above a half") << 1 << 1000 << 0 << 0.00250006 << 0.003;
    QTest::newRow("whole pulses stay") << 6 << 400 << 0 << 0.045 << 0.045;
    QTest::newRow("other mode gives 0") << 6 << 400 << 2 << 0.0225 << 0.0;
}

void TestConversion::snapToPulseStep() {
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(int, mode);
    QFETCH(double, mm);
    QFETCH(double, expected);
    QCOMPARE(conv::snapMmToPulseStep(lead, mode, ppr, mm), expected);
}

void TestConversion::mmToPulseRoundsHalfToEven_data() {
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<double>("mm");
    QTest::addColumn<qint64>("expected");
    QTest::newRow("2.5 gives 2") << 2 << 400 << 0.0125 << qint64(2);
    QTest::newRow("4.5 gives 4") << 2 << 400 << 0.0225 << qint64(4);
    QTest::newRow("3.5 gives 4") << 1 << 2 << 1.75 << qint64(4);
    QTest::newRow("-2.5 gives -2") << 1 << 1 << -2.5 << qint64(-2);
    QTest::newRow("100 mm at lead 6") << 6 << 400 << 100.0 << qint64(6667);
    QTest::newRow("700 mm at lead 2") << 2 << 400 << 700.0 << qint64(140000);
}

void TestConversion::mmToPulseRoundsHalfToEven() {
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(double, mm);
    QFETCH(qint64, expected);
    QCOMPARE(conv::mmToPulse(lead, ppr, mm), expected);
}

void TestConversion::mmCell_data() {
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<double>("pulses");
    QTest::addColumn<QString>("expected");
    QTest::newRow("999.001 mm is empty") << 1 << 1000 << 999001.0 << "";
    QTest::newRow("999 mm fills the cell") << 2 << 400 << 199800.0 << "999.000";
    QTest::newRow("999.005 mm is empty") << 2 << 400 << 199801.0 << "";
    QTest::newRow("right-aligned") << 6 << 400 << 6667.0 << "100.005";
    QTest::newRow("short") << 6 << 400 << 3.0 << "  0.045";
    QTest::newRow("half a thousandth rounds away from zero") << 12 << 192 << 1.0 << "  0.063";
    QTest::newRow("zero") << 2 << 400 << 0.0 << "  0.000";
    QTest::newRow("negative") << 2 << 400 << -200.0 << " -1.000";
    QTest::newRow("too wide to align is empty") << 2 << 400 << -200000.0 << "";
}

void TestConversion::mmCell() {
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(double, pulses);
    QFETCH(QString, expected);
    QCOMPARE(conv::mmCellText(lead, ppr, pulses), expected);
}

void TestConversion::rightAlign_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("fits");
    QTest::newRow("padded") << "1.5" << 7 << "    1.5" << true;
    QTest::newRow("exact width") << "100.005" << 7 << "100.005" << true;
    QTest::newRow("longer is -1") << "1000.000" << 7 << "" << false;
}

void TestConversion::rightAlign() {
    QFETCH(QString, text);
    QFETCH(int, width);
    QFETCH(QString, expected);
    QFETCH(bool, fits);
    const auto aligned = conv::rightAlign(text, width);
    QCOMPARE(aligned.has_value(), fits);
    if (fits)
        QCOMPARE(*aligned, expected);
}

void TestConversion::unitLine_data() {
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("mmLine");
    QTest::addColumn<QString>("pulseLine");
    QTest::newRow("lead 6") << 6 << 400 << "Pulse"
                            << "1mm = 66.667Pulse"
                            << "1Pulse= 0.015mm";
    QTest::newRow("lead 2") << 2 << 400 << "Pulse"
                            << "1mm = 200Pulse"
                            << "1Pulse= 0.005mm";
    QTest::newRow("lead 12, 192") << 12 << 192 << "Pulse"
                                  << "1mm = 16Pulse"
                                  << "1Pulse= 0.063mm";
    QTest::newRow("lead 8") << 8 << 400 << "Pulse"
                            << "1mm = 50Pulse"
                            << "1Pulse= 0.02mm";
    QTest::newRow("Japanese word") << 4 << 192 << "ﾊﾟﾙｽ"
                                   << "1mm = 48ﾊﾟﾙｽ"
                                   << "1ﾊﾟﾙｽ= 0.021mm";
}

void TestConversion::unitLine() {
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(QString, word);
    QFETCH(QString, mmLine);
    QFETCH(QString, pulseLine);
    const conv::UnitLine line = conv::unitLine(lead, ppr, word);
    QCOMPARE(line.mmLine, mmLine);
    QCOMPARE(line.pulseLine, pulseLine);
}

void TestConversion::leadingNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("plain") << "100" << 100.0;
    QTest::newRow("blanks and decimals") << "  12.5" << 12.5;
    QTest::newRow("trailing letters") << "12abc" << 12.0;
    QTest::newRow("negative") << "-3" << -3.0;
    QTest::newRow("exponent") << "1e3x" << 1000.0;
    QTest::newRow("not a number") << "abc" << 0.0;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("a point alone") << "." << 0.0;
}

void TestConversion::leadingNumber() {
    QFETCH(QString, text);
    QFETCH(double, expected);
    QCOMPARE(conv::leadingNumber(text), expected);
}

void TestConversion::strokeCalculator_data() {
    QTest::addColumn<QString>("stroke");
    QTest::addColumn<QString>("lead");
    QTest::addColumn<int>("actType");
    QTest::addColumn<QString>("result");
    QTest::newRow("except 42D") << "100"
                                << "6" << 0 << "6667";
    QTest::newRow("42D") << "100"
                         << "6" << 1 << "3200";
    QTest::newRow("lead 12") << "600"
                             << "12" << 0 << "20000";
    QTest::newRow("stroke 0") << "0"
                              << "2" << 0 << "0";
    QTest::newRow("stroke 601") << "601"
                                << "2" << 0 << "Invalidity";
    QTest::newRow("negative stroke") << "-1"
                                     << "2" << 0 << "Invalidity";
    QTest::newRow("stroke beyond 16 bits") << "99999"
                                           << "2" << 0 << "Invalidity";
    QTest::newRow("empty stroke") << ""
                                  << "2" << 0 << "Invalidity";
    QTest::newRow("lead 10 is not a lead") << "100"
                                           << "10" << 0 << "Invalidity";
    QTest::newRow("empty lead") << "100"
                                << "" << 0 << "Invalidity";
}

void TestConversion::strokeCalculator() {
    QFETCH(QString, stroke);
    QFETCH(QString, lead);
    QFETCH(int, actType);
    QFETCH(QString, result);
    TestContext t;
    StrokeCalculator calculator(t.ctx.texts);
    QCOMPARE(calculator.result, QStringLiteral("No Device"));
    QVERIFY(!calculator.input());
    calculator.strokeText = stroke;
    calculator.leadText = lead;
    calculator.actType = actType;
    calculator.calculate();
    QCOMPARE(calculator.result, result);
    QCOMPARE(calculator.input().has_value(), result != QLatin1String("Invalidity"));
    if (calculator.input())
        QCOMPARE(*calculator.input(), result);
}

QTEST_GUILESS_MAIN(TestConversion)
#include "tst_conversion.moc"
