#include "DeviceFixture.h"
#include "device/Conversion.h"
#include "link/CtCommands.h"
#include "model/ParameterBlocks.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

QByteArray deviceRecord(const QByteArray& code, int lead = 2, int ppr = 400, int category = 1) {
    return '"' + code + "\"," + QByteArray::number(lead) + ',' + QByteArray::number(ppr) + ",30," +
           QByteArray::number(category) + '\n';
}

// N records of distinct strokes of one size.
QByteArray records(int count, const QByteArray& size = " 28") {
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += deviceRecord(size + 'L' + '-' + QByteArray::number(i).rightJustified(3, '0'));
    return text;
}

const QByteArray kTwoRecords = "2\n" + deviceRecord(" 28L-100") + deviceRecord(" 35H-050", 6, 400, 0);

QByteArray stdPrmRecord(const QByteArray& code, int strokePulse) {
    return '"' + code + "\"," + QByteArray::number(strokePulse) +
           ",0,20,1,4,5,10,15,20,25,30,40,50,60,5,10,20,2,400,1,0\n";
}

// Lower and upper bound and longest decimal text of parameters 1 to 24 that a standard row must meet;
// 18, 21 and 22 are set from the series and the model code.
struct Acceptance {
    int number;
    double low, high;
    int length;
};
const Acceptance kAcceptance[] = {
    {1, 0, 16777215, 8}, {2, 0, 700, 5}, {3, 0, 255, 3}, {4, 0, 255, 3}, {5, 0, 255, 3}, {6, 1, 60, 3},
    {7, 1, 60, 3},       {8, 1, 60, 3},  {9, 1, 60, 3},  {10, 1, 60, 3}, {11, 1, 60, 3}, {12, 1, 60, 3},
    {13, 1, 60, 3},      {14, 1, 60, 3}, {15, 1, 30, 2}, {16, 1, 30, 2}, {17, 1, 30, 2}, {19, 1, 255, 3},
    {20, 1, 9999, 4},    {23, 0, 1, 1},  {24, 0, 1, 1},
};

} // namespace

class TestDeviceLists : public QObject {
    Q_OBJECT
private slots:
    void deviceListFile_data();
    void deviceListFile();
    void stdPrmFile_data();
    void stdPrmFile();
    void modelCode_data();
    void modelCode();
    void loaderChoosesTheFileAndTellsFaults_data();
    void loaderChoosesTheFileAndTellsFaults();
    void faultMessageInJapanese();
    void lookupsReadTheirFile();
    void seekLeadAndPpr();
    void standardParametersLoadWithDerivedSlots();
    void shippedListsDescribeTheProductRange();
    void shippedStandardRowsFitTheirDevices();
    void leadNotesAgreeWithTheLists();
    void simulatorActuatorIsAListedDevice();
};

void TestDeviceLists::deviceListFile_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("sizes");
    const auto fault = [](ListFault f) {
        return int(f);
    };
    QTest::newRow("good") << kTwoRecords << fault(ListFault::None) << 2 << QStringList{" 28", " 35"};
    QTest::newRow("CR LF") << QByteArray(kTwoRecords).replace("\n", "\r\n") << fault(ListFault::None) << 2
                           << QStringList{" 28", " 35"};
    QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + kTwoRecords << fault(ListFault::None) << 2
                                     << QStringList{" 28", " 35"};
    QTest::newRow("blank lines") << "\n2\n\n" + deviceRecord(" 28L-100") + "\n\n" + deviceRecord(" 28H-100")
                                 << fault(ListFault::None) << 2 << QStringList{" 28"};
    QTest::newRow("one line") << QByteArray("1,\" 28L-100\",2,400,30,1") << fault(ListFault::None) << 1
                              << QStringList{" 28"};
    QTest::newRow("no records") << QByteArray("0\n") << fault(ListFault::None) << 0 << QStringList{};
    QTest::newRow("99 records") << "99\n" + records(99) << fault(ListFault::None) << 99 << QStringList{" 28"};
    QTest::newRow("six sizes") << "6\n" + records(1, " 20") + records(1, " 28") + records(1, " 35") +
                                      records(1, " 42") + records(1, " 50") + records(1, "42D")
                               << fault(ListFault::None) << 6
                               << QStringList{" 20", " 28", " 35", " 42", " 50", "42D"};
    QTest::newRow("empty") << QByteArray() << fault(ListFault::Empty) << 0 << QStringList{};
    QTest::newRow("blank lines only")
        << QByteArray("\r\n\r\n") << fault(ListFault::Empty) << 0 << QStringList{};
    QTest::newRow("count not a number")
        << "two\n" + records(2) << fault(ListFault::BadCount) << 0 << QStringList{};
    QTest::newRow("count not whole") << "1.5\n" + records(2) << fault(ListFault::BadCount) << 0
                                     << QStringList{};
    QTest::newRow("negative count") << QByteArray("-1\n") << fault(ListFault::BadCount) << 0 << QStringList{};
    QTest::newRow("100 records") << "100\n" + records(100) << fault(ListFault::TooManyRecords) << 0
                                 << QStringList{};
    QTest::newRow("count beyond the records")
        << "3\n" + records(2) << fault(ListFault::Truncated) << 2 << QStringList{" 28"};
    QTest::newRow("cut inside a record") << "2\n" + records(1) + "\" 28L-002\",2,400"
                                         << fault(ListFault::Truncated) << 1 << QStringList{" 28"};
    QTest::newRow("seventh size") << "7\n" + records(1, " 20") + records(1, " 28") + records(1, " 35") +
                                         records(1, " 42") + records(1, " 50") + records(1, "42D") +
                                         records(1, "E35")
                                  << fault(ListFault::TooManySizes) << 7
                                  << QStringList{" 20", " 28", " 35", " 42", " 50", "42D"};
    QTest::newRow("code without its blank") << "2\n" + records(1) + deviceRecord("28L-100")
                                            << fault(ListFault::BadRecord) << 1 << QStringList{" 28"};
    QTest::newRow("lead not a number")
        << QByteArray("1\n\" 28L-100\",two,400,30,1\n") << fault(ListFault::BadRecord) << 0 << QStringList{};
    QTest::newRow("lead 0") << "1\n" + deviceRecord(" 28L-100", 0) << fault(ListFault::BadRecord) << 0
                            << QStringList{};
    QTest::newRow("PPR 0") << "1\n" + deviceRecord(" 28L-100", 2, 0) << fault(ListFault::BadRecord) << 0
                           << QStringList{};
    QTest::newRow("stroke not digits")
        << "1\n" + deviceRecord(" 28L-1x0") << fault(ListFault::BadRecord) << 0 << QStringList{};
    QTest::newRow("a foreign file") << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)
                                    << fault(ListFault::BadCount) << 0 << QStringList{};
}

void TestDeviceLists::deviceListFile() {
    QFETCH(QByteArray, contents);
    QFETCH(int, fault);
    QFETCH(int, rows);
    QFETCH(QStringList, sizes);
    DeviceFixture f;
    f.write(QStringLiteral("list.lst"), contents);
    const DeviceList list = readDeviceList(f.dir.filePath(QStringLiteral("list.lst")));
    QCOMPARE(int(list.problem.fault), fault);
    QCOMPARE(int(list.rows.size()), rows);
    QCOMPARE(list.sizes, sizes);
    if (list.ok() && rows == 2 && sizes.size() == 2) {
        const DeviceRecord& second = list.rows[1];
        QCOMPARE(second.code, QStringLiteral(" 35H-050"));
        QCOMPARE(second.size, QStringLiteral(" 35"));
        QCOMPARE(second.speed, QStringLiteral("H"));
        QCOMPARE(second.stroke, 50);
        QCOMPARE(second.lead, qint16(6));
        QCOMPARE(second.ppr, qint16(400));
        QCOMPARE(second.spare, 30.0);
        QCOMPARE(second.category, 0);
    }
}

void TestDeviceLists::stdPrmFile_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("fault");
    QTest::addColumn<int>("rows");
    const QByteArray two = stdPrmRecord(" 28L-100", 20000) + stdPrmRecord(" 28H-050", 3334);
    QTest::newRow("good") << "2,\"header\"\n" + two << int(ListFault::None) << 2;
    QTest::newRow("CR LF and a byte-order mark")
        << "\xEF\xBB\xBF" + QByteArray("2,7\n" + two).replace("\n", "\r\n") << int(ListFault::None) << 2;
    QTest::newRow("no header") << QByteArray("2") << int(ListFault::Truncated) << 0;
    QTest::newRow("count beyond the records") << "3,0\n" + two << int(ListFault::Truncated) << 2;
    QTest::newRow("text in a value") << "1,0\n" +
                                            QByteArray(stdPrmRecord(" 28L-100", 1)).replace(",5,", ",x,")
                                     << int(ListFault::BadRecord) << 0;
    QTest::newRow("100 records") << "100,0\n" + two << int(ListFault::TooManyRecords) << 0;
    QTest::newRow("count not a number") << "N,0\n" + two << int(ListFault::BadCount) << 0;
}

void TestDeviceLists::stdPrmFile() {
    QFETCH(QByteArray, contents);
    QFETCH(int, fault);
    QFETCH(int, rows);
    DeviceFixture f;
    f.write(QStringLiteral("std.lst"), contents);
    const StdPrmList list = readStdPrmList(f.dir.filePath(QStringLiteral("std.lst")), 1, true);
    QCOMPARE(int(list.problem.fault), fault);
    QCOMPARE(int(list.rows.size()), rows);
    if (rows == 2) {
        const StdPrmRow& row = list.rows[1];
        QCOMPARE(row.slot[22].toString(), QStringLiteral(" 28H-050"));
        QCOMPARE(row.slot[1].toDouble(), 3334.0);
        QCOMPARE(row.slot[17].toDouble(), 20.0);
        QCOMPARE(row.slot[19].toDouble(), 2.0);
        QCOMPARE(row.slot[20].toDouble(), 400.0);
        QCOMPARE(row.slot[23].toDouble(), 1.0);
        QCOMPARE(row.slot[24].toDouble(), 0.0);
        QCOMPARE(row.slot[21].toInt(), 1);
        QCOMPARE(row.slot[18].toInt(), 1);
        QVERIFY(row.matches(QStringLiteral(" 28"), QStringLiteral("H"), 50));
        QVERIFY(!row.matches(QStringLiteral(" 28"), QStringLiteral("L"), 50));
    }
}

void TestDeviceLists::modelCode_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("parts");
    QTest::newRow("two-digit size") << " 28L-100"
                                    << "[ 28] L 100";
    QTest::newRow("size with a letter") << "42DH-500"
                                        << "[42D] H 500";
    QTest::newRow("stroke 050 is 50") << "E35L-050"
                                      << "[E35] L 50";
    QTest::newRow("seven characters") << "28L-100"
                                      << "none";
    QTest::newRow("no dash") << " 28L_100"
                             << "none";
    QTest::newRow("lower-case speed") << " 28l-100"
                                      << "none";
}

void TestDeviceLists::modelCode() {
    QFETCH(QString, code);
    QFETCH(QString, parts);
    const auto parsed = parseModelCode(code);
    QCOMPARE(parsed ? QStringLiteral("[%1] %2 %3").arg(parsed->size, parsed->speed).arg(parsed->stroke)
                    : QStringLiteral("none"),
             parts);
}

void TestDeviceLists::loaderChoosesTheFileAndTellsFaults_data() {
    QTest::addColumn<QString>("series");
    QTest::addColumn<bool>("isNew");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("tail"); // after "No device list file." and the hint; "-" when read
    QTest::newRow("VQ NEW") << "VQ" << true << 0 << "nvqdevice.lst" << kTwoRecords << "-";
    QTest::newRow("VQ OLD") << "VQ" << false << 0 << "vqdevice.lst" << kTwoRecords << "-";
    QTest::newRow("JM whatever the type") << "JM" << true << 0 << "jmdevice.lst" << kTwoRecords << "-";
    QTest::newRow("dialog's type") << "VQ" << true << 1 << "nvqdevice.lst" << kTwoRecords << "-";
    QTest::newRow("missing") << "VQ" << true << 0 << "" << QByteArray() << "";
    QTest::newRow("empty") << "VQ" << true << 0 << "nvqdevice.lst" << QByteArray() << "The file is empty.";
    QTest::newRow("non-numeric count") << "JM" << true << 0 << "jmdevice.lst" << QByteArray("x\n")
                                       << "The record count at its start is not a whole number of 0 or more.";
    QTest::newRow("100 records") << "VQ" << false << 0 << "vqdevice.lst"
                                 << "100\n" + records(100) << "It has more than 99 records.";
    QTest::newRow("truncated") << "VQ" << true << 0 << "nvqdevice.lst"
                               << "5\n" + records(3) << "It announces 5 records but holds only 3.";
    QTest::newRow("a folder in its place")
        << "VQ" << false << 1 << "vqdevice.lst/" << QByteArray() << "The file cannot be read.";
    QTest::newRow("bad record") << "VQ" << true << 0 << "nvqdevice.lst"
                                << "2\n" + records(1) +
                                       deviceRecord(" 28L-002", 2, 400).replace(",400,", ",4x0,")
                                << "Record 2 is not in the expected form.";
}

void TestDeviceLists::loaderChoosesTheFileAndTellsFaults() {
    QFETCH(QString, series);
    QFETCH(bool, isNew);
    QFETCH(int, mode);
    QFETCH(QString, file);
    QFETCH(QByteArray, contents);
    QFETCH(QString, tail);
    DeviceFixture f;
    if (file.endsWith(QLatin1Char('/'))) {
        file.chop(1);
        QVERIFY(QDir(f.dir.path()).mkdir(file));
    } else if (!file.isEmpty()) {
        f.write(file, contents);
    }
    f.t.ctx.device.SeriesText = series;
    // Mode 1 takes the dialog's type, which is here the other one than the current device's.
    f.t.ctx.device.IsNewType = mode == 0 ? isNew : !isNew;
    f.catalogue.DlgNewType = mode == 1 ? isNew : !isNew;
    const int result = f.catalogue.loadDeviceList(mode);
    if (tail == QLatin1String("-")) {
        QCOMPARE(result, 0);
        QVERIFY(f.t.op.messages.isEmpty());
        QVERIFY(!f.catalogue.DevListMissingFlag);
        QCOMPARE(f.catalogue.deviceTable().rows.size(), 2);
        return;
    }
    QCOMPARE(result, 1);
    QVERIFY(f.catalogue.DevListMissingFlag);
    QCOMPARE(f.t.op.messages.size(), 1);
    const QString head = QStringLiteral("No device list file.\r\n\r\nPut device list file in the folder in "
                                        "which the program is saved in order "
                                        "to indicate device information correctly.");
    const QString named = QStringLiteral("The list file \"%1\" cannot be used. ")
                              .arg(QDir::toNativeSeparators(f.dir.filePath(file)));
    QCOMPARE(f.t.op.lastText(), tail.isEmpty() ? head : head + QStringLiteral("\r\n\r\n") + named + tail);
}

void TestDeviceLists::faultMessageInJapanese() {
    DeviceFixture f(1);
    f.write(QStringLiteral("jmdevice.lst"), "4\n" + records(1));
    f.t.ctx.device.SeriesText = QStringLiteral("JM");
    QCOMPARE(f.catalogue.loadDeviceList(0), 1);
    QCOMPARE(f.t.op.lastText(),
             QStringLiteral(
                 "機種のリストファイルがありません。\r\n\r\n機種情報を正しく表示するため、プログラムを保存"
                 "したフォルダに機種のリストファイルを置いてください。\r\n\r\nﾘｽﾄﾌｧｲﾙ \"%1\" は使用できま"
                 "せん。 ﾚｺｰﾄﾞ数は 4 ですが、1 件しかありません。")
                 .arg(QDir::toNativeSeparators(f.dir.filePath(QStringLiteral("jmdevice.lst")))));
}

void TestDeviceLists::lookupsReadTheirFile() {
    DeviceFixture f;
    f.write(QStringLiteral("vqdevice.lst"), "3\n" + deviceRecord(" 28L-050", 2, 400, 1) +
                                                deviceRecord(" 28L-050", 6, 400, 2) +
                                                deviceRecord("42DH-100", 12, 192, 0));
    const QString vq = QStringLiteral("VQ");
    // The first of two equal records wins; "050" matches 50.
    QCOMPARE(f.catalogue.lookupLead(vq, false, QStringLiteral(" 28"), QStringLiteral("L"), 50), qint16(2));
    QCOMPARE(f.catalogue.modelCategory(vq, false, QStringLiteral(" 28"), QStringLiteral("L"), 50), 1);
    QCOMPARE(f.catalogue.lookupLead(vq, false, QStringLiteral("42D"), QStringLiteral("H"), 100), qint16(12));
    QCOMPARE(f.catalogue.lookupLead(vq, false, QStringLiteral(" 28"), QStringLiteral("L"), 100), qint16(0));
    QCOMPARE(f.catalogue.modelCategory(vq, false, QStringLiteral(" 28"), QStringLiteral("L"), 100), 0);
    QCOMPARE(f.catalogue.devicePresent(vq, false, QStringLiteral("42D"), QStringLiteral("H"), 100), 0);
    QCOMPARE(f.catalogue.devicePresent(vq, false, QStringLiteral("42D"), QStringLiteral("L"), 100), 1);
    QCOMPARE(f.catalogue.sizePresent(vq, false, QStringLiteral("42D")), 0);
    QCOMPARE(f.catalogue.sizePresent(vq, false, QStringLiteral(" 42")), 1);
    QCOMPARE(f.catalogue.checkListReadable(vq, false), 0);
    QVERIFY(f.t.op.messages.isEmpty());

    // The NEW list is missing: the lead and the readability say so, the others only fail.
    QCOMPARE(f.catalogue.devicePresent(vq, true, QStringLiteral(" 28"), QStringLiteral("L"), 50), 1);
    QCOMPARE(f.catalogue.sizePresent(vq, true, QStringLiteral(" 28")), 1);
    QCOMPARE(f.catalogue.modelCategory(vq, true, QStringLiteral(" 28"), QStringLiteral("L"), 50), 0);
    QVERIFY(f.t.op.messages.isEmpty());
    QCOMPARE(f.catalogue.lookupLead(vq, true, QStringLiteral(" 28"), QStringLiteral("L"), 50), qint16(0));
    QCOMPARE(f.catalogue.checkListReadable(vq, true), 1);
    QCOMPARE(f.t.op.messages.size(), 2);
    QVERIFY(f.t.op.lastText().startsWith(QStringLiteral("No device list file.")));
    QVERIFY2(f.catalogue.deviceTable().rows.isEmpty(), "look-ups do not touch the loaded table");
}

void TestDeviceLists::seekLeadAndPpr() {
    DeviceFixture f;
    f.write(QStringLiteral("vqdevice.lst"),
            "2\n" + deviceRecord(" 28L-100", 2, 400) + deviceRecord("42DL-200", 4, 192));
    DeviceState& dev = f.t.ctx.device;
    dev.IsNewType = false;
    QCOMPARE(f.catalogue.loadDeviceList(0), 0);
    dev.PrevDevSize = QStringLiteral("42D");
    dev.PrevDevSpeed = QStringLiteral("L");
    dev.PrevDevStroke = 200;
    f.catalogue.DeviceNotFoundFlag = true;
    f.catalogue.seekLeadAndPpr();
    QVERIFY(!f.catalogue.DeviceNotFoundFlag);
    QCOMPARE(dev.DevLead, qint16(4));
    QCOMPARE(dev.DevPPR, qint16(192));

    dev.PrevDevStroke = 300;
    f.catalogue.seekLeadAndPpr();
    QVERIFY(f.catalogue.DeviceNotFoundFlag);
    QCOMPARE(f.t.op.lastText(), QStringLiteral("Fail to find device information..."));
    QCOMPARE(dev.DevLead, qint16(4));
    QCOMPARE(dev.DevPPR, qint16(192));
}

void TestDeviceLists::standardParametersLoadWithDerivedSlots() {
    DeviceFixture f;
    for (const char* name : {"nvqstdprm.lst", "vqstdprm.lst", "jmstdprm.lst"})
        f.ship(QString::fromLatin1(name));
    struct Case {
        const char* series;
        bool isNew;
        bool vertical;
        int kind;
        int verticalSlot;
    };
    for (const Case& c : {Case{"VQ", true, true, 0, 1}, Case{"VQ", false, false, 1, 0},
                          Case{"VQ", false, true, 1, 1}, Case{"JM", false, true, 2, 0}}) {
        f.catalogue.WorkSeriesText = QString::fromLatin1(c.series);
        f.catalogue.DlgNewType = c.isNew;
        QCOMPARE(f.catalogue.loadStdPrmList(c.vertical), 0);
        QVERIFY(!f.catalogue.StdPrmMissingFlag);
        const StdPrmRow& row = f.catalogue.stdPrmTable().rows.constFirst();
        QCOMPARE(row.slot[21].toInt(), c.kind);
        QCOMPARE(row.slot[18].toInt(), c.verticalSlot);
    }
    QVERIFY(QFile::remove(f.dir.filePath(QStringLiteral("jmstdprm.lst"))));
    QCOMPARE(f.catalogue.loadStdPrmList(false), 1);
    QVERIFY(f.catalogue.StdPrmMissingFlag);
    QVERIFY2(f.t.op.messages.isEmpty(), "the caller tells the operator");
    QCOMPARE(int(f.catalogue.stdPrmTable().problem.fault), int(ListFault::Missing));
}

void TestDeviceLists::shippedListsDescribeTheProductRange() {
    TestContext t;
    const QList<int> leads{2, 4, 6, 8, 12};
    struct Expect {
        const char* file;
        QList<int> categories;
    };
    int total = 0;
    for (const Expect& e :
         {Expect{"nvqdevice.lst", {1, 2}}, Expect{"vqdevice.lst", {0, 1, 2}}, Expect{"jmdevice.lst", {0}}}) {
        const DeviceList list = readDeviceList(t.folder.file(QString::fromLatin1(e.file)));
        QVERIFY2(list.ok(), e.file);
        QVERIFY(list.rows.size() <= kMaxListRecords);
        for (const DeviceRecord& row : list.rows) {
            const QString where = QStringLiteral("%1 %2").arg(QString::fromLatin1(e.file), row.code);
            QVERIFY2(leads.contains(row.lead), qPrintable(where));
            QVERIFY2(row.ppr == (row.size == QLatin1String("42D") ? 192 : 400), qPrintable(where));
            QVERIFY2(row.stroke >= 10 && row.stroke <= 700, qPrintable(where));
            QVERIFY2(e.categories.contains(row.category), qPrintable(where));
            QVERIFY2(list.find(row.size, row.speed, row.stroke) == &row,
                     qPrintable(where + " is listed twice"));
        }
        total += int(list.rows.size());
    }
    QVERIFY(total > 50);
}

void TestDeviceLists::shippedStandardRowsFitTheirDevices() {
    TestContext t;
    for (const char* name : {"nvq", "vq", "jm"}) {
        const QString prefix = QString::fromLatin1(name);
        const DeviceList devices = readDeviceList(t.folder.file(prefix + QStringLiteral("device.lst")));
        const StdPrmList std = readStdPrmList(t.folder.file(prefix + QStringLiteral("stdprm.lst")), 0, false);
        QVERIFY(devices.ok() && std.ok());
        QCOMPARE(std.rows.size(), devices.rows.size());
        for (const DeviceRecord& device : devices.rows) {
            const auto row = std::find_if(std.rows.begin(), std.rows.end(), [&](const StdPrmRow& r) {
                return r.matches(device.size, device.speed, device.stroke);
            });
            QVERIFY2(row != std.rows.end(), qPrintable(prefix + device.code));
            QCOMPARE(row->slot[22].toString(), device.code);
            QCOMPARE(row->slot[1].toDouble(),
                     double(conv::devMaxPulse(device.stroke, device.lead, device.ppr)));
            QCOMPARE(row->slot[19].toInt(), int(device.lead));
            QCOMPARE(row->slot[20].toInt(), int(device.ppr));
            for (const Acceptance& a : kAcceptance) {
                const double value = row->slot[a.number].toDouble();
                const QString where =
                    QStringLiteral("%1 %2 parameter %3").arg(prefix, device.code).arg(a.number);
                QVERIFY2(value >= a.low && value <= a.high, qPrintable(where));
                QVERIFY2(QString::number(value).size() <= a.length, qPrintable(where));
            }
            // The window's own checks are narrower for the homing speeds.
            QVERIFY(row->slot[4].toInt() >= 1 && row->slot[4].toInt() <= 16);
            QVERIFY(row->slot[5].toInt() >= 1 && row->slot[5].toInt() <= 16);
        }
    }
}

void TestDeviceLists::leadNotesAgreeWithTheLists() {
    TestContext t;
    const QHash<QString, DeviceList> lists{
        {QStringLiteral("VQ"), readDeviceList(t.folder.file(QStringLiteral("nvqdevice.lst")))},
        {QStringLiteral("VQ OLD"), readDeviceList(t.folder.file(QStringLiteral("vqdevice.lst")))},
        {QStringLiteral("JM"), readDeviceList(t.folder.file(QStringLiteral("jmdevice.lst")))},
    };
    // "VQ-35H, VQ-28H, JM-28H ===>> LEAD 6mm": every listed model of those names has that lead.
    const QRegularExpression note(QStringLiteral("^(.*) ===>> LEAD (\\d+)mm$"));
    for (int id : {125, 126, 127, 910}) {
        const auto match = note.match(t.ctx.texts.english(id));
        QVERIFY2(match.hasMatch(), qPrintable(QString::number(id)));
        const int lead = match.captured(2).toInt();
        for (const QString& model : match.captured(1).split(QStringLiteral(", "))) {
            const QString series = model.left(2);
            const QString size = model.mid(3, 2).rightJustified(3, QLatin1Char(' '));
            const QString speed = model.mid(5, 1);
            int found = 0;
            for (auto it = lists.begin(); it != lists.end(); ++it) {
                if (!it.key().startsWith(series))
                    continue;
                for (const DeviceRecord& row : it.value().rows) {
                    if (row.size == size && row.speed == speed) {
                        QVERIFY2(row.lead == lead, qPrintable(model + " " + row.code));
                        ++found;
                    }
                }
            }
            QVERIFY2(found > 0, qPrintable(model + " is not in any list"));
        }
    }
}

void TestDeviceLists::simulatorActuatorIsAListedDevice() {
    TestContext t;
    const ctsim::ParameterBlocks blocks = ctsim::ParameterBlocks::factory();
    const CtDevice device = decodeCtDevice(*blocks.read("14"), *blocks.read("13"), *blocks.read("11"));
    QCOMPARE(device.kind, 0);
    const DeviceList list = readDeviceList(t.folder.file(deviceListFileName(QStringLiteral("VQ"), true)));
    const DeviceRecord* row = list.find(device.size, device.speed, device.stroke);
    QVERIFY2(row, qPrintable(device.modelCode()));
    QCOMPARE(row->code, QStringLiteral(" 28L-100"));
    QCOMPARE(int(row->lead), device.lead);
    QCOMPARE(int(row->ppr), device.ppr);
    QVERIFY2(device.vertical, "a VQ NEW actuator homes on its sensor");
    QCOMPARE(qint64(blocks.strokePulse()), conv::devMaxPulse(row->stroke, row->lead, row->ppr));

    const StdPrmList std = readStdPrmList(t.folder.file(QStringLiteral("nvqstdprm.lst")), 0, true);
    const auto standard = std::find_if(std.rows.begin(), std.rows.end(), [&](const StdPrmRow& r) {
        return r.matches(row->size, row->speed, row->stroke);
    });
    QVERIFY(standard != std.rows.end());
    QCOMPARE(standard->slot[1].toUInt(), blocks.strokePulse());
}

QTEST_GUILESS_MAIN(TestDeviceLists)
#include "tst_device_lists.moc"
