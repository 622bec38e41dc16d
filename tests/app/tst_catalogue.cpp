#include "support/TestContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

namespace {

// The English texts exactly as the program must show them, one "<id>\t<text>" line each.
QHash<int, QString> expectedEnglish() {
    QHash<int, QString> texts;
    QFile file(QFINDTESTDATA("app/data/english_texts.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab > 0)
            texts.insert(line.left(tab).toInt(), QString::fromUtf8(line.mid(tab + 1)));
    }
    return texts;
}

bool japaneseOnly(int id) {
    return id == 4 || (id >= 301 && id <= 307) || (id >= 311 && id <= 319);
}

} // namespace

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void everyEnglishTextIsExact();
    void everyEnglishTextHasAJapanesePartner();
    void japaneseOnlyTextsHaveNoEnglishEntry();
    void quotedJapaneseTextsAreExact_data();
    void quotedJapaneseTextsAreExact();
    void lookupFollowsTheLanguage_data();
    void lookupFollowsTheLanguage();
    void joinedMessagesUseAnEmptyLine();
    void malformedLinesAreSkipped();
    void missingFileIsReported();
};

void TestCatalogue::everyEnglishTextIsExact() {
    TestContext t;
    const QHash<int, QString> expected = expectedEnglish();
    QCOMPARE(expected.size(), 428);
    for (auto it = expected.begin(); it != expected.end(); ++it) {
        const auto text = t.catalogue.entry(it.key());
        QVERIFY2(text.has_value(), qPrintable(QStringLiteral("missing %1").arg(it.key())));
        QVERIFY2(*text == it.value(),
                 qPrintable(QStringLiteral("%1: [%2] != [%3]").arg(it.key()).arg(*text, it.value())));
    }
    QCOMPARE(t.catalogue.skippedLines(), 0);
}

void TestCatalogue::everyEnglishTextHasAJapanesePartner() {
    TestContext t;
    for (int id : t.catalogue.ids()) {
        if (id > kEnglishOffset && id != 10700)
            QVERIFY2(t.catalogue.contains(id - kEnglishOffset), qPrintable(QString::number(id)));
        if (id < kEnglishOffset && !japaneseOnly(id))
            QVERIFY2(t.catalogue.contains(id + kEnglishOffset), qPrintable(QString::number(id)));
    }
    QVERIFY(!t.catalogue.contains(700));
    QVERIFY(t.catalogue.contains(10700));
}

void TestCatalogue::japaneseOnlyTextsHaveNoEnglishEntry() {
    TestContext t;
    for (int id = 1; id < 400; ++id) {
        if (japaneseOnly(id)) {
            QVERIFY2(t.catalogue.contains(id), qPrintable(QString::number(id)));
            QVERIFY2(!t.catalogue.contains(id + kEnglishOffset), qPrintable(QString::number(id)));
        }
    }
}

void TestCatalogue::quotedJapaneseTextsAreExact_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::newRow("1") << 1 << QStringLiteral("ZO-VI");
    QTest::newRow("210") << 210 << QStringLiteral("使用機種の設定");
    QTest::newRow("212") << 212 << QStringLiteral("ｺﾝﾄﾛｰﾗから読み込み");
    QTest::newRow("213") << 213 << QStringLiteral("ｵﾌﾗｲﾝで機種を選択");
    QTest::newRow("441") << 441 << QStringLiteral("機種が選択されていません。");
    QTest::newRow("480") << 480 << QStringLiteral(" を終了します。");
    QTest::newRow("481") << 481 << QStringLiteral("データが変更されています。");
    QTest::newRow("551") << 551 << QStringLiteral("機種のリストファイルがありません。");
    QTest::newRow("146") << 146 << QStringLiteral("VQ(標準)");
    QTest::newRow("147") << 147 << QStringLiteral("VQ(旧型)");
    QTest::newRow("302") << 302 << QStringLiteral("開く");
    QTest::newRow("316") << 316 << QStringLiteral("位置をmm入力した時に、位置を取りうる値に切り上げます");
    QTest::newRow("317") << 317 << QStringLiteral("位置をmm入力した時に、位置を取りうる値に切り下げます");
}

void TestCatalogue::quotedJapaneseTextsAreExact() {
    QFETCH(int, id);
    QFETCH(QString, text);
    TestContext t;
    QCOMPARE(t.catalogue.entry(id).value_or(QString()), text);
}

void TestCatalogue::lookupFollowsTheLanguage_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("found");
    QTest::newRow("English") << 2 << 480 << QStringLiteral("Finish ") << true;
    QTest::newRow("Japanese") << 1 << 480 << QStringLiteral(" を終了します。") << true;
    QTest::newRow("any other language number is English")
        << 3 << 8 << QStringLiteral("Write to  C/T") << true;
    QTest::newRow("Japanese-only tip in English") << 2 << 302 << QString() << false;
    QTest::newRow("Japanese-only tip in Japanese") << 1 << 302 << QStringLiteral("開く") << true;
    QTest::newRow("English-only rule")
        << 2 << 700 << QStringLiteral("====================================") << true;
    QTest::newRow("unknown id") << 1 << 650 << QString() << false;
}

void TestCatalogue::lookupFollowsTheLanguage() {
    QFETCH(int, langNo);
    QFETCH(int, id);
    QFETCH(QString, text);
    QFETCH(bool, found);
    TestContext t(static_cast<qint16>(langNo));
    QCOMPARE(t.ctx.texts.lookup(id).has_value(), found);
    QCOMPARE(t.ctx.msg(id), text);
}

void TestCatalogue::joinedMessagesUseAnEmptyLine() {
    TestContext t;
    QCOMPARE(t.ctx.texts.joined({521, 522}),
             QStringLiteral("Language Setting has been changed.\r\n\r\nFinish ZO-VI and restart again."));
}

void TestCatalogue::malformedLinesAreSkipped() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("catalogue.tsv"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("10001\tZO-VI\r\nno tab here\n\tno id\nx12\tbad id\n10002\ttab\tinside\n\n10480\tFinish \n");
    file.close();
    Catalogue catalogue;
    QVERIFY(catalogue.load(path));
    QCOMPARE(catalogue.entry(10001), std::optional<QString>(QStringLiteral("ZO-VI")));
    QCOMPARE(catalogue.entry(10002), std::optional<QString>(QStringLiteral("tab\tinside")));
    QCOMPARE(catalogue.entry(10480), std::optional<QString>(QStringLiteral("Finish ")));
    QCOMPARE(catalogue.skippedLines(), 3);
    QCOMPARE(catalogue.ids().size(), 3);
}

void TestCatalogue::missingFileIsReported() {
    Catalogue catalogue;
    catalogue.insert(1, QStringLiteral("kept"));
    QVERIFY(!catalogue.load(QStringLiteral("/nonexistent/catalogue.tsv")));
    QVERIFY(catalogue.contains(1));
}

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
