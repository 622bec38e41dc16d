// The backup of the controller's data before a write: names, listing and pruning of the folder, the
// step in both write paths over a scripted controller (its question when it fails, the setting that
// switches it off), and the saved bytes against the simulator.
#include "backup/ControllerBackup.h"
#include "parameter/ParameterRig.h"
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

// The hooks as the main window sets them.
void backUpPositions(TransferRig& rig, ControllerBackup& backup) {
    rig.transfer.beforeWrite = [&rig, &backup] {
        return backup.beforePositionWrite(
            [&rig](PositionArray& s) { return rig.transfer.readPositionsIntoStaging(s); }, kDevice);
    };
}

void backUpParameters(ParameterCommands& commands, ControllerBackup& backup) {
    commands.beforeWrite = [&commands, &backup] {
        return backup.beforeParameterWrite(
            [&commands](ParaSlots& s) { return commands.transfer.GetParametaValueProc(s); });
    };
}

} // namespace

class TestBackup : public QObject {
    Q_OBJECT
private slots:
    // A name carries the time, kind, file-safe device and sequence and reads back as them; other names are
    // not backups.
    void names() {
        QCOMPARE(backupFileName(BackupKind::Positions, kDevice, kAt),
                 u"20261206-101530-positions-VQ-28L-100.vqd"_s);
        const QString third = backupFileName(BackupKind::Parameters, u" VQ:/\\*?<>|  28L_ "_s, kAt, 3);
        QCOMPARE(third, u"20261206-101530-parameters-VQ-28L_3.pmt"_s);
        const auto entry = parseBackupFileName(third);
        QVERIFY(entry && entry->taken == kAt && entry->kind == BackupKind::Parameters &&
                entry->sequence == 3);
        for (const char* foreign :
             {"vqdata.vqd", "20261206-101530-positions-VQ.pmt", "20261306-101530-positions-VQ.vqd",
              "20261206-101530-positions-VQ.vqd.tmp", "20261206-101530-positions-VQ_1.vqd"})
            QVERIFY2(!parseBackupFileName(QString::fromLatin1(foreign)), foreign);
    }

    // Newest first; the 51st backup removes the oldest, both kinds counted together; foreign files stay.
    void folder() {
        TestContext t;
        QTemporaryDir dir;
        for (int i = 1; i <= 50; ++i)
            touch(dir.filePath(backupFileName(BackupKind(i % 2), QString::number(i), kAt.addSecs(-60 * i))));
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
        const QList<BackupEntry> kept = BackupFolder(dir.path()).list();
        QCOMPARE(kept.size(), 50);
        QCOMPARE(kept.first().path, backup.lastSaved);
        QCOMPARE(kept.first().device + kept[1].device + kept.last().device, u"VQ-28L-100149"_s);
        QVERIFY(QFile::exists(dir.filePath(u"notes.txt"_s)));
    }

    void positionWrite_data() {
        QTest::addColumn<bool>("autoBackup");
        QTest::addColumn<QByteArrayList>("replies"); // to the backup's read
        QTest::addColumn<QString>("answer");         // to the question: Y, N or none (the default)
        QTest::addColumn<QString>("frames");         // of the backup's read
        QTest::addColumn<bool>("written");
        const QByteArrayList read = {"0CM1", "0RP152020003E8", "0RP27222002710", "0RP39332003E80",
                                     "0RV120000"};
        const QByteArrayList garbled = {"0CM1", "0RP152020003E8", "0RP2722200271G"};
        QTest::newRow("backed up") << true << read << ""
                                   << " 0CM1 0RP1 0RP2 0RP3 0RV" << true;
        QTest::newRow("setting off") << false << QByteArrayList{} << ""
                                     << "" << true;
        QTest::newRow("unreadable, No") << true << garbled << "N"
                                        << " 0CM1 0RP1 0RP2" << false;
        QTest::newRow("unreadable, Yes") << true << garbled << "Y"
                                         << " 0CM1 0RP1 0RP2" << true;
        QTest::newRow("no folder, default No") << true << read << "-"
                                               << " 0CM1 0RP1 0RP2 0RP3 0RV" << false;
    }

    // Write to C/T of positions: the backup's read follows the checks and precedes the first record; the
    // grid and the staging copy stay as they were.
    void positionWrite() {
        QFETCH(bool, autoBackup);
        QFETCH(QByteArrayList, replies);
        QFETCH(QString, answer);
        QFETCH(QString, frames);
        QFETCH(bool, written);
        LinkFixture f;
        TransferRig rig{f.t, f.link, f.view, f.alarms};
        QTemporaryDir dir;
        ControllerBackup backup(f.t.ctx, BackupFolder(dir.filePath(u"b"_s)));
        if (answer == u"-")
            touch(dir.filePath(u"b"_s)); // a file where the folder belongs
        backup.now = [] {
            return kAt;
        };
        backUpPositions(rig, backup);
        f.t.settings.writeInt(u"AutoBackup"_s, autoBackup ? 1 : 0);
        const QString table = u"1|1|0.000;9|3|100.000;5|2|12.345"_s;
        rig.fill(table);
        rig.table.workPosDA[1][PfVel] = u"staged"_s;
        f.t.op.answer(Answer::Ok);
        if (answer == u"Y" || answer == u"N") {
            f.t.op.answer(Answer::Ok); // the unreadable record
            f.t.op.answer(answer == u"Y" ? Answer::Yes : Answer::No);
        }
        const QByteArrayList check = {"0CM1", "0RD10004E2002020202FF", "0RD141C4C006400FFFFFF",
                                      "0RD13050A140101020190", "0RD1114283C010400FFFF"};
        for (const QByteArray& reply :
             check + replies + QByteArrayList{"0WP11102000000", "0WP29302004E20", "0WP352020009A5"})
            f.port.scriptText(reply + "\r\n");

        QCOMPARE(rig.transfer.writeToCt(), written ? 0 : 1);
        QStringList sent;
        for (const QByteArray& frame : f.port.written)
            sent << QString::fromLatin1(frame.chopped(2));
        QCOMPARE(sent.join(u' '),
                 u"0CM1 0RD10 0RD14 0RD13 0RD11"_s + frames +
                     (written ? u" 0WP11102000000 0WP29302004E20 0WP352020009A5"_s : QString()));
        const bool asked = !answer.isEmpty();
        const auto& shown = f.t.op.messages;
        const auto question =
            std::find_if(shown.begin(), shown.end(), [](const auto& m) { return m.text == kQuestion; });
        QCOMPARE(question != shown.end(), asked);
        QVERIFY(!asked || question->buttons == Buttons::YesNoDefaultNo);
        QCOMPARE(
            contents(backup.lastSaved),
            !autoBackup || asked
                ? QByteArray("(missing)")
                : QByteArray(
                      "\"VQ-E1\",\"Position\"\r\n\"VQ- 28L-100\",\"NEW\"\r\n\"5\",\"2\",\"1000\",\"\"\r\n"
                      "\"7\",\"2\",\"10000\",\"\"\r\n\"9\",\"3\",\"16000\",\"\"\r\n"));
        QCOMPARE(rig.shown(), table);
        QCOMPARE(rig.table.workPosDA[1][PfVel].toString(), u"staged"_s);
        QVERIFY(!f.port.isOpen());
    }

    // Write to C/T of parameters: a block the backup cannot read asks, and No sends no block; the window's
    // staging table and form are not touched.
    void parameterWriteStopsWithoutBackup() {
        ParameterRig r;
        QTemporaryDir dir;
        ControllerBackup backup(r.t.ctx, BackupFolder(dir.path()));
        backUpParameters(r.commands, backup);
        r.fillFactory();
        r.t.ctx.parameters.ParaFileData[1] = 7;
        r.replies({"0CM1", "0RP15200001F40", "0RP25200004E20", "0RP35200000000", "0CM1",
                   "0RD00FF02140000FFFFFF", "0RD10004E2002020202FG"});
        r.t.op.answer(Answer::Yes);
        r.commands.run(ParameterCommand::WriteCt);
        QCOMPARE(r.frames().join(u' '), u"0CM1 0RP1 0RP2 0RP3 0CM1 0RD00 0RD10"_s);
        QCOMPARE(r.t.op.texts().constLast(), kQuestion);
        QVERIFY(backup.lastSaved.isEmpty() && QDir(dir.path()).isEmpty());
        QCOMPARE(r.t.ctx.parameters.ParaFileData[1].toInt(), 7);
        QCOMPARE(r.model.form.text[6], u"5"_s);
        QVERIFY(!r.port.isOpen() && !r.model.ParaBusyFlag && r.progress.log.constLast() == u"closed");
    }

    // Against the simulator: each write's backup holds the controller's data from before the write,
    // byte for byte as File > Save writes them after Read from C/T.
    void byteIdenticalToSave() {
        SimulatedLink s;
        QTemporaryDir dir;
        ControllerBackup backup(s.t.ctx, BackupFolder(dir.filePath(u"backups"_s)));
        TransferRig rig{s.t, s.link, s.view, s.alarms};
        backUpPositions(rig, backup);
        rig.fill(u"3|1|1.000;4|2|2.000;6|3|3.500"_s);
        QCOMPARE(rig.transfer.writeToCt(), 0);
        s.t.op.answer(Answer::No); // no save before reading
        QCOMPARE(rig.transfer.readFromCt(), 0);
        RecordingFileView view;
        const QString savedPositions = dir.filePath(u"positions.vqd"_s);
        QCOMPARE(PositionFiles(s.t.ctx, rig.table, view).SaveFileAs(savedPositions), 0);
        rig.fill(u"9|3|10.000;8|2|20.000;7|1|30.000"_s);
        QCOMPARE(rig.transfer.writeToCt(), 0);
        QVERIFY(backup.lastSaved.contains(u"-positions-VQ-28L-100"_s));
        QCOMPARE(contents(backup.lastSaved), contents(savedPositions));

        ParameterStack p{s.t, s.link, s.view, s.alarms};
        backUpParameters(p.commands, backup);
        p.commands.run(ParameterCommand::ReadCt);
        const QString savedParameters = dir.filePath(u"parameters.pmt"_s);
        s.t.op.chooseFile(savedParameters);
        p.commands.run(ParameterCommand::SaveFile);
        p.model.setText(6, u"6"_s);
        p.commands.run(ParameterCommand::WriteCt);
        QVERIFY(backup.lastSaved.contains(u"-parameters-VQ-28L-100"_s));
        QCOMPARE(contents(backup.lastSaved), contents(savedParameters));
        QCOMPARE(BackupFolder(dir.filePath(u"backups"_s)).list().size(), 3);
    }
};

QTEST_GUILESS_MAIN(TestBackup)
#include "tst_backup.moc"
