// The printout without a printer: the data gathered from a position file, a parameter file or the
// controller with their failures, and where the page puts its parts.
#include "device/Conversion.h"
#include "device/DeviceFixture.h"
#include "parameter/ParameterTable.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "print/PageLayout.h"
#include "print/PrintPreparation.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kPositionFile = "\"VQ-E1\",\"Position\"\r\n"
                                 "\"VQ- 28L-100\",\"OLD\"\r\n"
                                 "\"5\",\"2\",\"4000\",\"pick-up\"\r\n"
                                 "\"9\",\"3\",\"12000\",\"\"\r\n"
                                 "\"1\",\"1\",\"20000\",\"end\"\r\n";
const QByteArray kParameterFile =
    "\"VQ-E1\",\"Parameter\"\r\n"
    "20000,-5,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,1,2,400,0,\" 28L-100\",1,0\r\n";

// The default actuator (VQ NEW 28L-100, lead 2, 400 pulses a revolution) with the shipped lists; files
// go to the fixture's folder.
struct Rig : DeviceFixture {
    Rig() {
        shipLists();
        conv::recomputeLimits(t.ctx.device);
        table.setCurrentDataName(u"New Data"_s);
        preparation.deviceTypeName = u"VQ- 28L-100"_s;
    }
    QString file(const QString& name, const QByteArray& bytes) {
        write(name, bytes);
        return dir.filePath(name);
    }
    std::optional<Printout> prepare(const PrintRequest& request) {
        return preparation.prepare(request, QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9)));
    }
    static QString rows(const PrintPositions& part) {
        QStringList shown;
        for (const auto& row : part.rows)
            shown << QStringList(row.begin(), row.end()).join(u'|');
        return shown.join(u" / "_s);
    }

    PositionGridModel grid{t.ctx.texts};
    PositionTable table{t.ctx, grid};
    RecordingFileView view;
    PositionFiles files{t.ctx, table, view};
    PrintPreparation preparation{t.ctx, table, files};
};

PrintRequest positionsFrom(PrintRequest::PositionSource source, const QString& file = {}) {
    return PrintRequest{true, source, file, false, {}, {}};
}

PrintRequest parametersFrom(PrintRequest::ParameterSource source, const QString& file = {}) {
    return PrintRequest{false, {}, {}, true, source, file};
}

} // namespace

class TestPrint : public QObject {
    Q_OBJECT
private slots:
    void positionsFromAFile_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lead");
        QTest::addColumn<QString>("rows"); // nothing printed: empty
        QTest::addColumn<QString>("message");

        const QString headings = u"No.|VEL|ACC|Posi(mm)|Posi(Pulse)|Comment / "_s;
        const QString noMm =
            u"The error occurred in calculation of a position(mm).\r\n\r\nPosition (mm) is not printed."_s;
        QTest::newRow("mm from the pulses")
            << kPositionFile << 2
            << headings + u"1|5|2|20.000|4000|pick-up / 2|9|3|60.000|12000| / 3|1|1|100.000|20000|end"_s
            << QString();
        QTest::newRow("no lead to compute with")
            << kPositionFile << 0 << headings + u"1|5|2||4000|pick-up / 2|9|3||12000| / 3|1|1||20000|end"_s
            << noMm;
        QTest::newRow("not a position file")
            << QByteArray("\"VQ-E1\",\"Parameter\"\r\n") << 2 << QString() << u"Not Data file for ZO-VI."_s;
    }

    // A position file is read into the staging table with its mm computed from the pulses; when that fails
    // the operator is told and the mm column stays empty. A file that cannot be read ends the print.
    void positionsFromAFile() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lead);
        QFETCH(QString, rows);
        QFETCH(QString, message);
        Rig r;
        r.t.ctx.device.DevLead = lead;
        const auto printout =
            r.prepare(positionsFrom(PrintRequest::PositionSource::File, r.file(u"in.vqd"_s, bytes)));
        QCOMPARE(printout.has_value(), !rows.isEmpty());
        if (printout) {
            QCOMPARE(Rig::rows(*printout->positions), rows);
            QCOMPARE(printout->positions->deviceLine, u"Type of VQ : VQ- 28L-100  (Old)"_s);
            QCOMPARE(printout->dataName, u"in.vqd"_s);
        }
        QVERIFY2(r.t.op.lastText().startsWith(message), qPrintable(r.t.op.lastText()));
        if (!message.isEmpty() && printout)
            QCOMPARE(r.t.op.messages.last().icon, Icon::Exclamation);
    }

    void parameters_data() {
        QTest::addColumn<QString>("source"); // "file" or the controller's read result
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("result"); // "source: line 1 / line 22 / line 24", or the message
        const QString known =
            u"Known.pmt:  1. Stroke length=20000 /  2. Home position offset=-5 / 22. Actuator= 28L-100 / "
            u"24. Emergency stop Logic=Logic B"_s;
        QTest::newRow("file") << u"file"_s << kParameterFile << known;
        QTest::newRow("garbled file") << u"file"_s << QByteArray("\"VQ-E1\",\"Parameter\"\r\n1,2,x\r\n")
                                      << u"Failed to reading parameter file.\r\n\r\nThe parameter file"_s;
        QTest::newRow("controller") << u"0"_s << QByteArray()
                                    << u"Inside of C/T:  1. Stroke length=1001 /  2. Home position "
                                       u"offset=1002 / 22. Actuator= 28L-100 / "
                                       u"24. Emergency stop Logic=Logic A"_s;
        QTest::newRow("controller fails") << u"1"_s << QByteArray() << u"Failed to reading parameter file."_s;
    }

    // Parameters from a file or the controller become one labelled line each; a failure says 485 and the
    // printout has nothing left to show. The controller's read leaves the run's staging table as it was.
    void parameters() {
        QFETCH(QString, source);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, result);
        Rig r;
        r.t.ctx.parameters.ParaFileData[1] = u"staged"_s;
        int reads = 0;
        r.preparation.readController = [&] {
            ++reads;
            ParaSlots& staged = r.t.ctx.parameters.ParaFileData;
            for (int n = 1; n <= 21; ++n)
                staged[n] = 1000 + n;
            staged[22] = u" 28L-100"_s;
            staged[23] = 1;
            staged[24] = 1;
            return source.toInt();
        };
        const auto printout =
            r.prepare(source == u"file"_s
                          ? parametersFrom(PrintRequest::ParameterSource::File, r.file(u"Known.pmt"_s, bytes))
                          : parametersFrom(PrintRequest::ParameterSource::Controller));
        QCOMPARE(reads, source == u"file"_s ? 0 : 1);
        QCOMPARE(r.t.ctx.parameters.ParaFileData[1].toString(), u"staged"_s);
        if (!printout) {
            QVERIFY2(r.t.op.lastText().startsWith(result), qPrintable(r.t.op.lastText()));
            QCOMPARE(r.t.op.messages.last().icon, Icon::None);
            return;
        }
        QVERIFY(r.t.op.messages.isEmpty());
        const auto& lines = printout->parameters->lines;
        QStringList shown;
        for (int n : {1, 2, 22, 24})
            shown << lines[n - 1].label + u'=' + lines[n - 1].value;
        QCOMPARE(printout->parameters->sourceName + u": "_s + shown.join(u" / "_s), result);
        QCOMPARE(printout->dataName, printout->parameters->sourceName);
    }

    void pageLayout_data() {
        QTest::addColumn<bool>("positions");
        QTest::addColumn<bool>("pulse");
        QTest::addColumn<QStringList>("expected"); // items that must be on the page
        QTest::addColumn<QStringList>("absent");
        // LH 4 mm on a 190 x 277 mm area: rules end at 180 mm, the foot is at 69 x 4 mm.
        const QStringList header = {u"10,4:ZO-VI"_s, u"180,4:2024/05/06 07:08:09"_s,
                                    u"10,276:2024/05/06 07:08:09"_s, u"rule 10-180 at 10"_s};
        const QStringList positionPart = {u"10,12:Type of VQ : VQ- 28L-100  (Old)"_s,
                                          u"10,20:Position Data"_s,
                                          u"rule 10-180 at 28"_s,
                                          u"rule 10-180 at 32"_s,
                                          u"20,28:No."_s,
                                          u"40,28:VEL"_s,
                                          u"80,28:Posi(mm)"_s,
                                          u"120,28:Comment"_s,
                                          u"20,44:2"_s,
                                          u"120,52:end"_s,
                                          u"80,4:File Name: data.vqd"_s};
        QTest::newRow("positions with the pulses")
            << true << true
            << header + positionPart +
                   QStringList{u"100,28:Posi(Pulse)"_s,      u"100,52:20000"_s,
                               u"10,60:Parameters"_s,        u"40,60:File Name : Known.pmt"_s,
                               u"10,70: 1. Stroke length"_s, u"60,70:20000"_s}
            << QStringList{u"10,16:Parameters"_s};
        QTest::newRow("positions without the pulses")
            << true << false << header + positionPart + QStringList{u"10,60:Parameters"_s}
            << QStringList{u"100,28:Posi(Pulse)"_s, u"100,52:20000"_s};
        QTest::newRow("parameters alone")
            << false << true
            << header + QStringList{u"10,16:Parameters"_s, u"10,26: 1. Stroke length"_s, u"60,164:Logic B"_s,
                                    u"80,4:File Name: Known.pmt"_s}
            << QStringList{u"10,20:Position Data"_s, u"rule 10-180 at 28"_s, u"10,60:Parameters"_s};
    }

    // The header, the position part with its rules at 7 and 8 LH and the pulse column only with the pulse
    // display, and the parameter part at 15 LH below the positions or at 4 LH alone.
    void pageLayout() {
        QFETCH(bool, positions);
        QFETCH(bool, pulse);
        QFETCH(QStringList, expected);
        QFETCH(QStringList, absent);
        Rig r;
        r.t.ctx.options.PlsPosFlag = pulse;
        PrintRequest request;
        request.positions = positions;
        request.positionSource = PrintRequest::PositionSource::File;
        request.positionFile = r.file(u"data.vqd"_s, kPositionFile);
        request.parameters = true;
        request.parameterSource = PrintRequest::ParameterSource::File;
        request.parameterFile = r.file(u"Known.pmt"_s, kParameterFile);
        const QList<PrintPage> pages =
            layoutPrintout(*r.prepare(request), PageGeometry{4, 190, 277}, r.t.ctx.texts);
        QCOMPARE(pages.size(), 1);
        QStringList shown;
        for (const PrintText& text : pages[0].texts)
            shown << u"%1,%2:%3"_s.arg(text.x).arg(text.y).arg(text.text);
        for (const PrintRule& rule : pages[0].rules)
            shown << u"rule %1-%2 at %3"_s.arg(rule.left).arg(rule.right).arg(rule.y);
        for (const QString& item : expected)
            QVERIFY2(shown.contains(item), qPrintable(item + u"\n"_s + shown.join(u'\n')));
        for (const QString& item : absent)
            QVERIFY2(!shown.contains(item), qPrintable(item));
    }
};

QTEST_MAIN(TestPrint)
#include "tst_print.moc"
