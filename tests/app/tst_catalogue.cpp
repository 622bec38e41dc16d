// The catalogue the program carries: every English text exact, the languages paired, the look-up by
// language, and the file format.
#include "support/TestContext.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <tuple>

using namespace zovi;
using namespace Qt::StringLiterals;
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
    // The catalogue compiled into the program, as every run sees it.
    void everyEnglishTextIsExact() {
        TestContext t;
        const QHash<int, QString> expected = expectedEnglish();
        QCOMPARE(expected.size(), 428);
        for (auto it = expected.begin(); it != expected.end(); ++it) {
            const QString text = t.catalogue.entry(it.key()).value_or(u"(missing)"_s);
            QVERIFY2(text == it.value(),
                     qPrintable(u"%1: [%2] != [%3]"_s.arg(it.key()).arg(text, it.value())));
        }
        QCOMPARE(t.catalogue.skippedLines(), 0);
        // A quote inside a text shows once on the screen; no entry keeps a list's doubled quotes.
        for (int id : t.catalogue.ids())
            QVERIFY2(!t.catalogue.entry(id)->contains(u"\"\""_s), qPrintable(QString::number(id)));
    }

    void languagesArePaired() {
        TestContext t;
        for (int id : t.catalogue.ids()) {
            const int partner = id > kEnglishOffset ? id - kEnglishOffset : id + kEnglishOffset;
            const bool single = id == 10700 || japaneseOnly(id);
            QVERIFY2(t.catalogue.contains(partner) != single, qPrintable(QString::number(id)));
        }
    }

    void lookupFollowsTheLanguage() {
        // Language, base id -> the text shown, empty when the catalogue lacks it: any language number but
        // 1 is English, tips 301 to 319 are Japanese only, 10700 English only, 701 and up our own texts.
        const std::tuple<qint16, int, const char*> rows[] = {
            {2, 480, "Finish "},
            {1, 480, " を終了します。"},
            {3, 8, "Write to  C/T"},
            {2, 302, ""},
            {1, 302, "開く"},
            {1, 210, "使用機種の設定"},
            {1, 316, "位置をmm入力した時に、位置を取りうる値に切り上げます"},
            {2, 700, "===================================="},
            {1, 707, "編集(&E)"},
            {1, 650, ""}};
        for (const auto& [langNo, id, text] : rows) {
            TestContext t(langNo);
            QCOMPARE(t.ctx.texts.lookup(id).has_value(), *text != 0);
            QCOMPARE(t.ctx.msg(id), QString::fromUtf8(text));
        }
    }

    void fileFormat() {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"catalogue.tsv"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "10001\tZO-VI\r\nno tab here\n\tno id\nx12\tbad id\n10002\ttab\tinside\n\n10480\tFinish \n");
        file.close();
        Catalogue catalogue;
        QVERIFY(catalogue.load(path));
        QCOMPARE(catalogue.entry(10001), std::optional<QString>(u"ZO-VI"_s));
        QCOMPARE(catalogue.entry(10002), std::optional<QString>(u"tab\tinside"_s));
        QCOMPARE(catalogue.entry(10480), std::optional<QString>(u"Finish "_s));
        QCOMPARE(catalogue.skippedLines(), 3);
        QCOMPARE(catalogue.ids().size(), 3);
        QVERIFY(!catalogue.load(u"/nonexistent/catalogue.tsv"_s));
        QVERIFY2(catalogue.contains(10001), "a file that cannot be read leaves the texts as they were");
    }
};

QTEST_GUILESS_MAIN(TestCatalogue)
#include "tst_catalogue.moc"
