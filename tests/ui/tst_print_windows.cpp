// The print selection's enable rules and refusals, and the printout written as a PDF, read back as
// text in both languages, alone and through the main window's File > Export PDF. With it, the other
// saves that are not data files (backup, communication log) on a disk that fills up mid-way.
#include "FrmMainFixture.h"
#include "NextDialog.h"
#include "support/FileSizeLimit.h"
#include "support/TestContext.h"

#include "backup/ControllerBackup.h"
#include "parameter/ParameterTable.h"
#include "print/PrintPreparation.h"
#include "print/Printout.h"
#include "ui/FrmCommLog.h"
#include "ui/FrmPrintSelect.h"
#include "ui/PrintPdf.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPageLayout>
#include <QPageSize>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// The text of a PDF as pdftotext lays it out, or nothing when the file cannot be read.
std::optional<QString> pdfText(const QString& path) {
    QProcess process;
    process.start(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, path, u"-"_s});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// Every position row and parameter line of a full printout, in the run's language.
Printout fullPrintout(const AppContext& ctx) {
    Printout printout;
    printout.dataName = u"line-a.vqd"_s;
    printout.printedAt = QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9));
    printout.pulseColumn = true;
    PrintPositions positions;
    positions.deviceLine = ctx.msg(21) + u" : VQ- 28L-100"_s;
    positions.rows[0] = {ctx.msg(12), ctx.msg(13), ctx.msg(14), ctx.msg(17), ctx.msg(16), ctx.msg(18)};
    positions.rows[1] = {u"1"_s, u"5"_s, u"2"_s, u"20.000"_s, u"4000"_s, u"pick-up"_s};
    positions.rows[2] = {u"2"_s, u"9"_s, u"3"_s, u"60.000"_s, u"12000"_s, u"原点復帰"_s};
    positions.rows[3] = {u"3"_s, u"1"_s, u"1"_s, u"100.000"_s, u"20000"_s, u"end"_s};
    printout.positions = positions;
    PrintParameters parameters;
    parameters.sourceName = ctx.msg(109);
    ParameterSet set;
    for (const ParameterRow& row : parameterRows())
        setFieldValue(set, row, 1000 + row.number);
    set.Vsiyou = 1;
    set.Type = 2;
    set.EmgWay = 0;
    set.EmgLogic = 1;
    set.Actuator = u" 28L-100"_s;
    for (const ParameterRow& row : parameterRows())
        parameters.lines[row.number - 1] = {ctx.msg(row.labelId), parameterValueText(ctx.texts, set, row)};
    printout.parameters = parameters;
    return printout;
}

// What each line of the PDF must show, as patterns: its parts in the order printed, any blanks between.
QStringList expectedLines(const Printout& printout) {
    const auto pattern = [](QStringList parts) {
        parts.removeAll(QString());
        for (QString& part : parts)
            part = QRegularExpression::escape(part.trimmed());
        return parts.join(u"\\s+"_s);
    };
    QStringList lines = {pattern({u"ZO-VI"_s}), pattern({printout.positions->deviceLine})};
    for (const auto& row : printout.positions->rows)
        lines << pattern(QStringList(row.begin(), row.end()));
    for (const auto& line : printout.parameters->lines)
        lines << pattern({line.label, line.value});
    return lines;
}

const QString kName = u"20260101-000000-positions-VQ-28L-100.vqd"_s; // an older backup's name

// Saves into `dir` with the saver the row names; true when the save reported success.
bool save(const QString& saver, TestContext& t, const QDir& dir) {
    if (saver == u"backup")
        return ControllerBackup(t.ctx, BackupFolder(dir.path()))
            .beforePositionWrite([](PositionArray&) { return 0; }, u" 28L-100"_s);
    if (saver == u"log") {
        CommLog log;
        for (int i = 0; i < 9; ++i)
            log.received("0%%01\r\n");
        FrmCommLog window(t.ctx, log);
        t.op.chooseFile(dir.filePath(kName));
        window.cmdCommLogSave_Click();
        return t.op.messages.isEmpty();
    }
    return writePrintoutPdf(dir.filePath(kName),
                            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, {}), Printout{},
                            t.ctx.texts, false);
}

} // namespace

class TestPrintWindows : public QObject {
    Q_OBJECT
private slots:
    void selectionEnabling_data() {
        QTest::addColumn<QStringList>("clicks"); // control names; "browse…" answers the dialog with a file
        // Enabled: position options, position file, parameter options, parameter file, OK; then the
        // message OK showed, if any.
        QTest::addColumn<QString>("enabled");
        QTest::addColumn<QString>("message");
        QTest::newRow("as opened: grid") << QStringList{} << u"PO -- -- -- OK"_s << QString();
        QTest::newRow("both cleared") << QStringList{u"chkPrintPosi"_s} << u"-- -- -- -- --"_s << QString();
        QTest::newRow("position file not chosen")
            << QStringList{u"optPrintPosi_1"_s} << u"PO PF -- -- --"_s << QString();
        QTest::newRow("position file chosen")
            << QStringList{u"optPrintPosi_1"_s, u"cmdSelectPosiFile"_s} << u"PO PF -- -- OK"_s << QString();
        QTest::newRow("back to the grid")
            << QStringList{u"optPrintPosi_1"_s, u"optPrintPosi_0"_s} << u"PO -- -- -- OK"_s << QString();
        QTest::newRow("controller") << QStringList{u"chkPrintPosi"_s, u"chkPrintPara"_s}
                                    << u"-- -- PO -- OK"_s << QString();
        QTest::newRow("grid ready, parameter file missing")
            << QStringList{u"chkPrintPara"_s, u"optPrintPara_1"_s, u"cmdPrintSet"_s} << u"PO -- PO PF OK"_s
            << u"562 Invalid file name.Comfirm file name and print it again."_s;
        QTest::newRow("controller ready, position file missing")
            << QStringList{u"optPrintPosi_1"_s, u"chkPrintPara"_s, u"cmdPrintSet"_s} << u"PO PF PO -- OK"_s
            << u"561 Invalid file name.Comfirm file name and print it again."_s;
    }

    // A group's options follow its check box, its file label and Browse also need File; OK needs a checked
    // group that is ready, and refuses a checked File group without a file (561, 562) and stays open.
    void selectionEnabling() {
        QFETCH(QStringList, clicks);
        QFETCH(QString, enabled);
        QFETCH(QString, message);
        TestContext t;
        FrmPrintSelect dialog(t.ctx);
        dialog.show();
        for (const QString& name : clicks) {
            if (name.startsWith(u"cmdSelect"_s))
                t.op.chooseFile(u"/data/chosen.vqd"_s);
            auto* button = dialog.findChild<QAbstractButton*>(name);
            QVERIFY2(button, qPrintable(name));
            button->click();
        }
        const auto on = [&](const char* name, const char* mark) {
            auto* widget = dialog.findChild<QWidget*>(QLatin1String(name));
            return widget->isEnabled() ? QString::fromLatin1(mark) : u"--"_s;
        };
        const QString state =
            QStringList{on("optPrintPosi_1", "PO"), on("cmdSelectPosiFile", "PF"), on("optPrintPara_0", "PO"),
                        on("cmdSelectParaFile", "PF"), on("cmdPrintSet", "OK")}
                .join(u' ');
        QCOMPARE(state, enabled);
        if (clicks.contains(u"cmdSelectPosiFile"_s)) {
            const FileDialogRequest& request = t.op.openRequests.last();
            QCOMPARE(request.title, u"Specify VQ Data file to be printed."_s);
            QVERIFY(request.mustExist && request.defaultExtension == u"vqd"_s);
            QCOMPARE(dialog.findChild<QLabel*>(u"lblPrintPosiName"_s)->text(), u"chosen.vqd"_s);
        }
        QCOMPARE(t.op.messages.isEmpty() ? QString() : u"%1 %2"_s.arg(message.left(3), t.op.lastText()),
                 message);
        QVERIFY(dialog.isVisible()); // nothing accepted the selection
    }

    void pdfHoldsThePrintoutAsText_data() {
        QTest::addColumn<int>("langNo");
        QTest::addColumn<QStringList>("options"); // the values of 18, 21, 23 and 24 as printed
        QTest::newRow("English") << 2 << QStringList{u"Sensor"_s, u"JM"_s, u"Reset"_s, u"Logic A"_s};
        QTest::newRow("Japanese") << 1 << QStringList{u"ｾﾝｻ"_s, u"JM"_s, u"ﾘｾｯﾄ"_s, u"A接点"_s};
    }

    // The exported PDF carries every line of the printout as text: the header, the device line, the four
    // rows and all 24 parameters with their value texts, Japanese ones included. It replaces a file of
    // its name and leaves nothing else behind; one that cannot be written reports so.
    void pdfHoldsThePrintoutAsText() {
        QFETCH(int, langNo);
        QFETCH(QStringList, options);
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text cannot be read back");
        TestContext t{qint16(langNo)};
        QTemporaryDir dir;
        const QString path = dir.filePath(u"out.pdf"_s);
        const Printout printout = fullPrintout(t.ctx);
        const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                             QPageLayout::Millimeter);
        QVERIFY(!writePrintoutPdf(dir.filePath(u"missing/out.pdf"_s), a4, printout, t.ctx.texts, false));
        QFile old(path); // an existing file is replaced whole
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QVERIFY(writePrintoutPdf(path, a4, printout, t.ctx.texts, langNo == 1));
        const auto text = pdfText(path);
        QVERIFY(text);
        const QString fileName = t.ctx.msg(203) + u" line-a.vqd"_s;
        QVERIFY2(text->contains(fileName), qPrintable(*text));
        QStringList lines = expectedLines(printout);
        for (int i = 0; i < 4; ++i) // the option parameters' value texts, read back literally
            lines << t.ctx.msg(parameterRow(QList{18, 21, 23, 24}[i]).labelId).trimmed() + u"\\s+"_s +
                         options[i];
        for (const QString& line : lines)
            QVERIFY2(text->contains(QRegularExpression(line)), qPrintable(line + u"\n"_s + *text));
        QCOMPARE(text->count(u"2024/05/06 07:08:09"_s), 2); // header and foot
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"out.pdf"_s});
    }

    // File > Export PDF: the selection, the grid's positions checked and copied, the save dialog offering
    // the data's name, and the PDF; CtBusyFlag is set and the commands are disabled meanwhile and given
    // back afterwards. An empty grid ends the export at the guard checks with nothing written.
    void exportFromTheMainWindow() {
        if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed: the PDF's text cannot be read back");
        MainWindowFixture f;
        f.load();
        QTemporaryDir dir;
        const QString path = dir.filePath(u"grid.pdf"_s);
        const auto exportPdf = [&] {
            bool busy = false;
            onNextDialog([&](QWidget* dialog) {
                busy = f.t.ctx.operation.CtBusyFlag && !f.usable(u"cmdFileOpen"_s);
                QCOMPARE(dialog->objectName(), u"frmPrintSelect"_s);
                dialog->findChild<QPushButton*>(u"cmdPrintSet"_s)->click();
            });
            f.find<QAction>(u"mnuFileExportPdf"_s)->trigger();
            QVERIFY(busy);
            QVERIFY(!f.t.ctx.operation.CtBusyFlag && f.usable(u"cmdFileOpen"_s) &&
                    f.usable(u"mnuFileExportPdf"_s));
        };
        exportPdf();
        QVERIFY(f.t.op.lastText().startsWith(u"No data in the list."_s));
        QVERIFY(f.t.op.saveRequests.isEmpty() && !QFile::exists(path));

        f.fillGrid({u"5,2,20,pick-up"_s, u"9,3,60,"_s, u"1,1,100,end"_s});
        f.t.op.chooseFile(path);
        const int shown = f.t.op.messages.size();
        exportPdf();
        QVERIFY2(f.t.op.messages.size() == shown, qPrintable(f.t.op.lastText()));
        QCOMPARE(f.t.op.saveRequests.last().title, u"Specify the PDF file to save the printout in."_s);
        QVERIFY(f.t.op.saveRequests.last().overwritePrompt);
        const auto text = pdfText(path);
        QVERIFY(text);
        for (const char* line : {"1\\s+5\\s+2\\s+20\\s+pick-up", "3\\s+1\\s+1\\s+100\\s+end"})
            QVERIFY2(text->contains(QRegularExpression(QLatin1String(line))), qPrintable(*text));
    }

    // A disk that fills up mid-way (a file size limit in a child process): each save fails with its message
    // and leaves the folder byte for byte as it was; with room it succeeds.
    void savesKeepThePreviousFile_data() {
        QTest::addColumn<QString>("saver");
        QTest::addColumn<QString>("told"); // the start of the message on failure
        QTest::newRow("backup") << u"backup"_s << u"The controller's data could not be backed up"_s;
        QTest::newRow("communication log") << u"log"_s << u"The communication log could not be saved"_s;
        QTest::newRow("pdf") << u"pdf"_s << QString(); // the caller tells (message 796)
    }
    void savesKeepThePreviousFile() {
        QFETCH(QString, saver);
        QFETCH(QString, told);
        QTemporaryDir temporary;
        const QDir dir(temporary.path());
        QFile previous(dir.filePath(kName));
        QVERIFY(previous.open(QIODevice::WriteOnly) && previous.write("previous") == 8);
        previous.close();
        QVERIFY2(
            trueWithFileSizeLimit(64,
                                  [&] {
                                      TestContext t; // its operator answers No to writing without a backup
                                      return !save(saver, t, dir) && t.op.lastText().startsWith(told);
                                  }),
            "the child saw the save fail and was told");
        QCOMPARE(dir.entryList(QDir::Files | QDir::Hidden), QStringList{kName});
        QVERIFY(previous.open(QIODevice::ReadOnly) && previous.readAll() == "previous");
        TestContext t;
        QVERIFY(save(saver, t, dir)); // with room
    }
};

QTEST_MAIN(TestPrintWindows)
#include "tst_print_windows.moc"
