#include "DeviceFixture.h"
#include "device/DeviceChange.h"
#include "device/DeviceSelectionModel.h"
#include "device/DeviceStartup.h"
#include "link/CtCommands.h"
#include "support/SimulatedLink.h"

#include <QDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// The start-up determination over the program's own serial stack against the simulator, with the
// shipped lists. Every window it asks for is recorded in `calls`; the device selection is confirmed as
// it opens.
struct Startup : SimulatedLink, StartupProgress {
    Startup() {
        hooks.askSelection = [this] {
            calls << QStringLiteral("question");
            return 0;
        };
        hooks.changeDevice = [this] {
            calls << QStringLiteral("selection");
            DeviceChange(t.ctx, catalogue, deviceView).run([this] {
                DeviceSelectionModel m(t.ctx, catalogue);
                m.load();
                m.ok();
                return false;
            });
        };
        hooks.parkFocus = [this] {
            calls << QStringLiteral("focus");
        };
        hooks.wait = [this](int ms) {
            calls << QStringLiteral("wait %1").arg(ms);
        };
    }
    void open(int maximum, const QString& text) override {
        calls << QStringLiteral("[%1 %2").arg(maximum).arg(text);
    }
    void step(int value) override { calls << QString::number(value); }
    void close() override { calls << QStringLiteral("]"); }

    int run() { return DeviceStartup(t.ctx, catalogue, link, commands, deviceView, *this, hooks).run(); }
    // Makes the controller describe another actuator, as a parameter write would.
    void writeBlock(const QByteArray& block, const QByteArray& digits) {
        QCOMPARE(link.OpenCommPort() + link.CheckCommPort(), 0);
        QCOMPARE(link.SendCtCommand("0WD", 23, block + digits), 0);
        link.CloseCommPort();
    }
    QString shown() const {
        return deviceView.label + QLatin1Char('|') + deviceView.mmLine + QLatin1Char('|') +
               deviceView.pulseLine;
    }

    DeviceCatalogue catalogue{t.ctx};
    RecordingDeviceView deviceView;
    CtCommands commands{link};
    DeviceStartupHooks hooks;
    QStringList calls;
};

const QString kReading = QStringLiteral("[4 Reading data from controller...");

} // namespace

class TestDeviceStartup : public QObject {
    Q_OBJECT
private slots:
    void readsTheControllersActuator_data() {
        QTest::addColumn<QByteArray>("blocks"); // blocks 14 and 13 written first; empty: the simulator's own
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("maxPulse");
        QTest::newRow("the simulator's actuator")
            << QByteArray() << "VQ- 28L-100|1mm = 200Pulse|1Pulse= 0.005mm" << 20000;
        QTest::newRow("a JM actuator") << QByteArray("2348012C02FFFFFF050A140101080190")
                                       << "JM- 35H-300|1mm = 50Pulse|1Pulse= 0.02mm" << 15000;
    }

    void readsTheControllersActuator() {
        QFETCH(QByteArray, blocks);
        QFETCH(QString, shown);
        QFETCH(int, maxPulse);
        Startup s;
        QVERIFY(!s.sim.path().isEmpty());
        if (!blocks.isEmpty()) {
            s.writeBlock("14", blocks.left(16));
            s.writeBlock("13", blocks.mid(16));
        }
        s.t.settings.writeText(QStringLiteral("Device"),
                               QStringLiteral("JM")); // replaced by the controller's
        QCOMPARE(s.run(), 0);
        QCOMPARE(s.calls, (QStringList{"question", kReading, "1", "2", "3", "4", "wait 1000", "focus", "]"}));
        QCOMPARE(s.shown(), shown);
        QCOMPARE(s.t.ctx.device.DevMaxPulse, qint32(maxPulse));
        QCOMPARE(s.catalogue.deviceTable().rows.constFirst().code.mid(1, 2),
                 s.t.ctx.device.IsVqSeries ? "20" : "28");
        QCOMPARE(s.t.settings.readText(QStringLiteral("Device"), {}) +
                     s.t.settings.readText(QStringLiteral("DevSize"), {}),
                 shown.left(2) + shown.mid(3, 3));
        QVERIFY2(s.t.op.messages.isEmpty(), qPrintable(s.t.op.lastText()));
        QVERIFY2(!s.port.isOpen(), "released after the read");
        QVERIFY(s.sim.command(QStringLiteral("status")).contains(QStringLiteral("mode=comm")));
    }

    // A data file beside the program that is missing or damaged is named at start-up, in the run's
    // language, after the message that says what it is for; the start goes on (here from the controller).
    void damagedDataFilesAreNamed_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("contents"); // null: the file is missing
        QTest::addColumn<int>("langNo");
        QTest::addColumn<int>("headline"); // 0: nothing is told
        QTest::newRow("all there") << "" << QByteArray() << 2 << 0;
        QTest::newRow("alarm list missing") << "error.lst" << QByteArray() << 1 << 477;
        QTest::newRow("device list missing") << "nvqdevice.lst" << QByteArray() << 1 << 551;
        QTest::newRow("device list binary") << "nvqdevice.lst" << QByteArray("\x01\xff\0", 3) << 2 << 551;
        QTest::newRow("parameter list cut short")
            << "nvqstdprm.lst" << QByteArray("3,0,\" 28L-100\",1") << 1 << 532;
    }
    void damagedDataFilesAreNamed() {
        QFETCH(QString, file);
        QFETCH(QByteArray, contents);
        QFETCH(int, langNo);
        QFETCH(int, headline);
        Startup s;
        QTemporaryDir dir;
        for (const QString name : {"error.lst", "nvqdevice.lst", "nvqstdprm.lst"})
            QVERIFY(QFile::copy(s.t.folder.file(name), dir.filePath(name)));
        QFile damaged(dir.filePath(file));
        if (!file.isEmpty())
            QVERIFY(contents.isNull() ? damaged.remove()
                                      : damaged.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                                            damaged.write(contents) == contents.size() && damaged.flush());
        s.t.ctx.setLanguage(qint16(langNo));
        s.t.ctx.folder = ProgramFolder(dir.path());
        s.alarms.Get_ErrorList();
        QCOMPARE(s.run(), 0);
        const QStringList told = s.t.op.texts();
        const QStringList naming = told.filter(QDir::toNativeSeparators(damaged.fileName()));
        QVERIFY2(headline ? !naming.isEmpty() && naming.constFirst().startsWith(s.t.ctx.msg(headline))
                          : told.isEmpty(),
                 qPrintable(told.join(QLatin1Char('|'))));
        QCOMPARE(s.alarms.ErrListMissingFlag, headline == 477);
    }

    void unusableActuatorFallsBackToOffline() {
        Startup s;
        s.writeBlock("14", "1C4C000500FFFFFF"); // stroke 5 mm
        QCOMPARE(s.run(), 1);
        QCOMPARE(s.t.op.texts(),
                 QStringList{"The controller describes an actuator that cannot be used ( 28L-005)."});
        QCOMPARE(s.calls, (QStringList{"question", kReading, "]", "selection", "focus"}));
        QCOMPARE(s.shown(),
                 QStringLiteral("VQ- 28L-100|1mm = 200Pulse|1Pulse= 0.005mm")); // the stored device
        QVERIFY(!s.port.isOpen());
    }
};

QTEST_GUILESS_MAIN(TestDeviceStartup)
#include "tst_device_startup.moc"
