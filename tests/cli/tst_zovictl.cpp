// The command line end to end: zovictl against the simulator on its pseudo-terminal, its usage
// errors, its answers to questions, several controllers at once, and the files it writes against the
// window's.
#include "CliProcess.h"
#include "support/SimulatorProcess.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

// What the simulator's factory table reads as: VEL, ACC, pulses (20, 50 and 80 mm); no comments.
const QByteArray kFactoryPositions = "\"VQ-E1\",\"Position\"\r\n"
                                     "\"VQ- 28L-100\",\"NEW\"\r\n"
                                     "\"5\",\"2\",\"4000\",\"\"\r\n"
                                     "\"7\",\"2\",\"10000\",\"\"\r\n"
                                     "\"9\",\"3\",\"16000\",\"\"\r\n";

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A pseudo-terminal that nothing answers on: a controller that is switched off.
class SilentTerminal {
public:
    SilentTerminal() {
        master_ = posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && grantpt(master_) == 0 && unlockpt(master_) == 0)
            path_ = QString::fromLocal8Bit(ptsname(master_));
    }
    ~SilentTerminal() {
        if (master_ >= 0)
            close(master_);
    }
    const QString& path() const { return path_; }

private:
    int master_ = -1;
    QString path_;
};

} // namespace

class TestZovictl : public QObject {
    Q_OBJECT
private slots:
    void usageErrors_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("says");
        const QString lacks = u"lacks its argument"_s;
        QTest::newRow("nothing") << QStringList{} << u"\"zovictl\" "_s + lacks;
        QTest::newRow("unknown verb")
            << QStringList{u"erase"_s} << u"There is no verb or option \"erase\"."_s;
        QTest::newRow("unknown option") << QStringList{u"version"_s, u"--force"_s} << u"\"--force\"."_s;
        QTest::newRow("transfer without file")
            << QStringList{u"positions"_s, u"read"_s} << u"\"positions\" "_s + lacks;
        QTest::newRow("unknown transfer")
            << QStringList{u"params"_s, u"copy"_s, u"a.pmt"_s} << u"\"params\" "_s + lacks;
        QTest::newRow("move 4") << QStringList{u"move"_s, u"4"_s} << u"\"move\" "_s + lacks;
        QTest::newRow("move -1") << QStringList{u"move"_s, u"-1"_s} << u"\"-1\"."_s;
        QTest::newRow("mode") << QStringList{u"mode"_s, u"auto"_s} << u"\"mode\" "_s + lacks;
        QTest::newRow("COM 0") << QStringList{u"--port"_s, u"0"_s, u"version"_s} << u"\"--port\" "_s + lacks;
        QTest::newRow("COM 10") << QStringList{u"--port=10"_s, u"version"_s} << u"\"--port\" "_s + lacks;
        QTest::newRow("port without value")
            << QStringList{u"version"_s, u"--port"_s} << u"\"--port\" "_s + lacks;
        QTest::newRow("language") << QStringList{u"--lang"_s, u"de"_s, u"version"_s}
                                  << u"\"--lang\" "_s + lacks;
        QTest::newRow("word too many") << QStringList{u"version"_s, u"now"_s} << u"\"now\"."_s;
        QTest::newRow("reset elsewhere") << QStringList{u"version"_s, u"--reset"_s} << u"\"--reset\"."_s;
        QTest::newRow("Japanese") << QStringList{u"--lang"_s, u"ja"_s, u"erase"_s}
                                  << u"\"erase\" という動詞またはオプションはありません。"_s;
    }

    void usageErrors() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, says);
        const CliRun run = runCli(arguments);
        QCOMPARE(run.status, 2);
        QVERIFY2(run.err.contains(says), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    void help() {
        const CliRun all = runCli({u"--help"_s});
        QCOMPARE(all.status, 0);
        QVERIFY(all.out.startsWith(u"Usage: zovictl"_s));
        QVERIFY(all.out.contains(u"  restore DIR"_s));

        const CliRun move = runCli({u"move"_s, u"--help"_s, u"--lang"_s, u"en"_s});
        QCOMPARE(move.status, 0);
        QVERIFY(move.out.contains(u"  move 0..3"_s));
        QVERIFY(move.out.contains(u"  --yes"_s));
        QVERIFY(!move.out.contains(u"  positions"_s));
    }

    // Read into a file, write a changed file, verify it, change the controller, verify again.
    void positionsReadWriteVerify() {
        SimulatorProcess sim;
        QTemporaryDir dir;
        const QString read = dir.filePath(u"read.vqd"_s);
        const QStringList port{u"--port"_s, sim.path(), u"--yes"_s};

        CliRun run = runCli(QStringList{u"positions"_s, u"read"_s, read} + port);
        QCOMPARE(run.status, 0);
        QCOMPARE(contents(read), kFactoryPositions);

        const QString changed = dir.filePath(u"changed.vqd"_s);
        QVERIFY(writeFile(changed, QByteArray(kFactoryPositions).replace("\"10000\"", "\"12345\"")));
        run = runCli(QStringList{u"positions"_s, u"write"_s, changed, u"--json"_s} + port);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.json().value(0).value(u"message"_s).toString(), u"Completed data transmit."_s);
        QCOMPARE(run.json().value(0).value(u"file"_s).toString(), changed);

        run = runCli(QStringList{u"positions"_s, u"verify"_s, changed} + port);
        QCOMPARE(run.status, 0);
        QVERIFY2(run.err.contains(u"Result of Verification : OK"_s), qPrintable(run.err));

        QVERIFY(sim.command(u"position 152020003E8"_s).startsWith(u"ok"_s));
        run = runCli(QStringList{u"positions"_s, u"verify"_s, changed, u"--json"_s} + port);
        QCOMPARE(run.status, 3);
        QCOMPARE(run.json().value(0).value(u"result"_s).toString(), u"differs"_s);
        QVERIFY(run.err.contains(u"< Position No.1>"_s));
        QVERIFY(!run.err.contains(u"< Position No.2>"_s));
    }

    // Without --yes the write's confirmation is answered Cancel: nothing is written, and the run fails.
    void questionsDeclinedWithoutYes() {
        SimulatorProcess sim;
        QTemporaryDir dir;
        const QString file = dir.filePath(u"p.vqd"_s);
        QVERIFY(writeFile(file, QByteArray(kFactoryPositions).replace("\"4000\"", "\"6000\"")));
        CliRun run = runCli({u"positions"_s, u"write"_s, file, u"--port"_s, sim.path(), u"--json"_s});
        QCOMPARE(run.status, 1);
        QCOMPARE(run.json().value(0).value(u"result"_s).toString(), u"refused"_s);
        QVERIFY(run.err.contains(u"Data is transmitted to controller,Yes?\nAnswer: Cancel"_s));

        // The controller still holds its factory table; an existing file is not replaced unasked.
        const QString read = dir.filePath(u"read.vqd"_s);
        QVERIFY(writeFile(read, "keep"));
        run = runCli({u"positions"_s, u"read"_s, read, u"--port"_s, sim.path()});
        QCOMPARE(run.status, 1);
        QVERIFY(run.err.contains(u"Read the data from controller?\nAnswer: No"_s));
        QCOMPARE(contents(read), QByteArray("keep"));
        run = runCli({u"positions"_s, u"read"_s, read, u"--port"_s, sim.path(), u"--yes"_s});
        QCOMPARE(run.status, 0);
        QCOMPARE(contents(read), kFactoryPositions);
    }

    void silentController() {
        SilentTerminal terminal;
        QVERIFY(!terminal.path().isEmpty());
        QTemporaryDir dir;
        const QString log = dir.filePath(u"wire.txt"_s);
        const CliRun run = runCli({u"version"_s, u"--port"_s, terminal.path(), u"--json"_s, u"--log"_s, log});
        QCOMPARE(run.status, 1);
        // The port check went out and timed out: the log says so.
        QVERIFY2(contents(log).contains("\tTX\tTIMEOUT\t0CM1\\r\\n"), contents(log).constData());
        QVERIFY2(run.err.contains(u"Communication timeout error!"_s), qPrintable(run.err));
        const QJsonObject result = run.json().value(0);
        QCOMPARE(result.value(u"result"_s).toString(), u"failed"_s);
        QCOMPARE(result.value(u"port"_s).toString(), terminal.path());
    }

    void alarmAndReset() {
        SimulatorProcess sim;
        const QStringList port{u"--port"_s, sim.path(), u"--json"_s};
        QVERIFY(sim.command(u"emergency on"_s).startsWith(u"ok"_s));
        CliRun run = runCli(QStringList{u"alarm"_s} + port);
        QCOMPARE(run.status, 1);
        QVERIFY2(run.json().value(0).value(u"message"_s).toString().startsWith(u"Error No.0E "_s),
                 qPrintable(run.out));

        QVERIFY(sim.command(u"emergency off"_s).startsWith(u"ok"_s));
        run = runCli(QStringList{u"alarm"_s, u"--reset"_s} + port);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.json().value(0).value(u"verb"_s).toString(), u"alarm --reset"_s);
        run = runCli(QStringList{u"alarm"_s} + port);
        QCOMPARE(run.status, 0);
        QCOMPARE(run.json().value(0).value(u"message"_s).toString(), u"No Error"_s);
    }

    // Two controllers backed up at once, one folder each; then one's backup restored into the other.
    void backupAndRestoreTwoControllersInParallel() {
        SimulatorProcess first;
        SimulatorProcess second;
        QVERIFY(second.command(u"position 39302004650"_s).startsWith(u"ok"_s)); // position 3 at 90 mm
        QTemporaryDir dir;
        QTemporaryDir logs;
        CliRun run = runCli({u"backup"_s, dir.path(), u"--port"_s, first.path(), u"--port"_s, second.path(),
                             u"--yes"_s, u"--json"_s, u"--log="_s + logs.filePath(u"wire.txt"_s)});
        QCOMPARE(run.status, 0);
        // One log a controller, named by its port; the reply of position 3 differs between them.
        const QStringList logFiles = QDir(logs.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(logFiles.size(), 2);
        QByteArray bothLogs;
        for (const QString& name : logFiles) {
            QVERIFY(name.startsWith(u"wire-"_s) && name.endsWith(u".txt"_s));
            bothLogs += contents(logs.filePath(name));
        }
        QCOMPARE(bothLogs.count("\tRX\tOK\t0RP3"), 2);
        QVERIFY(bothLogs.contains("003E80\\r\\n") && bothLogs.contains("004650\\r\\n")); // 80 and 90 mm
        const QList<QJsonObject> results = run.json();
        QCOMPARE(results.size(), 2);
        QCOMPARE(results[0].value(u"port"_s).toString(), first.path());
        QCOMPARE(results[1].value(u"port"_s).toString(), second.path());
        const QString firstFolder = results[0].value(u"file"_s).toString();
        const QString secondFolder = results[1].value(u"file"_s).toString();
        QVERIFY(firstFolder != secondFolder);
        QCOMPARE(contents(firstFolder + u"/vqdata.vqd"_s), kFactoryPositions);
        QVERIFY(contents(secondFolder + u"/vqdata.vqd"_s).contains("\"9\",\"3\",\"18000\""));
        QVERIFY(contents(secondFolder + u"/Parameta.pmt"_s).startsWith("\"VQ-E1\",\"Parameter\"\r\n"));
        QVERIFY(contents(secondFolder + u"/device.txt"_s).startsWith("Model=VQ- 28L-100\r\n"));

        run = runCli({u"restore"_s, secondFolder, u"--port"_s, first.path(), u"--yes"_s}, 120000);
        QCOMPARE(run.status, 0);
        run =
            runCli({u"positions"_s, u"verify"_s, secondFolder + u"/vqdata.vqd"_s, u"--port"_s, first.path()});
        QCOMPARE(run.status, 0);
    }
};

QTEST_GUILESS_MAIN(TestZovictl)
#include "tst_zovictl.moc"
