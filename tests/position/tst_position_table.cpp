// The position table: the empty and value checks with their messages in the fixed guard order, the
// capture of the grid into pulses, and the display of captured or read data.
#include "device/Conversion.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "support/TestContext.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;
using Grid = PositionGridModel;

namespace {

// A run with the default actuator (lead 2 mm, 400 pulses a revolution, 100 mm: 20000 pulses).
struct Table {
    Table() { conv::recomputeLimits(t.ctx.device); }
    // Rows "VEL,ACC,mm,comment" for positions 1 to 3; an empty row leaves the position empty.
    void fill(const QStringList& rows) {
        for (int p = 1; p <= rows.size(); ++p) {
            const QStringList cells = rows[p - 1].split(QLatin1Char(','));
            const int columns[] = {Grid::ColVel, Grid::ColAcc, Grid::ColMm, Grid::ColComment};
            for (int c = 0; c < cells.size() && c < 4; ++c)
                grid.setText(p, columns[c], cells[c]);
        }
    }
    // The grid's rows "VEL|ACC|mm|pulses|comment", or the captured positions "VEL|ACC|OUT|mm|pulses|comment".
    QString shown(bool captured = false) const {
        QStringList rows;
        for (int p = 1; p <= 3; ++p) {
            QStringList cells;
            for (int c = Grid::ColVel; c <= Grid::ColComment && !captured; ++c)
                cells << grid.text(p, c);
            for (int field = PfVel; field <= PfComment && captured; ++field)
                cells << table.PosiDataArray[p][field].toString();
            rows << cells.join(QLatin1Char('|'));
        }
        return rows.join(QStringLiteral(" / "));
    }
    TestContext t;
    Grid grid{t.ctx.texts};
    PositionTable table{t.ctx, grid};
};

const QString kFull = QStringLiteral("5,2,50.000,middle");

} // namespace

class TestPositionTable : public QObject {
    Q_OBJECT
private slots:
    void guardChecks_data() {
        QTest::addColumn<int>("purpose");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("icon");

        const QString emptyEntry1 = u"< Position No.1>\r\n\r\n"_s,
                      emptyEntry3 = u"< Position No.3>\r\n\r\n"_s;
        const QString someEmpty =
            u"No data in some Positions!\r\n\r\nConfirm the position data indicated below once again.\r\n\r\n"_s;
        const QString noData = u"No data in the list.\r\n\r\nInput data and try it again."_s;
        const QString wrong =
            u"Wrong data in some Positions! Confirm the position data indicated below once again.\r\n\r\n"_s;
        const QString writeWrong =
            u"Wrong data in some Positions!\r\n\r\nConfirm the position data indicated "
            u"below once again.\r\n\r\nPosition No."_s;
        const int save = int(GuardFor::Save), write = int(GuardFor::Write), print = int(GuardFor::Print);
        const int excl = int(Icon::Exclamation), none = int(Icon::None);

        QTest::newRow("complete and valid")
            << save << QStringList{kFull, kFull, kFull} << 0 << QString() << none;
        QTest::newRow("only position 2 filled")
            << save << QStringList{",,,", kFull, ",,,"} << 1 << someEmpty + emptyEntry1 + emptyEntry3 << excl;
        QTest::newRow("only position 2 filled, writing") << write << QStringList{",,,", kFull, ",,,"} << 1
                                                         << someEmpty + emptyEntry1 + emptyEntry3 << excl;
        QTest::newRow("nothing filled") << write << QStringList{} << 1 << noData << excl;
        QTest::newRow("blank comment, blanks in a cell")
            << save << QStringList{"5,2,50,", " 5,2, 50,", kFull} << 0 << QString() << none;
        QTest::newRow("VEL 0") << save << QStringList{"0,2,50,", kFull, kFull} << 1 << wrong + emptyEntry1
                               << none;
        QTest::newRow("VEL 10, ACC 4") << save << QStringList{"10,2,50,", kFull, "9,4,50,"} << 1
                                       << wrong + emptyEntry1 + emptyEntry3 << none;
        QTest::newRow("ACC 0, writing")
            << write << QStringList{"5,0,50,", kFull, kFull} << 1 << writeWrong + emptyEntry1 << none;
        QTest::newRow("negative mm") << save << QStringList{"5,2,-0.005,", kFull, kFull} << 1
                                     << wrong + emptyEntry1 << none;
        QTest::newRow("mm just over the stroke")
            << save << QStringList{kFull, kFull, "5,2,100.001,"} << 1 << wrong + emptyEntry3 << none;
        QTest::newRow("mm at the stroke")
            << save << QStringList{kFull, kFull, "9,3,100.000,"} << 0 << QString() << none;
        QTest::newRow("VEL that is not a number fails the capture")
            << print << QStringList{"5x,2,50,", kFull, kFull} << 1
            << QStringLiteral(
                   "An error occured while getting Value of Position Data.\r\n\r\nPrinting data is canceled.")
            << none;
    }

    void guardChecks() {
        QFETCH(int, purpose);
        QFETCH(QStringList, rows);
        QFETCH(int, result);
        QFETCH(QString, message);
        QFETCH(int, icon);
        Table f;
        f.fill(rows);
        QCOMPARE(f.table.guardChecks(GuardFor(purpose)), result);
        if (message.isEmpty()) {
            QVERIFY(f.t.op.messages.isEmpty());
            QCOMPARE(f.table.PosiDataArray[3][PfPulse].toInt(),
                     rows.size() == 3 ? 10000 + (rows[2] != kFull) * 10000 : 0);
            return;
        }
        QCOMPARE(f.t.op.messages.size(), 1);
        QCOMPARE(f.t.op.messages[0].text, message);
        QCOMPARE(int(f.t.op.messages[0].icon), icon);
    }

    void captureKeepsFlaggedRowsAndFailsWhole() {
        Table f;
        f.fill({"5,2,12.5,first", "9,3, 12.34567,second", "1,1,0,"});
        QCOMPARE(f.table.PosiDataTorikomi(), 0); // 12.34567 mm = 2469.134 pulses
        QCOMPARE(f.shown(true),
                 QStringLiteral("5|2|0|12.5|2500|first / 9|3|0| 12.34567|2469|second / 1|1|0|0|0|"));

        // A flagged position keeps what it had; a failure leaves the whole array as it was.
        f.fill({"7,2,20,changed", "4,1,30,", "abc,1,1,"});
        f.table.PosErrFlags[2] = true;
        const PositionArray before = f.table.PosiDataArray;
        QCOMPARE(f.table.PosiDataTorikomi(), 1);
        QVERIFY(f.table.PosiDataArray == before);
        f.grid.setText(3, Grid::ColVel, QStringLiteral("2"));
        QCOMPARE(f.table.PosiDataTorikomi(), 0);
        QCOMPARE(f.shown(true),
                 QStringLiteral("7|2|0|20|4000|changed / 9|3|0| 12.34567|2469|second / 2|1|0|1|200|"));
    }

    void displayOfReadDataClearsTheChangeFlag() {
        Table f;
        f.grid.setPulseShown(true);
        f.t.ctx.operation.DataChangeFlag = true;
        int resets = 0;
        f.table.resetCurrentCell = [&] {
            ++resets;
        };
        // A controller read: 1,5,2,0,2,0003E8 is VEL 5, ACC 2, OUT 0 and 1000 pulses; the comments stay.
        const auto record = [](int vel, int acc, int pulses, const QString& comment) {
            return std::array<QVariant, 7>{
                {{}, qint16(vel), qint16(acc), qint16(0), {}, qint32(pulses), comment}};
        };
        auto& w = f.table.workPosDA;
        w[1] = record(5, 2, 1000, QStringLiteral("kept"));
        w[2] = record(1, 1, 0, QString());
        w[3] = record(9, 3, 20000, QString());
        f.table.takeWorkPosDA();
        f.table.Disp_PosiData3();
        QCOMPARE(f.shown(),
                 QStringLiteral("5|2|  5.000|   1000|kept / 1|1|  0.000|      0| / 9|3|100.000|  20000|"));
        QVERIFY(!f.t.ctx.operation.DataChangeFlag);
        QCOMPARE(resets, 1);
        QVERIFY(f.table.hasData());

        f.table.clearArrays();
        f.grid.init(Grid::InitMode::ClearAll);
        QVERIFY(!f.table.hasData());
        f.table.Disp_PosiData3();
        QCOMPARE(f.shown(), QStringLiteral("|||| / |||| / ||||"));
    }

    void mmFollowsPulsesAndDisplay() {
        Table f;
        f.fill({"5,2,12.5,a", ",,,", "5,2,99,"});
        QCOMPARE(f.table.PosiDataTorikomi(), 1); // position 2 is empty and not flagged
        f.table.CheckEmptyPositions();
        QCOMPARE(f.table.PosiDataTorikomi(), 0);
        // The lead becomes 12: the mm column is rewritten from the pulses, the empty position stays empty.
        f.t.ctx.device.DevLead = 12;
        f.grid.setPulseShown(true);
        f.table.Culc_MmPosi();
        QCOMPARE(f.shown(), QStringLiteral("5|2| 75.000|   2500|a / |||| / 5|2|594.000|  19800|"));
        // 999.001 mm and more shows an empty mm cell.
        f.table.PosiDataArray[3][PfPulse] = qint32(33301);
        f.table.computeMmTexts();
        QCOMPARE(f.table.PosiDataArray[3][PfMm].toString(), QString());
        f.table.Clear_mmPos();
        QCOMPARE(f.grid.text(1, Grid::ColPulse), QString());
    }

    void verificationComparesNumbersOnly() {
        Table f;
        f.fill({"5,2,12.5,a", "9,3,50,b", "1,1,0,c"});
        QCOMPARE(f.table.PosiDataTorikomi(), 0);
        f.table.CopyPosiDataArray2workPosDA();
        auto& w = f.table.workPosDA;
        // Texts with blanks, other comments and other mm texts read the same; OUT empty reads 0.
        w[1][PfVel] = QStringLiteral(" 5 ");
        w[1][PfMm] = QStringLiteral("12.500");
        w[2][PfComment] = QStringLiteral("other");
        w[3][PfOut] = QVariant();
        QCOMPARE(f.table.PosiDataSyogoProc(), 0);
        QVERIFY(f.table.VerifyResultList.isEmpty());
        w[1][PfPulse] = qint32(2501);
        w[3][PfOut] = qint16(1);
        QCOMPARE(f.table.PosiDataSyogoProc(), 1);
        QCOMPARE(f.table.VerifyResultList,
                 QStringLiteral("< Position No.1>\r\n\r\n< Position No.3>\r\n\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestPositionTable)
#include "tst_position_table.moc"
