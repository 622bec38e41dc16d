// The parameter file: the bytes written, both layouts read back, every refusal (the window keeps what it
// had), a save that fails on a full disk, and the verification of the window against a file.
#include "parameter/ParameterChecks.h"
#include "parameter/ParameterFile.h"
#include "parameter/ParameterRig.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kHeader = "\"VQ-E1\",\"Parameter\"\r\n";
const QByteArray kKnownFile =
    kHeader + "20000,-5,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,1,2,400,0,\" 28L-100\",1,1\r\n";
const QString kKnownSlots = u"20000,-5,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,1,2,400,0,\" 28L-100\",1,1"_s;

ParameterSet knownSet() {
    ParameterSet set = factorySet(u"2=-5"_s);
    set.Actuator = u" 28L-100"_s;
    return set;
}

struct FileRig : ParameterRig {
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    QByteArray bytes(const QString& name) const {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    QTemporaryDir dir;
};

const QString kNotOurs = u"Not Data file for ZO-VI.\r\n\r\nOpening file is canceled."_s;
const QString kOpenError = u"An error occured while opening Parameter file."_s;

} // namespace

class TestParameterFile : public QObject {
    Q_OBJECT
private slots:
    // A known set to literal bytes; read back it gives the same 24 values, 25 for the item count, the file
    // title in slot 0 and the actuator with its blank.
    void writtenByteForByte() {
        FileRig r;
        const QString path = r.dir.filePath(u"Known.pmt"_s);
        QCOMPARE(SaveParaFileAs(path, knownSet()), 0);
        QCOMPARE(r.bytes(u"Known.pmt"_s), kKnownFile);
        ParameterState& state = r.t.ctx.parameters;
        QCOMPARE(OpenParaFile(path, state), 0);
        QCOMPARE(slotsText(state.ParaFileData), kKnownSlots);
        QCOMPARE(state.ParaItemCount, qint16(25));
        QCOMPARE(state.ParaFileData[0].toString(), u"Known.pmt"_s);
        ParaDA2Hensu(state);
        QCOMPARE(parameterFileBytes(state.set), kKnownFile);
        QCOMPARE(state.set.ActSize + state.set.ActSpeed + QString::number(state.set.ActStroke), u" 28L100"_s);
    }

    void layoutsRead_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expected");
        QByteArray perLine = kKnownFile;
        perLine.replace(",", "\r\n");
        QTest::newRow("one item a line") << perLine << kKnownSlots;
        QTest::newRow("LF only, blanks, one line")
            << QByteArray(kKnownFile).replace("\r\n", " , ").replace("\" ,", "\",") << kKnownSlots;
        QTest::newRow("older code without its blank")
            << QByteArray(kKnownFile).replace("\" 28L-100\"", "\"28L-100\"") << kKnownSlots;
        QTest::newRow("older code of the E35")
            << QByteArray(kKnownFile).replace("\" 28L-100\"", "\"35E-050\"")
            << QString(kKnownSlots).replace(u" 28L-100"_s, u"E35L-050"_s);
        QTest::newRow("older JM file of 15 values")
            << kHeader + "10000,0,20,1,4,5,10,15,20,25,30,40,50,60,5\r\n"
            << u"10000,0,20,1,4,5,10,15,20,25,30,40,50,60,5"_s;
    }

    void layoutsRead() {
        QFETCH(QByteArray, file);
        QFETCH(QString, expected);
        FileRig r;
        ParameterState& state = r.t.ctx.parameters;
        QCOMPARE(OpenParaFile(r.write(u"a.pmt"_s, file), state), 0);
        const int values = int(expected.count(u',')) + 1;
        QCOMPARE(slotsText(state.ParaFileData, values), expected);
        QCOMPARE(state.ParaItemCount, qint16(values + 1));
    }

    void refusedFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("detail"); // after 424 and the file's name; empty: not a parameter file
        const auto item = [](int number, const QByteArray& value) {
            QList<QByteArray> items = QByteArray(kKnownFile).mid(kHeader.size()).trimmed().split(',');
            items[number - 1] = value;
            return kHeader + items.join(',') + "\r\n";
        };
        QTest::newRow("empty") << QByteArray() << QString();
        QTest::newRow("binary") << QByteArray("\x7f\x45LF\x02\x01\x00\x00\xff", 9) << QString();
        QTest::newRow("a position file") << QByteArray("\"VQ-E1\",\"Position\"\r\n") << QString();
        QTest::newRow("binary after the header")
            << kHeader + QByteArray("20000,\x00\x01", 8)
            << u"It holds characters that are not text, or a double quote that is not closed."_s;
        QTest::newRow("quote not closed")
            << item(22, "\" 28L-100")
            << u"It holds characters that are not text, or a double quote that is not closed."_s;
        QTest::newRow("truncated")
            << QByteArray(kKnownFile).replace(",1,1\r\n", ",1\r\n")
            << u"It holds 23 values after its first line; a parameter file holds 24."_s;
        QTest::newRow("an extra item")
            << QByteArray(kKnownFile).replace(",1,1\r\n", ",1,1,0\r\n")
            << u"It holds 25 values after its first line; a parameter file holds 24."_s;
        QTest::newRow("text for a number") << item(6, "fast") << u"Value 6 (\"fast\") is not a number."_s;
        QTest::newRow("a number for the code")
            << item(22, "28") << u"Value 22 (\"28\") is not an actuator code such as \" 28L-100\"."_s;
        QTest::newRow("beyond 16 bits")
            << item(3, "40000")
            << u"Value 3 (40000) does not fit parameter 3, which takes -32768 to 32767."_s;
        QTest::newRow("beyond 32 bits")
            << item(1, "3000000000")
            << u"Value 1 (3000000000) does not fit parameter 1, which takes -2147483648 to 2147483647."_s;
        QTest::newRow("unknown type")
            << item(21, "3") << u"Value 21 (3) does not fit parameter 21, which takes 0 to 2."_s;
        QTest::newRow("unknown actuator")
            << item(22, "\" 99L-100\"")
            << u"The actuator \" 99L-100\" of value 22 is not in the device list \"nvqdevice.lst\"."_s;
        QTest::newRow("older JM file")
            << kHeader + "10000,0,20,1,4,5,10,15,20,25,30,40,50,60,5\r\n"
            << u"It holds the 15 values of an older JM parameter file: such a file can only be used to verify the parameters shown."_s;
    }

    // Each refusal says what is wrong with which file; the window, the set, the title and the changed flag
    // stay as they were.
    void refusedFilesChangeNothing() {
        QFETCH(QByteArray, file);
        QFETCH(QString, detail);
        FileRig r;
        r.fillFactory();
        r.t.ctx.parameters.ParaChangeFlag = false;
        const ParameterForm before = r.model.form;
        const QString path = r.write(u"bad.pmt"_s, file);
        r.t.op.chooseFile(path);
        r.commands.ReadParaFileProc();
        const QString named =
            kOpenError + u"\r\n\r\nThe parameter file \"%1\" cannot be read.\r\n\r\n"_s.arg(path);
        const QStringList expected =
            detail.isEmpty() ? QStringList{kNotOurs, kOpenError} : QStringList{named + detail};
        QCOMPARE(r.t.op.texts(), expected);
        QCOMPARE(r.t.op.messages[0].icon, detail.isEmpty() ? Icon::Exclamation : Icon::None);
        QCOMPARE(r.model.form.text, before.text);
        QCOMPARE(r.model.title, u"ZO-VI Parameters"_s);
        QVERIFY(!r.t.ctx.parameters.ParaChangeFlag && r.t.ctx.parameters.ParaItemCount == 0);
    }

    // A disk that fills up mid-way (a file size limit in a child process) and a folder that does not exist:
    // the operator is told which file, the previous file keeps its bytes, the title and flag stay.
    void fullDiskKeepsThePreviousFile() {
        FileRig r;
        r.fillFactory();
        const QByteArray previous = QByteArray(kKnownFile).replace("20000", "10000");
        const QString path = r.write(u"kept.pmt"_s, previous);
        const auto toldAndKept = [&r](const QString& target) {
            r.t.op.chooseFile(target);
            return !r.commands.SaveParaFileProc() &&
                   r.t.op.lastText() ==
                       u"The parameters could not be saved in \"%1\". The file is as it was before. Make "
                       u"sure that the folder can be written to and that the disk is not full."_s.arg(
                           target) &&
                   r.t.ctx.parameters.ParaChangeFlag && r.model.title == u"ZO-VI Parameters"_s;
        };
        QVERIFY2(trueWithFileSizeLimit(40, [&] { return toldAndKept(path); }),
                 "the child saw the save fail and was told");
        QCOMPARE(r.bytes(u"kept.pmt"_s), previous);
        QCOMPARE(QDir(r.dir.path()).entryList(QDir::Files), QStringList{u"kept.pmt"_s});
        QVERIFY(toldAndKept(r.dir.filePath(u"missing/kept.pmt"_s)));
        // And a save that works names the window after the file.
        r.t.op.chooseFile(path);
        QVERIFY(r.commands.SaveParaFileProc());
        QVERIFY(!r.t.ctx.parameters.ParaChangeFlag && r.model.title == u"kept"_s);
    }

    // OK with the file's name; NG lists the parameters that differ, 23 and 24 only with the details setting;
    // an older JM file is compared after the question, over its 15 values.
    void verificationAgainstAFile() {
        FileRig r;
        r.fillFactory();
        QVERIFY(r.commands.checkAndTakeIn() == 0);
        ParameterSet file = r.t.ctx.parameters.set;
        file.EmgWay = 0;
        QCOMPARE(SaveParaFileAs(r.dir.filePath(u"ref.pmt"_s), file), 0);
        const QString jm = r.write(u"jm.pmt"_s, kHeader + "20000,0,20,1,4,5,10,15,20,25,30,40,50,60,6\r\n");
        const QString ok =
            u"Parameters : indicated and saved into the file(%1)\r\n\r\nResult of Verification : OK"_s;
        const QString ng =
            u"Parameters : indicated and saved into the file\r\n\r\nResult of Verification : NG.\r\n\r\n"
            u"<Unmatched Parameter No.>\r\n"_s;
        const struct {
            bool details;
            QString change;
            QString path;
            QList<Answer> answers;
            QString result;
        } cases[] = {
            {false, {}, u"ref.pmt"_s, {}, ok.arg(u"ref.pmt"_s)},
            {true, {}, u"ref.pmt"_s, {}, ng + u"23,"_s},
            {false, u"9"_s, u"ref.pmt"_s, {}, ng + u"6,"_s},
            {false, {}, jm, {Answer::Cancel}, u"Are you continue? "_s},
            {false, {}, jm, {Answer::Ok}, ng + u"15,"_s},
        };
        for (const auto& c : cases) {
            r.t.op.messages.clear();
            r.t.ctx.options.ParametaShow = c.details;
            r.model.setText(6, c.change.isEmpty() ? u"5"_s : c.change);
            for (Answer answer : c.answers)
                r.t.op.answer(answer);
            r.t.op.chooseFile(QDir(r.dir.path()).filePath(c.path));
            r.commands.ParaFileShogoProc();
            QVERIFY2(r.t.op.lastText().endsWith(c.result), qPrintable(r.t.op.lastText()));
        }
    }
};

QTEST_GUILESS_MAIN(TestParameterFile)
#include "tst_parameter_file.moc"
