#include "DeviceFixture.h"
#include "device/Conversion.h"
#include "link/CtCommands.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

QByteArray record(const QByteArray& code, int lead = 2, int ppr = 400) {
    return '"' + code + "\"," + QByteArray::number(lead) + ',' + QByteArray::number(ppr) + ",30,1\n";
}

// `count` records: distinct strokes of one size, or one record of each of the first `count` sizes.
QByteArray strokes(int count) {
    QByteArray text;
    for (int i = 1; i <= count; ++i)
        text += record(" 28L-" + QByteArray::number(i).rightJustified(3, '0'));
    return text;
}
QByteArray sizes(int count) {
    const char* const all[] = {" 20", " 28", " 35", " 42", " 50", "42D", "E35"};
    QByteArray text;
    for (int i = 0; i < count; ++i)
        text += record(QByteArray(all[i]) + "L-100");
    return text;
}

const QString kNoList =
    QStringLiteral("No device list file.\r\n\r\nPut device list file in the folder in which "
                   "the program is saved in order to indicate device information correctly.");

} // namespace

class TestDeviceLists : public QObject {
    Q_OBJECT
private slots:
    void deviceListFile_data() {
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("sizes");
        const QByteArray two = "2\n" + record(" 28L-100") + record("42DH-050", 12, 192);
        using F = ListFault;
        QTest::newRow("good") << two << int(F::None) << 2 << " 28,42D";
        QTest::newRow("CR LF") << QByteArray(two).replace("\n", "\r\n") << int(F::None) << 2 << " 28,42D";
        QTest::newRow("byte-order mark") << "\xEF\xBB\xBF" + two << int(F::None) << 2 << " 28,42D";
        QTest::newRow("blank lines, one line")
            << QByteArray("\n\n1,\" 28L-100\",2,400,30,1\n\n") << int(F::None) << 1 << " 28";
        QTest::newRow("no records") << QByteArray("0") << int(F::None) << 0 << "";
        QTest::newRow("99 records") << "99\n" + strokes(99) << int(F::None) << 99 << " 28";
        QTest::newRow("six sizes") << "6\n" + sizes(6) << int(F::None) << 6 << " 20, 28, 35, 42, 50,42D";
        QTest::newRow("empty") << QByteArray() << int(F::Empty) << 0 << "";
        QTest::newRow("100 records") << "100\n" + strokes(100) << int(F::TooManyRecords) << 0 << "";
        QTest::newRow("count beyond the records") << "3\n" + strokes(2) << int(F::Truncated) << 2 << " 28";
        QTest::newRow("cut inside a record")
            << "2\n" + strokes(1) + "\" 28L-002\",2" << int(F::Truncated) << 1 << " 28";
        QTest::newRow("seventh size")
            << "7\n" + sizes(7) << int(F::TooManySizes) << 7 << " 20, 28, 35, 42, 50,42D";
        QTest::newRow("code without its blank")
            << "2\n" + strokes(1) + record("28L-100") << int(F::BadRecord) << 1 << " 28";
        QTest::newRow("lead 0") << "1\n" + record(" 28L-100", 0) << int(F::BadRecord) << 0 << "";
        QTest::newRow("a foreign file")
            << QByteArray("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16) << int(F::BadCount) << 0 << "";
    }

    void deviceListFile() {
        QFETCH(QByteArray, contents);
        QFETCH(int, fault);
        QFETCH(int, rows);
        QFETCH(QString, sizes);
        DeviceFixture f;
        f.write(QStringLiteral("a.lst"), contents);
        const DeviceList list = readDeviceList(f.dir.filePath(QStringLiteral("a.lst")));
        QCOMPARE(int(list.problem.fault), fault);
        QCOMPARE(int(list.rows.size()), rows);
        QCOMPARE(list.sizes.join(QLatin1Char(',')), sizes);
    }

    void standardParameterFile() {
        DeviceFixture f;
        const QByteArray row = "\" 28H-050\",3334,0,10,2,4,5,10,15,20,25,30,40,50,60,5,10,20,6,400,1,0\n";
        f.write(QStringLiteral("good.lst"), "1,\"header\"\r\n" + row);
        f.write(QStringLiteral("short.lst"), "2,0\n" + row);
        f.write(QStringLiteral("text.lst"), "1,0\n" + QByteArray(row).replace(",15,", ",x,"));
        const auto read = [&f](const char* name, int kind, bool vq) {
            return readStdPrmList(f.dir.filePath(QLatin1String(name)), kind, vq);
        };
        const StdPrmList good = read("good.lst", 1, true);
        QVERIFY(good.ok());
        const auto& slot = good.rows[0].slot;
        QCOMPARE(slot[22].toString(), QStringLiteral(" 28H-050"));
        QCOMPARE(QList<double>({slot[1].toDouble(), slot[17].toDouble(), slot[19].toDouble(),
                                slot[20].toDouble(), slot[23].toDouble(), slot[24].toDouble()}),
                 QList<double>({3334, 20, 6, 400, 1, 0}));
        QCOMPARE(QList<int>({slot[18].toInt(), slot[21].toInt(), slot[27].toInt()}), QList<int>({1, 1, 50}));
        QVERIFY(good.rows[0].matches(QStringLiteral(" 28"), QStringLiteral("H"), 50));
        QCOMPARE(read("good.lst", 2, true).rows[0].slot[18].toInt(), 0);
        const StdPrmList shortList = read("short.lst", 0, false);
        QCOMPARE(int(shortList.problem.fault), int(ListFault::Truncated));
        QCOMPARE(shortList.rows.size(), 1);
        QCOMPARE(int(read("text.lst", 0, false).problem.fault), int(ListFault::BadRecord));
    }

    void loaderTellsWhatIsWrong_data() {
        QTest::addColumn<int>("langNo");
        QTest::addColumn<QByteArray>("contents");
        QTest::addColumn<QString>("fault"); // after the message and the file's name
        QTest::newRow("missing") << 2 << QByteArray() << "The file does not exist.";
        QTest::newRow("truncated") << 2 << "5\n" + strokes(3) << "It announces 5 records but holds only 3.";
        QTest::newRow("Japanese") << 1 << "4\n" + strokes(1) << "ﾚｺｰﾄﾞ数は 4 ですが、1 件しかありません。";
    }

    void loaderTellsWhatIsWrong() {
        QFETCH(int, langNo);
        QFETCH(QByteArray, contents);
        QFETCH(QString, fault);
        DeviceFixture f{qint16(langNo)};
        const QString file = f.dir.filePath(QStringLiteral("nvqdevice.lst"));
        if (!contents.isEmpty())
            f.write(QStringLiteral("nvqdevice.lst"), contents);
        QCOMPARE(f.catalogue.loadDeviceList(0), 1);
        QVERIFY(f.catalogue.DevListMissingFlag);
        const QString expected = f.t.ctx.texts.joined({551, 552}) + QStringLiteral("\r\n\r\n") +
                                 f.t.ctx.msg(900).arg(QDir::toNativeSeparators(file)) + ' ' + fault;
        QCOMPARE(f.t.op.texts(), QStringList{expected});
        if (langNo == 2)
            QVERIFY(expected.startsWith(kNoList));
    }

    void lookups() {
        DeviceFixture f;
        f.write(QStringLiteral("vqdevice.lst"),
                "3\n\" 28L-050\",2,400,30,1\n\" 28L-050\",6,400,30,2\n\"42DH-100\",12,192,60,0\n");
        const QString vq = QStringLiteral("VQ"), s28 = QStringLiteral(" 28"), L = QStringLiteral("L");
        // The first of two equal records wins; "050" matches 50.
        QCOMPARE(f.catalogue.lookupLead(vq, false, s28, L, 50), qint16(2));
        QCOMPARE(f.catalogue.modelCategory(vq, false, s28, L, 50), 1);
        QCOMPARE(f.catalogue.lookupLead(vq, false, s28, L, 100), qint16(0));
        QCOMPARE(f.catalogue.modelCategory(vq, false, s28, L, 100), 0);
        QCOMPARE(f.catalogue.devicePresent(vq, false, QStringLiteral("42D"), QStringLiteral("H"), 100), 0);
        QCOMPARE(f.catalogue.devicePresent(vq, false, QStringLiteral("42D"), L, 100), 1);
        QCOMPARE(f.catalogue.sizePresent(vq, false, QStringLiteral("42D")), 0);
        QCOMPARE(f.catalogue.sizePresent(vq, false, QStringLiteral(" 42")), 1);
        QCOMPARE(f.catalogue.checkListReadable(vq, false), 0);
        QVERIFY(f.t.op.messages.isEmpty());

        // The NEW list is missing: only the lead and the readability check say so.
        QCOMPARE(f.catalogue.devicePresent(vq, true, s28, L, 50) + f.catalogue.sizePresent(vq, true, s28), 2);
        QCOMPARE(f.catalogue.modelCategory(vq, true, s28, L, 50), 0);
        QVERIFY(f.t.op.messages.isEmpty());
        QCOMPARE(f.catalogue.lookupLead(vq, true, s28, L, 50), qint16(0));
        QCOMPARE(f.catalogue.checkListReadable(vq, true), 1);
        QCOMPARE(f.t.op.texts().filter(kNoList).size(), 2);

        // Lead and PPR of the loaded table.
        DeviceState& dev = f.t.ctx.device;
        dev.IsNewType = false;
        QCOMPARE(f.catalogue.loadDeviceList(0), 0);
        dev.PrevDevSize = QStringLiteral("42D");
        dev.PrevDevSpeed = QStringLiteral("H");
        dev.PrevDevStroke = 100;
        f.catalogue.DeviceNotFoundFlag = true;
        f.catalogue.seekLeadAndPpr();
        QVERIFY(!f.catalogue.DeviceNotFoundFlag);
        QCOMPARE(QList<int>({dev.DevLead, dev.DevPPR}), QList<int>({12, 192}));
        dev.PrevDevStroke = 300;
        f.catalogue.seekLeadAndPpr();
        QVERIFY(f.catalogue.DeviceNotFoundFlag);
        QCOMPARE(f.t.op.lastText(), QStringLiteral("Fail to find device information..."));
        QCOMPARE(QList<int>({dev.DevLead, dev.DevPPR}), QList<int>({12, 192}));

        QCOMPARE(f.catalogue.loadStdPrmList(false), 1);
        QVERIFY(f.catalogue.StdPrmMissingFlag);
        QCOMPARE(f.t.op.messages.size(), 3); // the parameter window tells about the standard list
    }

    void shippedListsAgreeWithTheProgram() {
        TestContext t;
        // Lowest, highest and longest text of parameters 1 to 17, 19, 20, 23, 24 (4 and 5 as the window
        // checks).
        const int limits[25][3] = {
            {},         {0, 16777215, 8}, {0, 700, 5},  {0, 255, 3}, {1, 16, 3}, {1, 16, 3},
            {1, 60, 3}, {1, 60, 3},       {1, 60, 3},   {1, 60, 3},  {1, 60, 3}, {1, 60, 3},
            {1, 60, 3}, {1, 60, 3},       {1, 60, 3},   {1, 30, 2},  {1, 30, 2}, {1, 30, 2},
            {},         {1, 255, 3},      {1, 9999, 4}, {},          {},         {0, 1, 1},
            {0, 1, 1}};
        QHash<QString, int> leadOf; // "VQ-28H" -> lead, from every list
        for (const char* name : {"nvq", "vq", "jm"}) {
            const QString prefix = QString::fromLatin1(name);
            const DeviceList devices = readDeviceList(t.folder.file(prefix + QStringLiteral("device.lst")));
            const StdPrmList standard =
                readStdPrmList(t.folder.file(prefix + QStringLiteral("stdprm.lst")), 0, false);
            QVERIFY(devices.ok() && standard.ok());
            QCOMPARE(standard.rows.size(), devices.rows.size());
            for (const DeviceRecord& d : devices.rows) {
                const QString where = prefix + QLatin1Char(' ') + d.code;
                QVERIFY2(QList<int>({2, 4, 6, 8, 12}).contains(d.lead), qPrintable(where));
                QVERIFY2(d.ppr == (d.size == QLatin1String("42D") ? 192 : 400), qPrintable(where));
                // A position file names strokes below 700 mm only.
                QVERIFY2(d.stroke >= 10 && d.stroke < 700 && d.category >= 0 && d.category <= 2,
                         qPrintable(where));
                QVERIFY2(devices.find(d.size, d.speed, d.stroke) == &d, qPrintable(where + " twice"));
                QVERIFY2(prefix != QLatin1String("jm") || d.category == 0,
                         qPrintable(where + ": JM pushes home"));
                const QString model =
                    (prefix == QLatin1String("jm") ? QStringLiteral("JM-") : QStringLiteral("VQ-")) +
                    d.size.trimmed() + d.speed;
                QVERIFY2(leadOf.value(model, d.lead) == d.lead, qPrintable(where + ": one lead a model"));
                leadOf[model] = d.lead;
                const auto row =
                    std::find_if(standard.rows.begin(), standard.rows.end(),
                                 [&](const StdPrmRow& r) { return r.matches(d.size, d.speed, d.stroke); });
                QVERIFY2(row != standard.rows.end(), qPrintable(where + " has no standard row"));
                QCOMPARE(row->slot[1].toLongLong(), conv::devMaxPulse(d.stroke, d.lead, d.ppr));
                QCOMPARE(QList<int>({row->slot[19].toInt(), row->slot[20].toInt()}),
                         QList<int>({d.lead, d.ppr}));
                for (int n = 1; n <= 24; ++n) {
                    const double value = row->slot[n].toDouble();
                    if (limits[n][2] > 0)
                        QVERIFY2(value >= limits[n][0] && value <= limits[n][1] &&
                                     QString::number(value).size() <= limits[n][2],
                                 qPrintable(where + QStringLiteral(" parameter %1").arg(n)));
                }
            }
        }
        // Every model a lead note names is listed with that lead.
        const QRegularExpression note(QStringLiteral("^(.*) ===>> LEAD (\\d+)mm$"));
        for (int id : {125, 126, 127, 910}) {
            const auto match = note.match(t.ctx.texts.english(id));
            QVERIFY(match.hasMatch());
            for (const QString& model : match.captured(1).split(QStringLiteral(", ")))
                QVERIFY2(leadOf.value(model) == match.captured(2).toInt(), qPrintable(model));
        }
    }
};

QTEST_GUILESS_MAIN(TestDeviceLists)
#include "tst_device_lists.moc"
