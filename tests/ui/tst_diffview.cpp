#include "parameter/ParameterDiff.h"
#include "parameter/ParameterRig.h"
#include "position/PositionDiff.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "support/TestContext.h"
#include "ui/FrmDiffView.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// "VEL,ACC,OUT,mm,pulses,comment" into one position of an array.
void fillRow(PositionArray& array, int p, const QString& cells) {
    const QStringList c = cells.split(u',');
    for (int field = PfVel; field <= PfComment; ++field)
        array[p][field] = c[field - PfVel];
}

// The headings of the fields that differ in each row, "|" between rows.
QString differing(const DiffTable& table) {
    QStringList rows;
    for (const DiffRow& row : table.rows) {
        QStringList fields;
        for (qsizetype i = 0; i < row.differs.size(); ++i)
            if (row.differs[i])
                fields << table.fields[i];
        rows << fields.join(u' ');
    }
    return rows.join(u'|');
}

} // namespace

class TestDiffView : public QObject {
    Q_OBJECT
private slots:
    // Position 1 of the window against position 1 of the other side (lead 2, 400 pulses a revolution:
    // 200 pulses a mm); positions 2 and 3 are the same on both sides.
    void positionRows_data() {
        QTest::addColumn<QString>("ours");
        QTest::addColumn<QString>("theirs");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QString>("theirMm");
        const QList<std::array<const char*, 5>> rows = {
            {"same, mm typed shorter", "5,2,0,10,2000,", "5,2,0,,2000,", "||", "10.000"},
            {"differing pulses", "5,2,0,10.000,2000,a", "5,2,0,,2400,a", "Posi(mm) Posi(Pulse)||", "12.000"},
            {"differing mm only", "5,2,0,10.004,2000,", "5,2,0,,2000,", "Posi(mm)||", "10.000"},
            {"differing speed", "5,2,0,10.000,2000,", " 6,2,0,,2000,", "VEL||", "10.000"},
            {"differing ACC and OUT", "5,2,0,1.000,200,", "5,3,1,,200,", "ACC OUT||", "1.000"},
            {"comment, blanks aside", "5,2,0,1.000,200, pick", "5,2,0,,200,pick ", "||", "1.000"},
            {"differing comment", "5,2,0,1.000,200,pick", "5,2,0,,200,", "Comment||", "1.000"},
            {"nothing on the other side", "5,2,0,1.000,200,", ",,,,,", "VEL ACC Posi(mm) Posi(Pulse)||", ""},
        };
        for (const auto& [name, ours, theirs, fields, mm] : rows)
            QTest::newRow(name) << QString::fromUtf8(ours) << QString::fromUtf8(theirs)
                                << QString::fromUtf8(fields) << QString::fromUtf8(mm);
    }

    void positionRows() {
        QFETCH(QString, ours);
        QFETCH(QString, theirs);
        QFETCH(QString, fields);
        QFETCH(QString, theirMm);
        TestContext t;
        t.ctx.device.DevLead = 2;
        t.ctx.device.DevPPR = 400;
        PositionGridModel grid(t.ctx.texts);
        PositionTable table(t.ctx, grid);
        fillRow(table.PosiDataArray, 1, ours);
        fillRow(table.workPosDA, 1, theirs);
        for (int p : {2, 3}) {
            fillRow(table.PosiDataArray, p, u"9,3,0,5.000,1000,same"_s);
            fillRow(table.workPosDA, p, u"9,3,0,,1000,same"_s);
        }
        const DiffTable diff = positionDiff(t.ctx, table, u"File(ref.vqd)"_s);
        QCOMPARE(differing(diff), fields);
        QCOMPARE(diff.hasDifferences(), !fields.startsWith(u'|'));
        QCOMPARE(diff.rows[0].theirs[3], theirMm);
        QCOMPARE(diff.rows[0].ours[3], ours.section(u',', 3, 3));
        QCOMPARE(diff.rows[2].label, u"3"_s);
    }

    // The window's set against the staging slots: options show their captions, a speed read in
    // quarter steps keeps its fraction, and the rows follow what the verification compares.
    void parameterSides() {
        TestContext t;
        ParameterState state;
        for (const ParameterRow& row : parameterRows())
            state.ParaFileData[size_t(row.number)] = double(fieldValue(state.set, row));
        state.set.Actuator = state.ParaFileData[22].toString();
        state.ParaFileData[18] = 1.0; // sensor against the window's pushing
        state.set.KasokuSet1 = 1;
        state.ParaFileData[6] = 1.25;

        const DiffTable all = parameterDiff(t.ctx, state, kParameterCount, true, u"C/T"_s);
        QCOMPARE(all.rows.size(), 24);
        QStringList shown;
        for (const DiffRow& row : all.rows)
            if (row.anyDiffers())
                shown << row.label + u'=' + row.ours[0] + u'/' + row.theirs[0];
        QCOMPARE(shown, (QStringList{u"6. Setting VEL 1=1/1.25"_s, u"18. Homing method=Pushing/Sensor"_s}));
        QCOMPARE(all.rows[23].ours[0], u"Logic B"_s);
        QCOMPARE(parameterDiff(t.ctx, state, kParameterCount, false, {}).rows.size(), 22);
        QCOMPARE(parameterDiff(t.ctx, state, 15, true, {}).rows.size(), 15);
    }

    // The window shows both sides with exactly the differing fields coloured, and copies the table as
    // tab-separated text with the differing fields named last.
    void viewHighlightsAndCopies() {
        TestContext t;
        DiffTable table{u"No."_s, {u"VEL"_s, u"ACC"_s}, u"ours"_s, u"theirs"_s, u"Unmatched"_s, {}};
        table.rows << DiffRow{u"1"_s, {u"5"_s, u"2"_s}, {u"6"_s, u"3"_s}, {true, true}}
                   << DiffRow{u"2"_s, {u"5"_s, u""_s}, {u"5"_s, u""_s}, {false, false}};
        FrmDiffView view(table, t.ctx.texts);
        QTableWidget* grid = view.grid();
        QCOMPARE(grid->item(0, 3)->text(), u"theirs"_s);
        QStringList coloured;
        for (int r = 1; r < grid->rowCount(); ++r)
            for (int c = 1; c < grid->columnCount(); ++c)
                if (grid->item(r, c)->background().color() == FrmDiffView::differingColour())
                    coloured << grid->item(r, c)->text();
        QCOMPARE(coloured, (QStringList{u"5"_s, u"2"_s, u"6"_s, u"3"_s}));
        view.findChild<QPushButton*>(u"cmdDiffCopy"_s)->click();
        QCOMPARE(QApplication::clipboard()->text(),
                 u"\tours\t\ttheirs\t\t\nNo.\tVEL\tACC\tVEL\tACC\tUnmatched\n"
                 u"1\t5\t2\t6\t3\tVEL, ACC\n2\t5\t\t5\t\t\n"_s);
    }

    // A parameter verification shows the table after its result message only when it was NG.
    void shownOnlyWhenDifferent() {
        const QByteArrayList factory = {"0RD00FF02140000FFFFFF", "0RD10004E2002020202FF",
                                        "0RD1114283C010400FFFF", "0RD12506478A0C8F0FFFF",
                                        "0RD13050A140101020190", "0RD141C4C006400FFFFFF"};
        ParameterRig r;
        r.replies(QByteArrayList{"0CM1"} + factory + QByteArrayList{factory[5], factory[4], factory[2]});
        r.commands.run(ParameterCommand::ReadCt);
        r.replies(QByteArrayList{"0CM1"} + factory);
        r.commands.run(ParameterCommand::VerifyCt);
        QVERIFY(r.t.op.lastText().endsWith(u"Result of Verification : OK"_s));
        QVERIFY(r.t.op.differences.isEmpty());

        r.model.setText(6, u"7"_s);
        r.replies(QByteArrayList{"0CM1"} + factory);
        r.commands.run(ParameterCommand::VerifyCt);
        QVERIFY(r.t.op.lastText().endsWith(u"\r\n6,"_s));
        QCOMPARE(r.t.op.differences.size(), 1);
        const DiffTable& shown = r.t.op.differences[0];
        QCOMPARE(shown.theirsHeading, u"Inside of C/T"_s);
        QCOMPARE(differing(shown).count(u"Value"_s), 1);
        QCOMPARE(differing(shown).section(u'|', 5, 5), u"Value"_s);
    }
};

QTEST_MAIN(TestDiffView)
#include "tst_diffview.moc"
