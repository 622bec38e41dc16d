// The position data file: the bytes written, what is read back or refused (the table kept), the device a
// file records, a save that fails on a full disk, New, and the verification against a file.
#include "device/Conversion.h"
#include "device/DeviceFixture.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"

#include "support/FileSizeLimit.h"

#include <QDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;
using Grid = PositionGridModel;

namespace {

// The default actuator (VQ NEW 28L-100, lead 2, 400 pulses a revolution) and the shipped device lists
// in a temporary data folder, where the position files go too.
struct Files : DeviceFixture {
    explicit Files(qint16 langNo = 2)
        : DeviceFixture(langNo) {
        shipLists();
        conv::recomputeLimits(t.ctx.device);
        t.ctx.device.VTypeFlag = true;
        table.setCurrentDataName(u"New Data"_s);
    }
    // Rows "VEL,ACC,mm,comment" for positions 1 to 3.
    void fill(const QStringList& rows) {
        for (int p = 1; p <= 3; ++p) {
            const QStringList cells = rows[p - 1].split(u',');
            for (int c = 0; c < 4; ++c)
                grid.setText(p, QList{Grid::ColVel, Grid::ColAcc, Grid::ColMm, Grid::ColComment}[c],
                             cells[c]);
        }
    }
    QString path(const QString& name) const { return dir.filePath(name); }
    QByteArray bytes(const QString& name) const {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    // The grid's rows, "VEL|ACC|mm|comment" each.
    QString shown() const {
        QStringList rows;
        for (int p = 1; p <= 3; ++p)
            rows << QStringList{grid.text(p, 1), grid.text(p, 2), grid.text(p, 3), grid.text(p, 5)}.join(
                u'|');
        return rows.join(u" / "_s);
    }
    Grid grid{t.ctx.texts};
    PositionTable table{t.ctx, grid};
    RecordingFileView view;
    PositionFiles files{t.ctx, table, view};
};

const QStringList kTable = {u"5,2,20, pick-up "_s, u"9,3,60,"_s, u"1,1,100.000,end"_s};
const QByteArray kTableFile = "\"VQ-E1\",\"Position\"\r\n"
                              "\"VQ- 28L-100\",\"NEW\"\r\n"
                              "\"5\",\"2\",\"4000\",\"pick-up\"\r\n"
                              "\"9\",\"3\",\"12000\",\"\"\r\n"
                              "\"1\",\"1\",\"20000\",\"end\"\r\n";
const QString kCancelled = u"\r\n\r\nOpening file is canceled."_s;

} // namespace

class TestPositionFile : public QObject {
    Q_OBJECT
private slots:
    // Save As writes the literal file (blanks around a comment trimmed, an empty comment as "") and names
    // the data after it; Save writes a file opened under another extension as .vqd in its folder, refuses a
    // comment with a double quote, and asks for a name for a file named like new data.
    void savedBytesAndTheDataName() {
        Files f;
        f.fill(kTable);
        f.t.ctx.operation.DataChangeFlag = true;
        f.t.op.chooseFile(f.path(u"positions.vqd"_s));
        QVERIFY(f.files.saveAs());
        QCOMPARE(f.bytes(u"positions.vqd"_s), kTableFile);
        QVERIFY(f.table.CurrentDataName() == u"positions"_s && !f.t.ctx.operation.DataChangeFlag);
        QCOMPARE(f.view.cursor, (QList<bool>{true, false}));

        QVERIFY(QFile::copy(f.path(u"positions.vqd"_s), f.path(u"copy.txt"_s)));
        QCOMPARE(f.files.openFile(f.path(u"copy.txt"_s), f.catalogue), 0);
        f.grid.setText(2, Grid::ColComment, u"\"quoted\""_s);
        QVERIFY(!f.files.save());
        QCOMPARE(f.t.op.lastText(),
                 u"The comment of position No.2 contains a double quote (\"), which a position "
                 u"data file cannot hold.\r\n\r\nWriting data is canceled."_s);
        f.grid.setText(2, Grid::ColComment, QString());
        f.t.ctx.device.IsNewType = false;
        QVERIFY(f.files.save());
        QCOMPARE(f.bytes(u"copy.vqd"_s), QByteArray(kTableFile).replace("NEW", "OLD"));

        f.table.setCurrentDataFile(f.path(u"New Data.vqd"_s));
        QVERIFY(!f.files.save());
        QCOMPARE(f.t.op.saveRequests.size(), 2);
        QCOMPARE(f.t.op.saveRequests[1].title + f.t.op.saveRequests[1].initialName,
                 u"Save VQ Data to filevqdata.vqd"_s);
    }

    void readOrRefused_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("langNo");
        // What was read ("device|type|caption / position ..."), or the message after the file's name.
        QTest::addColumn<QString>("result");

        const auto replaced = [](const char* from, const char* to) {
            return QByteArray(kTableFile).replace(from, to);
        };
        const QString records = u" / 5,2,4000,pick-up / 9,3,12000, / 1,1,20000,end"_s;
        const QString utf16 = QString::fromLatin1(kTableFile);
        QTest::newRow("as written") << kTableFile << 2 << u"VQ- 28L-100|NEW|(New)"_s + records;
        QTest::newRow("older layout")
            << replaced(",\"NEW\"", "") << 2 << u"VQ- 28L-100|OLD|(Old)"_s + records;
        QTest::newRow("LF only, blank line, bare fields, UTF-8 mark")
            << QByteArray("\xEF\xBB\xBF\"VQ-E1\",\"Position\"\n\nVQ-28L-100\n5, 2 ,\" "
                          "4000\",\n9,3,12000,\n1,1,20000,")
            << 2 << u"VQ-28L-100|OLD|(Old) / 5,2,4000, / 9,3,12000, / 1,1,20000,"_s;
        QTest::newRow("UTF-16 with its mark")
            << QByteArray("\xFF\xFE") +
                   QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2)
            << 2 << u"VQ- 28L-100|NEW|(New)"_s + records;
        QTest::newRow("Shift_JIS comment, CR only, Japanese run")
            << replaced("pick-up", "\x8C\xB4\x93\x5F").replace("\r\n", "\r") << 1
            << u"VQ- 28L-100|NEW|(標準) / 5,2,4000,原点 / 9,3,12000, / 1,1,20000,end"_s;

        const QString notDataFile = u"Not Data file for ZO-VI."_s;
        QTest::newRow("no such file") << QByteArray("(no file)") << 2 << QString();
        QTest::newRow("empty") << QByteArray() << 2 << notDataFile;
        QTest::newRow("binary") << QByteArray("\x00\xff\x13\x88\x00\x01\xfe", 7) << 2 << notDataFile;
        QTest::newRow("marker in lower case") << replaced("VQ-E1", "vq-e1") << 2 << notDataFile;
        QTest::newRow("ends after position 2")
            << kTableFile.left(kTableFile.indexOf("\"1\",\"1\"")) << 2 << u"The file ends before line 5."_s;
        QTest::newRow("record without comment")
            << replaced(",\"\"\r\n", "\r\n") << 2 << u"Line 4 has 3 fields instead of 4."_s;
        QTest::newRow("VEL beyond 16 bits")
            << replaced("\"9\"", "\"32768\"") << 2
            << u"Line 4: \"32768\" is not a whole number from -32768 to 32767."_s;
        QTest::newRow("pulses beyond 32 bits")
            << replaced("20000", "2147483648") << 2
            << u"Line 5: \"2147483648\" is not a whole number from -2147483648 to 2147483647."_s;
        QTest::newRow("comment of 21 characters") << replaced("pick-up", "123456789012345678901") << 2
                                                  << u"Line 3: the comment is longer than 20 characters."_s;
        QTest::newRow("control character")
            << replaced("end", "e\x01nd") << 2 << u"Line 5 holds characters that are not text."_s;
        QTest::newRow("type in lower case")
            << replaced("NEW", "new") << 2 << u"Line 2: the type \"new\" is neither \"NEW\" nor \"OLD\"."_s;
    }

    // A file read fills the staging copy and the file information; a refused one shows the not-ours box for
    // a file of another kind, else one naming the file and the line, and the open leaves the grid, arrays,
    // data name and change flag as they were.
    void readOrRefused() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, langNo);
        QFETCH(QString, result);
        Files f{qint16(langNo)};
        const QString path = f.path(u"in.vqd"_s);
        if (bytes != "(no file)")
            f.write(u"in.vqd"_s, bytes);
        if (result.contains(u'|')) {
            QCOMPARE(f.files.ReadPositionFile(path), 0);
            QStringList read = {
                QStringList{f.files.FileDevName, f.files.FileNewOld, f.files.FileTypeCaption}.join(u'|')};
            for (int p = 1; p <= 3; ++p) {
                const auto& row = f.table.workPosDA[p];
                read << QStringList{row[PfVel].toString(), row[PfAcc].toString(), row[PfPulse].toString(),
                                    row[PfComment].toString()}
                            .join(u',');
            }
            QCOMPARE(read.join(u" / "_s), result);
            QVERIFY(f.t.op.messages.isEmpty());
            return;
        }
        f.fill(kTable);
        QCOMPARE(f.table.PosiDataTorikomi(), 0);
        f.t.ctx.operation.DataChangeFlag = true;
        const QString before = f.shown();
        const PositionArray staging = f.table.workPosDA, working = f.table.PosiDataArray;
        QCOMPARE(f.files.openFile(path, f.catalogue), 1);
        const QString named = u"The position data file \"%1\" cannot be read."_s.arg(path);
        const QString expected = result.startsWith(u"Not Data") ? result
                                 : result.isEmpty()             ? named
                                                                : named + u"\r\n\r\n"_s + result;
        QCOMPARE(f.t.op.texts(), QStringList{expected + kCancelled});
        QVERIFY(f.t.op.messages[0].icon == Icon::Exclamation);
        QVERIFY(f.shown() == before && f.table.workPosDA == staging && f.table.PosiDataArray == working);
        QVERIFY(f.table.CurrentDataName() == u"New Data"_s && f.t.ctx.operation.DataChangeFlag);
    }

    void deviceOfTheFile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("type"); // "NEW", "OLD" or "" for the older layout
        QTest::addColumn<bool>("refused"); // 444 / 445 "Type not selected." and the open goes on
        QTest::addColumn<QString>("device");

        const QString current = u"VQ NEW 0 [ 28]L-100 2/400 vertical"_s;
        QTest::newRow("as written") << u"VQ- 28H-150"_s << u"NEW"_s << false
                                    << u"VQ NEW 0 [ 28]H-150 6/400 vertical"_s;
        QTest::newRow("older form and layout")
            << u"VQ-28L-050"_s << QString() << false << u"VQ OLD 1 [ 28]L-50 2/400"_s;
        QTest::newRow("V mark of an OLD device")
            << u"VQ- 28L-050V"_s << u"OLD"_s << false << u"VQ OLD 1 [ 28]L-50 2/400 vertical"_s;
        QTest::newRow("E size, older form")
            << u"VQ-35E-100"_s << u"NEW"_s << false << u"VQ NEW 0 [E35]L-100 2/400 vertical"_s;
        QTest::newRow("JM is never NEW nor vertical")
            << u"JM- 28H-100 "_s << u"NEW"_s << false << u"JM OLD 2 [ 28]H-100 6/400"_s;
        QTest::newRow("lower case") << u"vq- 28H-150"_s << u"NEW"_s << true << current;
        QTest::newRow("too short") << u"VQ-28"_s << u"NEW"_s << true << current;
        QTest::newRow("not in the list") << u"VQ- 28L-120"_s << u"NEW"_s << true << current;
    }

    // The file's device becomes the program's, with its label and the mm of the positions; a
    // refused name keeps the pending device and the open goes on.
    void deviceOfTheFile() {
        QFETCH(QString, name);
        QFETCH(QString, type);
        QFETCH(bool, refused);
        QFETCH(QString, device);
        Files f;
        QByteArray bytes = QByteArray(kTableFile).replace("VQ- 28L-100", name.toLatin1());
        f.write(u"dev.vqd"_s, bytes.replace(",\"NEW\"", type.isEmpty() ? "" : ",\"" + type.toLatin1() + '"'));
        QCOMPARE(f.files.openFile(f.path(u"dev.vqd"_s), f.catalogue), 0);
        QCOMPARE(describe(f.t.ctx.device), device);
        QCOMPARE(f.t.op.lastText(), refused ? u"Type not selected.\r\n\r\nPlease select type."_s : QString());
        const DeviceState& dev = f.t.ctx.device;
        QCOMPARE(f.shown().section(u" / "_s, 0, 0),
                 u"5|2|"_s + conv::mmCellText(dev.DevLead, dev.DevPPR, 4000) + u"|pick-up"_s);
        QVERIFY(f.view.device.label.startsWith(device.left(2) + u'-' + dev.DevSize + dev.DevSpeed));
    }

    // A refused name leaves a pending device that the file's series lacks: message 575 ends the open with
    // the table, its name and the change flag as they were.
    void deviceNotFoundKeepsTheTable() {
        Files f;
        f.t.ctx.device.PrevDevSize = u" 20"_s;
        f.fill(kTable);
        f.t.ctx.operation.DataChangeFlag = true;
        f.write(u"jm.vqd"_s, QByteArray(kTableFile).replace("VQ- 28L", "JM- 20L"));
        QCOMPARE(f.files.openFile(f.path(u"jm.vqd"_s), f.catalogue), 1);
        QCOMPARE(f.t.op.texts(), (QStringList{u"Type not selected.\r\n\r\nPlease select type."_s,
                                              u"Fail to find device information..."_s}));
        QVERIFY(f.shown().startsWith(u"5|2|20| pick-up "_s) && f.table.CurrentDataName() == u"New Data"_s);
        QVERIFY(f.t.ctx.operation.DataChangeFlag && !f.catalogue.DeviceNotFoundFlag &&
                f.view.device.label.isEmpty());
    }

    // A disk that fills up mid-way (a file size limit in a child process) and a folder that does not exist:
    // the operator is told which file, the previous file is byte for byte as it was with nothing left beside
    // it, and the data stay marked as changed under their old name.
    void fullDiskKeepsThePreviousFile() {
        Files f;
        f.fill(kTable);
        QCOMPARE(f.table.PosiDataTorikomi(), 0);
        const QByteArray previous = QByteArray(kTableFile).replace("pick-up", "previous");
        f.write(u"kept.vqd"_s, previous);
        f.t.ctx.operation.DataChangeFlag = true;
        const QString failed =
            u"The position data could not be saved in \"%1\". The file is as it was before. Make sure "
            u"that the folder can be written to and that the disk is not full."_s;
        const auto toldAndKept = [&](const QString& path) {
            return f.files.SaveFileAs(path) == 1 && f.t.op.lastText() == failed.arg(path) &&
                   f.t.ctx.operation.DataChangeFlag && f.table.CurrentDataName() == u"New Data"_s;
        };
        QVERIFY2(trueWithFileSizeLimit(40, [&] { return toldAndKept(f.path(u"kept.vqd"_s)); }),
                 "the child saw the save fail and was told");
        QCOMPARE(f.bytes(u"kept.vqd"_s), previous);
        QCOMPARE(QDir(f.dir.path()).entryList(QDir::Files).filter(u"kept"_s), QStringList{u"kept.vqd"_s});
        QVERIFY(toldAndKept(f.path(u"missing/kept.vqd"_s)));
    }

    // New empties the table unless the operator cancels, or answers Yes and then does not save.
    void newAsksForChangedData() {
        for (const auto& [answer, cleared] :
             {std::pair{Answer::Cancel, false}, {Answer::Yes, false}, {Answer::No, true}}) {
            Files f;
            f.fill(kTable);
            QCOMPARE(f.table.PosiDataTorikomi(), 0);
            f.table.setCurrentDataName(u"table"_s);
            f.t.ctx.operation.DataChangeFlag = true;
            f.t.op.answer(answer);
            const QString before = f.shown();
            f.files.newData();
            QCOMPARE(f.t.op.texts(), QStringList{u"Data have been changed. Save in file?"_s});
            QCOMPARE(f.shown() + f.table.CurrentDataName(),
                     cleared ? u"||| / ||| / |||New Data"_s : before + u"table"_s);
            QVERIFY(f.t.ctx.operation.DataChangeFlag != cleared &&
                    f.table.PosiDataArray[1][PfPulse].isValid() != cleared);
        }
    }

    // OK and NG with the file's name (what counts in the comparison is the position table's). The verify
    // button asks for the source only after the checks and always ends by releasing the port.
    void verificationAgainstAFile() {
        Files f;
        f.write(u"ref.vqd"_s, kTableFile);
        f.fill(kTable);
        int asked = 0, released = 0, ctVerified = 0;
        const auto verifyBy = [&](int choice) {
            if (choice == 1)
                f.t.op.chooseFile(f.path(u"ref.vqd"_s));
            f.files.verifyWithChoice([&] { return ++asked, choice; }, [&] { ++ctVerified; },
                                     [&] { ++released; });
        };
        const QString head = u"Data : indicated and saved into the file(ref.vqd)\r\n\r\n"_s;
        verifyBy(1);
        QCOMPARE(f.t.op.lastText(), head + u"Result of Verification : OK"_s);
        const FileDialogRequest& request = f.t.op.openRequests[0];
        QVERIFY(request.title == u"Open file to Verify"_s && request.mustExist &&
                request.initialName.isEmpty());

        f.grid.setText(2, Grid::ColVel, u"8"_s);
        f.grid.setText(3, Grid::ColMm, u"99.995"_s);
        verifyBy(1);
        QCOMPARE(f.t.op.lastText(), head +
                                        u"Result of Verification : NG.\r\n\r\nUnmatched Position No.\r\n\r\n"
                                        u"< Position No.2>\r\n\r\n< Position No.3>\r\n\r\n"_s);
        verifyBy(2);
        verifyBy(0);
        QVERIFY(asked == 4 && released == 4 && ctVerified == 1 && !f.t.ctx.operation.CtBusyFlag);
        f.grid.setText(2, Grid::ColVel, u"0"_s);
        verifyBy(0);
        QVERIFY(asked == 4 && released == 4 && f.t.op.lastText().startsWith(u"Wrong data"_s));
    }
};

QTEST_MAIN(TestPositionFile)
#include "tst_position_file.moc"
