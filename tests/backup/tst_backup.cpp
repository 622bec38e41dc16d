// The backup of the controller's data before a write: the names of the backups, the folder's listing
// and pruning, the step's read and save in both write paths over a scripted controller and against
// the simulator, its question when it fails, and the setting that switches it off.
#include "backup/ControllerBackup.h"
#include "parameter/ParameterRig.h"
#include "position/PositionFiles.h"
#include "support/SimulatedLink.h"
#include "support/TransferRig.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

const QString kDevice = u"VQ- 28L-100"_s;
const QString kQuestion =
    u"The controller's data could not be backed up before writing.\r\n\r\nWrite to the C/T without a backup?"_s;
const QDateTime kAt(QDate(2026, 12, 6), QTime(10, 15, 30));

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QStringList namesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The write paths' hooks as the main window sets them.
void backUpPositions(TransferRig& rig, ControllerBackup& backup) {
    rig.transfer.beforeWrite = [&rig, &backup] {
        return backup.beforePositionWrite(
            [&rig](PositionArray& staging) { return rig.transfer.readPositionsIntoStaging(staging); },
            kDevice);
    };
}

void backUpParameters(ParameterCommands& commands, ControllerBackup& backup) {
    commands.beforeWrite = [&commands, &backup] {
        return backup.beforeParameterWrite(
            [&commands](ParaSlots& staging) { return commands.transfer.GetParametaValueProc(staging); });
    };
}

class FileView : public PositionFileView {
public:
    QString deviceTypeName() const override { return kDevice; }
    void setWaitCursor(bool) override {}
    DeviceView& deviceView() override { return device; }
    RecordingDeviceView device;
};

struct ScriptedWrite : LinkFixture {
    QString sent() const {
        QStringList frames;
        for (const QByteArray& frame : port.written)
            frames << QString::fromLatin1(frame.chopped(2));
        return frames.join(u' ');
    }
    QTemporaryDir dir;
    ControllerBackup backup{t.ctx, BackupFolder(dir.filePath(u"backups"_s))};
    TransferRig rig{t, link, view, alarms};
};

// Blocks of the simulator's factory parameters for the 28L-100.
const QByteArrayList kFactory = {"0RD00FF02140000FFFFFF", "0RD10004E2002020202FF", "0RD1114283C010400FFFF",
                                 "0RD12506478A0C8F0FFFF", "0RD13050A140101020190", "0RD141C4C006400FFFFFF"};

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    void names_data();
    void names();
    void foreignNames_data();
    void foreignNames();
    void listingAndPruning();
    void fiftyKept();
    void positionWrite_data();
    void positionWrite();
    void parameterWrite_data();
    void parameterWrite();
    void byteIdenticalToSave();
};

void TestBackup::names_data() {
    QTest::addColumn<bool>("positions");
    QTest::addColumn<QString>("device");
    QTest::addColumn<int>("sequence");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("device_in_name");
    QTest::newRow("positions") << true << kDevice << 1 << u"20261206-101530-positions-VQ-28L-100.vqd"_s
                               << u"VQ-28L-100"_s;
    QTest::newRow("third in a second")
        << false << u"JM-E35L-050"_s << 3 << u"20261206-101530-parameters-JM-E35L-050_3.pmt"_s
        << u"JM-E35L-050"_s;
    QTest::newRow("unsafe characters") << true << u" VQ:/\\*?\"<>|  28L_ "_s << 1
                                       << u"20261206-101530-positions-VQ-28L.vqd"_s << u"VQ-28L"_s;
    QTest::newRow("no device") << false << u" - "_s << 1 << u"20261206-101530-parameters-unknown.pmt"_s
                               << u"unknown"_s;
}

// A name read back gives the time, kind, device and sequence it was made of.
void TestBackup::names() {
    QFETCH(bool, positions);
    QFETCH(QString, device);
    QFETCH(int, sequence);
    QFETCH(QString, name);
    QFETCH(QString, device_in_name);
    const BackupKind kind = positions ? BackupKind::Positions : BackupKind::Parameters;
    QCOMPARE(backupFileName(kind, device, kAt, sequence), name);
    const auto entry = parseBackupFileName(name);
    QVERIFY(entry);
    QCOMPARE(entry->taken, kAt);
    QCOMPARE(entry->kind, kind);
    QCOMPARE(entry->device, device_in_name);
    QCOMPARE(entry->sequence, sequence);
}

void TestBackup::foreignNames_data() {
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"vqdata.vqd", "20261206-101530-positions-VQ-28L-100.pmt", "20261206-101530-parameters-VQ.vqd",
          "20261306-101530-positions-VQ.vqd", "20261206-106030-positions-VQ.vqd",
          "20261206-101530-positions-.vqd", "20261206-101530-positions-VQ.vqd.bak",
          "20261206-101530-positions-VQ_1.vqd", "20261206-101530-positions-VQ.VQD",
          "20261206-101530-settings-VQ.vqd", "2026126-101530-positions-VQ.vqd"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestBackup::foreignNames() {
    QFETCH(QString, name);
    QVERIFY(!parseBackupFileName(name));
}

// Newest first whatever the order on disk; foreign files and folders are neither listed nor pruned.
void TestBackup::listingAndPruning() {
    QTemporaryDir dir;
    const BackupFolder folder(dir.path());
    for (const char* name : {"20261206-101530-positions-A.vqd", "20270101-000000-parameters-B.pmt",
                             "20261206-101530-positions-C_2.vqd", "20251231-235959-parameters-D.pmt",
                             "vqdata.vqd", "20261206-101531-positions-E.vqd.tmp"})
        touch(dir.filePath(QString::fromLatin1(name)));
    QVERIFY(QDir(dir.path()).mkdir(u"20280101-000000-positions-F.vqd"_s));
    QStringList devices;
    for (const BackupEntry& entry : folder.list())
        devices << entry.device;
    QCOMPARE(devices, (QStringList{"B", "C", "A", "D"}));

    QCOMPARE(folder.prune(2), 2);
    QCOMPARE(namesIn(dir.path()),
             (QStringList{"20261206-101530-positions-C_2.vqd", "20261206-101531-positions-E.vqd.tmp",
                          "20270101-000000-parameters-B.pmt", "vqdata.vqd"}));
    // A name already taken in that second gets the next number.
    QCOMPARE(QFileInfo(*folder.newFilePath(BackupKind::Positions, u"C"_s, kAt)).fileName(),
             u"20261206-101530-positions-C.vqd"_s);
    touch(dir.filePath(u"20261206-101530-positions-C.vqd"_s));
    QCOMPARE(QFileInfo(*folder.newFilePath(BackupKind::Positions, u"C"_s, kAt)).fileName(),
             u"20261206-101530-positions-C_3.vqd"_s);
}

// The 51st backup removes the oldest; both kinds count together.
void TestBackup::fiftyKept() {
    TestContext t;
    QTemporaryDir dir;
    for (int i = 0; i < 50; ++i)
        touch(dir.filePath(backupFileName(i % 2 ? BackupKind::Positions : BackupKind::Parameters, u"X"_s,
                                          kAt.addSecs(-60 * (i + 1)))));
    touch(dir.filePath(u"notes.txt"_s));
    ControllerBackup backup(t.ctx, BackupFolder(dir.path()));
    backup.now = [] {
        return kAt;
    };
    QVERIFY(backup.beforeParameterWrite([](ParaSlots& staging) {
        staging.fill(1);
        staging[22] = u" 28L-100"_s;
        return 0;
    }));
    QCOMPARE(QFileInfo(backup.lastSaved).fileName(), u"20261206-101530-parameters-VQ-28L-100.pmt"_s);
    const QStringList names = namesIn(dir.path());
    QCOMPARE(names.size(), 51);
    QVERIFY(names.contains(u"notes.txt"_s) && names.contains(QFileInfo(backup.lastSaved).fileName()));
    QVERIFY(!names.contains(backupFileName(BackupKind::Positions, u"X"_s, kAt.addSecs(-60 * 50))));
    QVERIFY(names.contains(backupFileName(BackupKind::Parameters, u"X"_s, kAt.addSecs(-60 * 49))));
}

void TestBackup::positionWrite_data() {
    QTest::addColumn<bool>("autoBackup");
    QTest::addColumn<bool>("folderIsFile");
    QTest::addColumn<QByteArrayList>("backupReplies");
    QTest::addColumn<QString>("answers"); // to the question, Y or N
    QTest::addColumn<QString>("backupFrames");
    QTest::addColumn<bool>("written");
    const QByteArrayList read = {"0CM1", "0RP152020003E8", "0RP27222002710", "0RP39332003E80", "0RV120000"};
    const QString readFrames = u" 0CM1 0RP1 0RP2 0RP3 0RV"_s;
    const QByteArrayList garbled = {"0CM1", "0RP152020003E8", "0RP2722200271G"};
    QTest::newRow("backed up") << true << false << read << "" << readFrames << true;
    QTest::newRow("setting off: nothing read") << false << false << QByteArrayList{} << ""
                                               << "" << true;
    QTest::newRow("unreadable record, No") << true << false << garbled << "N"
                                           << " 0CM1 0RP1 0RP2" << false;
    QTest::newRow("unreadable record, Yes") << true << false << garbled << "Y"
                                            << " 0CM1 0RP1 0RP2" << true;
    QTest::newRow("folder cannot be made, default No") << true << true << read << "" << readFrames << false;
}

// Write to C/T of positions: the backup's read comes after the pre-check and the actuator comparison
// and before the first record; it leaves the grid and the staging copy alone.
void TestBackup::positionWrite() {
    QFETCH(bool, autoBackup);
    QFETCH(bool, folderIsFile);
    QFETCH(QByteArrayList, backupReplies);
    QFETCH(QString, answers);
    QFETCH(QString, backupFrames);
    QFETCH(bool, written);
    ScriptedWrite f;
    f.t.settings.writeInt(u"AutoBackup"_s, autoBackup ? 1 : 0);
    if (folderIsFile)
        touch(f.dir.filePath(u"backups"_s));
    f.backup.now = [] {
        return kAt;
    };
    backUpPositions(f.rig, f.backup);
    const QString table = u"1|1|0.000;9|3|100.000;5|2|12.345"_s;
    f.rig.fill(table);
    f.rig.table.workPosDA[1][PfVel] = u"staged"_s;
    f.t.op.answer(Answer::Ok); // "Data is transmitted to controller,Yes?"
    if (!answers.isEmpty())
        f.t.op.answer(Answer::Ok); // the message about the unreadable record
    for (const QChar a : answers)
        f.t.op.answer(a == u'Y' ? Answer::Yes : Answer::No);
    const QByteArrayList check = {"0CM1", "0RD10004E2002020202FF", "0RD141C4C006400FFFFFF",
                                  "0RD13050A140101020190", "0RD1114283C010400FFFF"};
    const QByteArrayList records = {"0WP11102000000", "0WP29302004E20", "0WP352020009A5"};
    for (const QByteArray& reply : check + backupReplies + records)
        f.port.scriptText(reply + "\r\n");

    QCOMPARE(f.rig.transfer.writeToCt(), written ? 0 : 1);
    const QString writes = written ? u" 0WP11102000000 0WP29302004E20 0WP352020009A5"_s : QString();
    QCOMPARE(f.sent(), u"0CM1 0RD10 0RD14 0RD13 0RD11"_s + backupFrames + writes);
    const bool unreadable = !answers.isEmpty();
    const bool asked = unreadable || folderIsFile;
    QCOMPARE(f.t.op.messages.size(), 1 + (asked ? 1 : 0) + (unreadable ? 1 : 0) + (written ? 1 : 0));
    if (asked) {
        const auto question = std::find_if(f.t.op.messages.begin(), f.t.op.messages.end(),
                                           [](const auto& m) { return m.text == kQuestion; });
        QVERIFY(question != f.t.op.messages.end());
        QCOMPARE(question->buttons, Buttons::YesNoDefaultNo);
    }
    const bool saved = autoBackup && !asked;
    QCOMPARE(f.backup.lastSaved.isEmpty(), !saved);
    if (saved)
        QCOMPARE(
            contents(f.backup.lastSaved),
            QByteArray("\"VQ-E1\",\"Position\"\r\n\"VQ- 28L-100\",\"NEW\"\r\n\"5\",\"2\",\"1000\",\"\"\r\n"
                       "\"7\",\"2\",\"10000\",\"\"\r\n\"9\",\"3\",\"16000\",\"\"\r\n"));
    QCOMPARE(f.rig.shown(), table);
    QCOMPARE(f.rig.table.workPosDA[1][PfVel].toString(), u"staged"_s);
    QVERIFY(!f.port.isOpen());
}

void TestBackup::parameterWrite_data() {
    QTest::addColumn<bool>("autoBackup");
    QTest::addColumn<QByteArrayList>("backupReplies");
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<int>("read"); // "0RD" frames of the backup
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<int>("writes");
    const QString send = u"Send parameters to controller?"_s;
    const QString reset = u"Reset controller. Is it OK?"_s;
    const QString garbledText =
        u"The C/T's answer to parameter block 10 cannot be used: \"0RD10004E2002020202FG\". Nothing has "
        u"been read."_s;
    const QByteArrayList garbled = {"0CM1", kFactory[0], "0RD10004E2002020202FG"};
    QTest::newRow("backed up") << true << QByteArrayList{"0CM1"} + kFactory
                               << QList<Answer>{Answer::Yes, Answer::Ok} << 6 << QStringList{send, reset}
                               << 6;
    QTest::newRow("setting off: nothing read")
        << false << QByteArrayList{} << QList<Answer>{Answer::Yes, Answer::Ok} << 0
        << QStringList{send, reset} << 6;
    QTest::newRow("garbled block, default No") << true << garbled << QList<Answer>{Answer::Yes} << 2
                                               << QStringList{send, garbledText, kQuestion} << 0;
    QTest::newRow("garbled block, Yes")
        << true << garbled << QList<Answer>{Answer::Yes, Answer::Ok, Answer::Yes, Answer::Ok} << 2
        << QStringList{send, garbledText, kQuestion, reset} << 6;
}

// Write to C/T of parameters: the backup's six block reads come after the position check and before
// the first block is sent; the window's staging table and form are left as they were.
void TestBackup::parameterWrite() {
    QFETCH(bool, autoBackup);
    QFETCH(QByteArrayList, backupReplies);
    QFETCH(QList<Answer>, answers);
    QFETCH(int, read);
    QFETCH(QStringList, shown);
    QFETCH(int, writes);
    ParameterRig r;
    QTemporaryDir dir;
    ControllerBackup backup(r.t.ctx, BackupFolder(dir.path()));
    backup.now = [] {
        return kAt;
    };
    backUpParameters(r.commands, backup);
    r.t.settings.writeInt(u"AutoBackup"_s, autoBackup ? 1 : 0);
    r.fillFactory();
    r.t.ctx.parameters.ParaFileData[1] = 7;
    QByteArrayList replies = {"0CM1", "0RP15200001F40", "0RP25200004E20", "0RP35200000000"};
    replies += backupReplies;
    for (int i = 0; i < writes; ++i)
        replies << "0WD" + kFactory[i].mid(3);
    if (writes)
        replies << "0CM1" << QByteArray() << kFactory[5] << kFactory[4] << kFactory[2];
    r.replies(replies);
    for (Answer answer : answers)
        r.t.op.answer(answer);
    r.commands.run(ParameterCommand::WriteCt);

    QCOMPARE(r.texts(), shown);
    const QStringList frames = r.frames();
    const qsizetype firstWrite = frames.indexOf(QRegularExpression(u"0WD.*"_s));
    QCOMPARE(frames.filter(u"0WD"_s).size(), writes);
    // The reads of the backup lie between the position check and the first block written.
    const QStringList beforeWrites = writes ? frames.mid(0, firstWrite) : frames;
    QCOMPARE(beforeWrites.filter(u"0RD"_s).size(), read);
    QCOMPARE(beforeWrites.indexOf(u"0RP3"_s), 3);
    QCOMPARE(backup.lastSaved.isEmpty(), !(autoBackup && read == 6));
    if (!backup.lastSaved.isEmpty()) {
        QCOMPARE(QFileInfo(backup.lastSaved).fileName(), u"20261206-101530-parameters-VQ-28L-100.pmt"_s);
        QCOMPARE(contents(backup.lastSaved),
                 QByteArray("\"VQ-E1\",\"Parameter\"\r\n20000,0,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,1,2,"
                            "400,0,\" 28L-100\",1,1\r\n"));
    }
    QCOMPARE(r.t.ctx.parameters.ParaFileData[1].toInt(), 7);
    QCOMPARE(r.model.form.text[6], u"5"_s);
    QVERIFY(!r.port.isOpen() && !r.model.ParaBusyFlag && r.progress.log.constLast() == u"closed");
}

// Against the simulator: the backup a write leaves holds exactly the bytes that File > Save writes
// after Read from C/T, for positions and for parameters, and it holds the data from before the write.
void TestBackup::byteIdenticalToSave() {
    SimulatedLink s;
    QTemporaryDir dir;
    ControllerBackup backup(s.t.ctx, BackupFolder(dir.filePath(u"backups"_s)));
    TransferRig rig{s.t, s.link, s.view, s.alarms};
    backUpPositions(rig, backup);
    rig.fill(u"3|1|1.000;4|2|2.000;6|3|3.500"_s);
    QCOMPARE(rig.transfer.writeToCt(), 0);

    s.t.op.answer(Answer::No); // no save before reading
    QCOMPARE(rig.transfer.readFromCt(), 0);
    FileView view;
    PositionFiles files(s.t.ctx, rig.table, view);
    const QString savedPositions = dir.filePath(u"positions.vqd"_s);
    QCOMPARE(files.SaveFileAs(savedPositions), 0);
    rig.fill(u"9|3|10.000;8|2|20.000;7|1|30.000"_s);
    QCOMPARE(rig.transfer.writeToCt(), 0);
    QVERIFY(backup.lastSaved.contains(u"-positions-VQ-28L-100"_s));
    QCOMPARE(contents(backup.lastSaved), contents(savedPositions));

    DeviceCatalogue catalogue{s.t.ctx};
    CtCommands ctCommands{s.link};
    ControllerModes modes{s.t.ctx, s.link, s.view, s.view, s.alarms};
    RecordingProgress progress;
    RecordingDeviceView deviceView;
    RecordingWindow window;
    ParameterFormModel model{s.t.ctx, catalogue, s.t.ctx.parameters};
    ParameterCommands commands{s.t.ctx, catalogue, model, window,
                               ParameterLink{s.link, ctCommands, modes, progress, deviceView}};
    commands.transfer.wait = [](int) {
    };
    model.Form_Load();
    backUpParameters(commands, backup);
    commands.run(ParameterCommand::ReadCt);
    const QString savedParameters = dir.filePath(u"parameters.pmt"_s);
    s.t.op.chooseFile(savedParameters);
    commands.run(ParameterCommand::SaveFile);
    model.setText(6, u"6"_s);
    commands.run(ParameterCommand::WriteCt);
    QVERIFY(backup.lastSaved.contains(u"-parameters-VQ-28L-100"_s));
    QCOMPARE(contents(backup.lastSaved), contents(savedParameters));
    QCOMPARE(BackupFolder(dir.filePath(u"backups"_s)).list().size(), 3);
}

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
