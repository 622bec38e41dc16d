#include "DeviceFixture.h"
#include "device/CurrentDevice.h"
#include "device/DeviceChange.h"
#include "device/DeviceSelectionModel.h"
#include "link/CtCommands.h"

#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// A run with the shipped lists in its data folder and a current device set as the settings give it.
struct Selection : DeviceFixture {
    Selection() {
        for (const char* name : {"nvqdevice.lst", "vqdevice.lst", "jmdevice.lst"})
            ship(QString::fromLatin1(name));
    }
    void setDevice(bool vq, bool isNew, const char* size, const char* speed, int stroke,
                   bool vertical = true) {
        DeviceState& dev = t.ctx.device;
        dev.IsVqSeries = vq;
        dev.SeriesText = vq ? QStringLiteral("VQ") : QStringLiteral("JM");
        dev.IsNewType = isNew;
        dev.DevListKind = vq ? (isNew ? 0 : 1) : 2;
        dev.DevSize = QString::fromLatin1(size);
        dev.DevSpeed = QString::fromLatin1(speed);
        dev.DevStroke = qint16(stroke);
        dev.VerticalFlag = vertical;
    }
    QString boxes(const DeviceSelectionModel& m) const {
        return QStringLiteral("%1|%2|%3 / %4|%5|%6")
            .arg(m.sizes.join(QLatin1Char(',')), m.speeds.join(QLatin1Char(',')),
                 m.strokes.join(QLatin1Char(',')), m.size, m.speed, m.stroke);
    }
    RecordingDeviceView view;
};

CtDevice ctDevice(int kind, const char* size, const char* speed, int stroke, int lead, int ppr,
                  bool vertical) {
    CtDevice d;
    d.kind = kind;
    d.size = QString::fromLatin1(size);
    d.speed = QString::fromLatin1(speed);
    d.stroke = stroke;
    d.lead = lead;
    d.ppr = ppr;
    d.vertical = vertical;
    return d;
}

} // namespace

class TestDeviceSelection : public QObject {
    Q_OBJECT
private slots:
    void labels_data();
    void labels();
    void adoptTheControllersDevice_data();
    void adoptTheControllersDevice();
    void compareWithTheController_data();
    void compareWithTheController();
    void controllerDeviceCheck_data();
    void controllerDeviceCheck();
    void dialogShowsTheCurrentDevice_data();
    void dialogShowsTheCurrentDevice();
    void boxesRefillFromTheChosenSize();
    void seriesAndTypeReloadTheList();
    void unreadableListLeavesTheBoxes();
    void okSetsTheWorkingChoice_data();
    void okSetsTheWorkingChoice();
    void changeDeviceAppliesTheChoice();
    void changeDeviceToJm();
    void cancelledChangeKeepsTheDevice();
    void deviceNotInListKeepsTheDevice();
    void mmColumnFollowsTheDevice();
};

void TestDeviceSelection::labels_data() {
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<bool>("vType");
    QTest::addColumn<int>("stroke");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("shortForm");
    QTest::addColumn<QString>("fullForm");
    QTest::newRow("OLD V-type") << false << true << 50 << 1 << "VQ- 28L-50"
                                << "VQ- 28L-050V";
    QTest::newRow("OLD not V-type") << false << false << 50 << 1 << "VQ- 28L-50"
                                    << "VQ- 28L-050_";
    QTest::newRow("NEW V-type") << true << true << 100 << 1 << "VQ- 28L-100"
                                << "VQ- 28L-100";
    QTest::newRow("category 0") << false << true << 100 << 0 << "VQ- 28L-100"
                                << "VQ- 28L-100 ";
    QTest::newRow("category 2") << true << true << 100 << 2 << "VQ- 28L-100"
                                << "VQ- 28L-100 ";
    QTest::newRow("other category") << false << false << 100 << 99 << "VQ- 28L-100"
                                    << "VQ- 28L-100";
    QTest::newRow("stroke 5") << false << true << 5 << 0 << "VQ- 28L-5"
                              << "VQ- 28L-005 ";
    QTest::newRow("stroke 1000") << false << true << 1000 << 0 << "VQ- 28L-1000"
                                 << "VQ- 28L-X ";
}

void TestDeviceSelection::labels() {
    QFETCH(bool, isNew);
    QFETCH(bool, vType);
    QFETCH(int, stroke);
    QFETCH(int, category);
    QFETCH(QString, shortForm);
    QFETCH(QString, fullForm);
    DeviceState dev;
    dev.IsNewType = isNew;
    dev.VTypeFlag = vType;
    dev.DevStroke = qint16(stroke);
    QCOMPARE(deviceLabelShort(dev), shortForm);
    QCOMPARE(deviceLabelFull(dev, category), fullForm);
}

void TestDeviceSelection::adoptTheControllersDevice_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QString>("expected"); // series, type, list kind, vertical and V-type, VQ and OLD marks
    QTest::newRow("VQ NEW is vertical") << 0 << false << "VQ NEW 0 vertical vtype | vq new";
    QTest::newRow("VQ OLD vertical") << 1 << true << "VQ OLD 1 vertical vtype | vq old";
    QTest::newRow("VQ OLD pushing") << 1 << false << "VQ OLD 1 - - | vq old";
    QTest::newRow("JM is never vertical") << 2 << true << "JM OLD 2 - - | - old";
}

void TestDeviceSelection::adoptTheControllersDevice() {
    QFETCH(int, kind);
    QFETCH(bool, vertical);
    QFETCH(QString, expected);
    DeviceState dev;
    RecordingDeviceView view;
    adoptCtDevice(dev, ctDevice(kind, "E35", "L", 150, 8, 192, vertical), view);
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 | %6 %7")
                 .arg(dev.SeriesText, dev.NewOldText)
                 .arg(dev.DevListKind)
                 .arg(dev.VerticalFlag ? "vertical" : "-", dev.VTypeFlag ? "vtype" : "-",
                      view.vqMark ? "vq" : "-", view.oldMark ? "old" : "new"),
             expected);
    QCOMPARE(dev.IsVqSeries, kind != 2);
    QCOMPARE(dev.IsNewType, kind == 0);
    QCOMPARE(dev.DevSize, QStringLiteral("E35"));
    QCOMPARE(dev.DevSpeed, QStringLiteral("L"));
    QCOMPARE(dev.DevStroke, qint16(150));
    QCOMPARE(dev.DevLead, qint16(8));
    QCOMPARE(dev.DevPPR, qint16(192));
}

void TestDeviceSelection::compareWithTheController_data() {
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("result");
    QTest::newRow("same") << "" << 0;
    QTest::newRow("size") << "size" << 1;
    QTest::newRow("speed") << "speed" << 1;
    QTest::newRow("stroke") << "stroke" << 1;
    QTest::newRow("kind") << "kind" << 1;
    QTest::newRow("lead") << "lead" << 1;
    QTest::newRow("PPR") << "ppr" << 1;
    QTest::newRow("vertical") << "vertical" << 1;
}

void TestDeviceSelection::compareWithTheController() {
    QFETCH(QString, change);
    QFETCH(int, result);
    DeviceState dev;
    RecordingDeviceView view;
    CtDevice reply = ctDevice(1, " 35", "H", 300, 6, 400, true);
    adoptCtDevice(dev, reply, view);
    if (change == QLatin1String("size"))
        reply.size = QStringLiteral(" 28");
    else if (change == QLatin1String("speed"))
        reply.speed = QStringLiteral("L");
    else if (change == QLatin1String("stroke"))
        reply.stroke = 250;
    else if (change == QLatin1String("kind"))
        reply.kind = 0;
    else if (change == QLatin1String("lead"))
        reply.lead = 2;
    else if (change == QLatin1String("ppr"))
        reply.ppr = 192;
    else if (change == QLatin1String("vertical"))
        reply.vertical = false;
    QCOMPARE(compareCtDevice(dev, reply), result);
}

void TestDeviceSelection::controllerDeviceCheck_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("lead");
    QTest::addColumn<int>("ppr");
    QTest::addColumn<bool>("usable");
    QTest::newRow("default actuator") << " 28L-100" << 0 << 2 << 400 << true;
    QTest::newRow("stroke 10") << " 28L-010" << 0 << 2 << 400 << true;
    QTest::newRow("stroke 9") << " 28L-009" << 0 << 2 << 400 << false;
    QTest::newRow("stroke 701") << " 28L-701" << 0 << 2 << 400 << false;
    QTest::newRow("kind 3") << " 28L-100" << 3 << 2 << 400 << false;
    QTest::newRow("lead 0") << " 28L-100" << 1 << 0 << 400 << false;
    QTest::newRow("PPR 0") << " 28L-100" << 2 << 2 << 0 << false;
    QTest::newRow("speed not a letter") << " 28\x01-100" << 0 << 2 << 400 << false;
}

void TestDeviceSelection::controllerDeviceCheck() {
    QFETCH(QString, code);
    QFETCH(int, kind);
    QFETCH(int, lead);
    QFETCH(int, ppr);
    QFETCH(bool, usable);
    CtDevice reply = ctDevice(kind, "", "", code.mid(5).toInt(), lead, ppr, true);
    reply.size = code.left(3);
    reply.speed = code.mid(3, 1);
    QCOMPARE(ctDeviceUsable(reply), usable);
}

void TestDeviceSelection::dialogShowsTheCurrentDevice_data() {
    QTest::addColumn<bool>("vq");
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("speed");
    QTest::addColumn<int>("stroke");
    QTest::addColumn<QString>("shown"); // series, OLD box, homing method, type shown, homing shown, V-type
    QTest::addColumn<QString>("boxes");
    QTest::newRow("VQ NEW") << true << true << false << " 35"
                            << "H" << 150 << "0 new 0 type - vtype"
                            << " 20, 28, 35,E35, 42, 50|L,H|50,100,150,200,250,300 /  35|H|150";
    QTest::newRow("VQ OLD vertical") << true << false << true << "42D"
                                     << "H" << 400 << "0 old 1 type homing vtype"
                                     << " 28, 35, 42,42D, 50|L,H|100,200,300,400,500 / 42D|H|400";
    QTest::newRow("VQ OLD pushing") << true << false << false << " 28"
                                    << "L" << 50 << "0 old 0 type homing -"
                                    << " 28, 35, 42,42D, 50|L,H|50,100,150,200 /  28|L|50";
    QTest::newRow("JM") << false << false << false << " 35"
                        << "H" << 200 << "1 new 0 - - -"
                        << " 28, 35, 42|H|100,200,300,400 /  35|H|200";
    QTest::newRow("unlisted stroke takes the first") << false << false << false << " 35"
                                                     << "H" << 250 << "1 new 0 - - -"
                                                     << " 28, 35, 42|H|100,200,300,400 /  35|H|100";
    QTest::newRow("unlisted size takes the first of each")
        << true << true << true << " 99"
        << "H" << 150 << "0 new 0 type - vtype"
        << " 20, 28, 35,E35, 42, 50|L|10,25,50,75,100 /  20|L|10";
}

void TestDeviceSelection::dialogShowsTheCurrentDevice() {
    QFETCH(bool, vq);
    QFETCH(bool, isNew);
    QFETCH(bool, vertical);
    QFETCH(QString, size);
    QFETCH(QString, speed);
    QFETCH(int, stroke);
    QFETCH(QString, shown);
    QFETCH(QString, boxes);
    Selection f;
    f.setDevice(vq, isNew, qPrintable(size), qPrintable(speed), stroke, vertical);
    f.t.ctx.device.SeriesText = QStringLiteral("stale");
    DeviceSelectionModel m(f.t.ctx, f.catalogue);
    m.load();
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5 %6")
                 .arg(m.series)
                 .arg(m.oldChecked ? "old" : "new")
                 .arg(m.homeMethod)
                 .arg(m.typeVisible ? "type" : "-", m.homingVisible ? "homing" : "-",
                      f.t.ctx.device.VTypeFlag ? "vtype" : "-"),
             shown);
    QCOMPARE(f.boxes(m), boxes);
    QCOMPARE(f.t.ctx.device.SeriesText, vq ? QStringLiteral("VQ") : QStringLiteral("JM"));
    QCOMPARE(f.catalogue.DlgNewType, vq && isNew);
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestDeviceSelection::boxesRefillFromTheChosenSize() {
    Selection f;
    f.setDevice(true, true, " 28", "H", 200);
    DeviceSelectionModel m(f.t.ctx, f.catalogue);
    m.load();
    QCOMPARE(f.boxes(m), QStringLiteral(" 20, 28, 35,E35, 42, 50|L,H|50,100,150,200 /  28|H|200"));
    m.sizeChosen(QStringLiteral(" 42"));
    QCOMPARE(f.boxes(m), QStringLiteral(" 20, 28, 35,E35, 42, 50|L,H|100,200,300,400 /  42|H|200"));
    m.sizeChosen(QStringLiteral(" 50"));
    QCOMPARE(f.boxes(m), QStringLiteral(" 20, 28, 35,E35, 42, 50|H|100,200,300,400,500,600,700 /  50|H|200"));
    m.speedChosen(QStringLiteral("H"));
    m.strokeChosen(QStringLiteral("700"));
    m.sizeChosen(QStringLiteral(" 20"));
    QCOMPARE(f.boxes(m), QStringLiteral(" 20, 28, 35,E35, 42, 50|L|10,25,50,75,100 /  20|L|10"));
}

void TestDeviceSelection::seriesAndTypeReloadTheList() {
    Selection f;
    f.setDevice(true, true, " 28", "L", 100);
    DeviceSelectionModel m(f.t.ctx, f.catalogue);
    m.load();
    m.newOrOldClicked(true);
    QVERIFY(!f.catalogue.DlgNewType);
    QVERIFY(m.homingVisible);
    QCOMPARE(f.boxes(m), QStringLiteral(" 28, 35, 42,42D, 50|L,H|50,100,150,200 /  28|L|100"));
    m.seriesClicked(1);
    QCOMPARE(f.t.ctx.device.SeriesText, QStringLiteral("JM"));
    QVERIFY(!m.typeVisible && !m.homingVisible);
    QCOMPARE(f.boxes(m), QStringLiteral(" 28, 35, 42|L,H|50,100,150,200 /  28|L|100"));
    m.seriesClicked(0);
    QVERIFY(m.typeVisible && m.homingVisible);
    QVERIFY2(!f.catalogue.DlgNewType, "the OLD box is still checked");
    m.newOrOldClicked(false);
    QVERIFY(f.catalogue.DlgNewType);
    QVERIFY(!m.homingVisible);
    QCOMPARE(f.boxes(m), QStringLiteral(" 20, 28, 35,E35, 42, 50|L,H|50,100,150,200 /  28|L|100"));
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestDeviceSelection::unreadableListLeavesTheBoxes() {
    Selection f;
    QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("jmdevice.lst"))));
    f.setDevice(true, false, " 35", "L", 300, false);
    DeviceSelectionModel m(f.t.ctx, f.catalogue);
    m.load();
    const QString before = f.boxes(m);
    m.seriesClicked(1);
    QVERIFY(f.catalogue.DevListMissingFlag);
    QCOMPARE(f.t.op.messages.size(), 1);
    QVERIFY(f.t.op.lastText().startsWith(QStringLiteral("No device list file.")));
    QCOMPARE(f.boxes(m), before);
    m.seriesClicked(0);
    QVERIFY2(!f.catalogue.DevListMissingFlag, "cleared before each load");
    QCOMPARE(f.boxes(m), before);
}

void TestDeviceSelection::okSetsTheWorkingChoice_data() {
    QTest::addColumn<int>("series");
    QTest::addColumn<bool>("old");
    QTest::addColumn<int>("homing");
    QTest::addColumn<QString>("expected"); // WorkSeriesText, DlgNewType, VTypeFlag
    QTest::newRow("VQ NEW is a V-type") << 0 << false << 0 << "VQ new vtype";
    QTest::newRow("VQ OLD with the sensor") << 0 << true << 1 << "VQ old vtype";
    QTest::newRow("VQ OLD pushing") << 0 << true << 0 << "VQ old -";
    QTest::newRow("JM") << 1 << true << 0 << "JM old -";
}

void TestDeviceSelection::okSetsTheWorkingChoice() {
    QFETCH(int, series);
    QFETCH(bool, old);
    QFETCH(int, homing);
    QFETCH(QString, expected);
    Selection f;
    f.setDevice(true, true, " 28", "L", 100);
    DeviceSelectionModel m(f.t.ctx, f.catalogue);
    m.load();
    m.newOrOldClicked(old);
    m.seriesClicked(series);
    m.homeMethodClicked(homing);
    m.sizeChosen(QStringLiteral(" 28"));
    m.speedChosen(QStringLiteral("H"));
    m.strokeChosen(QStringLiteral("150"));
    m.ok();
    QVERIFY(m.done && !m.cancelled);
    QCOMPARE(QStringLiteral("%1 %2 %3")
                 .arg(f.catalogue.WorkSeriesText, f.catalogue.DlgNewType ? "new" : "old",
                      f.t.ctx.device.VTypeFlag ? "vtype" : "-"),
             expected);
    const DeviceState& dev = f.t.ctx.device;
    QCOMPARE(QStringLiteral("[%1] %2 %3").arg(dev.PrevDevSize, dev.PrevDevSpeed).arg(dev.PrevDevStroke),
             QStringLiteral("[ 28] H 150"));
    QCOMPARE(dev.DevStroke, qint16(100));
    QCOMPARE(f.catalogue.deviceTable().rows.constFirst().code,
             series == 1 ? QStringLiteral(" 28L-050")
                         : (old ? QStringLiteral(" 28L-050") : QStringLiteral(" 20L-010")));
}

void TestDeviceSelection::changeDeviceAppliesTheChoice() {
    Selection f;
    f.setDevice(true, true, " 28", "L", 100);
    f.t.ctx.device.DevLead = 2;
    f.t.ctx.device.DevPPR = 400;
    f.catalogue.DeviceNotFoundFlag = true; // left over from an earlier failed seek: not in the way
    RecordingMmColumn positions;
    positions.pulses = {{1, QStringLiteral("1600")}, {2, QStringLiteral("4800")}, {3, QString()}};
    DeviceChange change(f.t.ctx, f.catalogue, f.view);
    change.positions = &positions;
    const bool changed = change.run([&] {
        DeviceSelectionModel m(f.t.ctx, f.catalogue);
        m.load();
        m.newOrOldClicked(true);
        m.homeMethodClicked(1);
        m.sizeChosen(QStringLiteral("42D"));
        m.speedChosen(QStringLiteral("H"));
        m.strokeChosen(QStringLiteral("300"));
        m.ok();
        return m.cancelled;
    });
    QVERIFY(changed);
    const DeviceState& dev = f.t.ctx.device;
    QVERIFY(dev.IsVqSeries && !dev.IsNewType);
    QCOMPARE(dev.NewOldText, QStringLiteral("OLD"));
    QCOMPARE(dev.DevListKind, qint16(1));
    QVERIFY2(dev.VerticalFlag, "an OLD actuator homing on its sensor is vertical");
    QCOMPARE(QStringLiteral("[%1] %2 %3").arg(dev.DevSize, dev.DevSpeed).arg(dev.DevStroke),
             QStringLiteral("[42D] H 300"));
    QCOMPARE(dev.DevLead, qint16(12));
    QCOMPARE(dev.DevPPR, qint16(192));
    QCOMPARE(dev.DevMaxPulse, qint32(4800));
    QCOMPARE(dev.DevMaxMm, 300.0);
    QCOMPARE(f.t.settings.readText(QStringLiteral("DevSize"), {}), QStringLiteral("42D"));
    QCOMPARE(f.t.settings.readText(QStringLiteral("DevLead"), {}), QStringLiteral("12"));
    QCOMPARE(f.t.settings.readText(QStringLiteral("NewType"), {}), QStringLiteral("0"));
    QCOMPARE(f.t.settings.readText(QStringLiteral("Vertical"), {}), QStringLiteral("1"));
    QCOMPARE(f.view.label, QStringLiteral("VQ-42DH-300 "));
    QVERIFY(f.view.vqMark && f.view.oldMark);
    QCOMPARE(f.view.mmLine, QStringLiteral("1mm = 16Pulse"));
    QCOMPARE(f.view.pulseLine, QStringLiteral("1Pulse= 0.063mm"));
    QCOMPARE(positions.mm.value(1), QStringLiteral("100.000"));
    QCOMPARE(positions.mm.value(2), QStringLiteral("300.000"));
    QCOMPARE(positions.mm.value(3), QStringLiteral("  0.000"));
    QCOMPARE(f.view.changeEnabled, (QList<bool>{false, true}));
    QCOMPARE(f.view.repaints, 1);
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestDeviceSelection::changeDeviceToJm() {
    Selection f;
    f.setDevice(true, false, " 35", "H", 300, true);
    DeviceChange change(f.t.ctx, f.catalogue, f.view);
    QVERIFY(change.run([&] {
        DeviceSelectionModel m(f.t.ctx, f.catalogue);
        m.load();
        m.homeMethodClicked(1);
        m.seriesClicked(1);
        m.sizeChosen(QStringLiteral(" 42"));
        m.strokeChosen(QStringLiteral("600"));
        m.ok();
        return false;
    }));
    const DeviceState& dev = f.t.ctx.device;
    QVERIFY(!dev.IsVqSeries && !dev.IsNewType);
    QVERIFY2(!dev.VerticalFlag, "a JM actuator is never vertical");
    QCOMPARE(dev.DevListKind, qint16(2));
    QCOMPARE(dev.DevLead, qint16(12));
    QCOMPARE(f.t.settings.readText(QStringLiteral("Device"), {}), QStringLiteral("JM"));
    QCOMPARE(f.view.label, QStringLiteral("JM- 42H-600 "));
    QVERIFY(!f.view.vqMark);
}

void TestDeviceSelection::cancelledChangeKeepsTheDevice() {
    Selection f;
    f.setDevice(true, true, " 28", "L", 100);
    const DeviceState before = f.t.ctx.device;
    DeviceChange change(f.t.ctx, f.catalogue, f.view);
    QVERIFY(!change.run([&] {
        DeviceSelectionModel m(f.t.ctx, f.catalogue);
        m.load();
        m.seriesClicked(1);
        m.sizeChosen(QStringLiteral(" 42"));
        m.cancel();
        return m.cancelled;
    }));
    QCOMPARE(f.t.ctx.device.DevSize, before.DevSize);
    QCOMPARE(f.t.ctx.device.IsVqSeries, before.IsVqSeries);
    QCOMPARE(f.t.ctx.device.SeriesText, QStringLiteral("JM")); // the dialog's, until the caller sets it again
    QVERIFY(f.t.settings.values().isEmpty());
    QCOMPARE(f.view.changeEnabled, (QList<bool>{false, true}));
    QVERIFY(f.view.label.isEmpty());
}

void TestDeviceSelection::deviceNotInListKeepsTheDevice() {
    Selection f;
    f.setDevice(true, true, " 28", "L", 100);
    f.t.ctx.device.DevLead = 2;
    f.view.oldMark = false;
    DeviceChange change(f.t.ctx, f.catalogue, f.view);
    QVERIFY(!change.run([&] {
        DeviceSelectionModel m(f.t.ctx, f.catalogue);
        m.load();
        m.newOrOldClicked(true);
        m.strokeChosen(QStringLiteral("999"));
        m.ok();
        return false;
    }));
    QCOMPARE(f.texts(), QStringList{QStringLiteral(
                            "Type not selected.\r\n\r\nSelect type to indicate position with mm.")});
    const DeviceState& dev = f.t.ctx.device;
    QVERIFY(dev.IsNewType);
    QCOMPARE(dev.DevListKind, qint16(0));
    QCOMPARE(dev.DevStroke, qint16(100));
    QCOMPARE(dev.PrevDevStroke, qint16(999)); // the last choice stays the last choice
    QVERIFY2(!f.view.oldMark, "the marks show the kept device");
    QVERIFY(f.t.settings.values().isEmpty());
    QCOMPARE(f.view.changeEnabled, (QList<bool>{false, true}));
}

void TestDeviceSelection::mmColumnFollowsTheDevice() {
    DeviceState dev;
    dev.DevLead = 6;
    dev.DevPPR = 400;
    RecordingMmColumn positions;
    positions.pulses = {
        {1, QStringLiteral("6667")}, {2, QStringLiteral(" 3334 ")}, {3, QStringLiteral("66667")}};
    refreshMmColumn(dev, positions);
    QCOMPARE(positions.mm.value(1), QStringLiteral("100.005"));
    QCOMPARE(positions.mm.value(2), QStringLiteral(" 50.010"));
    QCOMPARE(positions.mm.value(3), QString()); // 1000.005 mm does not fit
    QCOMPARE(positions.calls, (QStringList{"begin", "end"}));
}

QTEST_GUILESS_MAIN(TestDeviceSelection)
#include "tst_device_selection.moc"
