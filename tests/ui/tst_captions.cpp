#include "support/TestContext.h"
#include "ui/Captions.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

namespace {

// A window laid out as the program's windows are: every text carries its id.
struct SampleWindow {
    explicit SampleWindow(const Texts& texts) {
        setCaption(&window, 91, texts);
        label = new QLabel(&window);
        setCaption(label, 96, texts);
        setToolTip(label, 320, texts);
        button = new QPushButton(&window);
        setCaption(button, 119, texts);
        frame = new QGroupBox(&window);
        setCaption(frame, 105, texts);
        option = new QRadioButton(frame);
        setCaption(option, 106, texts);
        untagged = new QPushButton(QStringLiteral("design"), &window);
        zeroTag = new QPushButton(QStringLiteral("design"), &window);
        setTag(zeroTag, 0);
        missing = new QLabel(QStringLiteral("design"), &window);
        setTag(missing, 650);
        menu = new QMenu(&window);
        setCaption(menu->menuAction(), 251, texts);
        item = menu->addAction(QString());
        setCaption(item, 263, texts);
        auto* toolBar = new QToolBar(&window);
        toolButton = toolBar->addAction(QStringLiteral("New"));
        setToolTipId(toolButton, 301);
        toolButton->setToolTip(texts.english(281));
        textBox = new QLineEdit(QStringLiteral("typed"), &window);
        setTag(textBox, 290);
    }
    QWidget window;
    QLabel* label;
    QPushButton* button;
    QGroupBox* frame;
    QRadioButton* option;
    QPushButton* untagged;
    QPushButton* zeroTag;
    QLabel* missing;
    QMenu* menu;
    QAction* item;
    QAction* toolButton;
    QLineEdit* textBox;
};

} // namespace

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void designTimeTextsAreEnglish();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
    void missingOrEmptyIdsKeepTheDesignText_data();
    void missingOrEmptyIdsKeepTheDesignText();
};

void TestCaptions::designTimeTextsAreEnglish() {
    TestContext t(1);
    SampleWindow w(t.ctx.texts);
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(w.button->text(), QStringLiteral("OK"));
    QCOMPARE(w.frame->title(), QStringLiteral("Select Languege"));
    QCOMPARE(w.menu->title(), QStringLiteral("File(&F)"));
}

void TestCaptions::captionsFollowTheLanguage_data() {
    QTest::addColumn<int>("langNo");
    QTest::newRow("English") << 2;
    QTest::newRow("Japanese") << 1;
}

void TestCaptions::captionsFollowTheLanguage() {
    QFETCH(int, langNo);
    TestContext t(static_cast<qint16>(langNo));
    SampleWindow w(t.ctx.texts);
    applyCaptions(&w.window, t.ctx.texts);
    const auto text = [&](int id) {
        return t.catalogue.entry(id + t.ctx.lang.LangOffset).value();
    };
    QCOMPARE(w.window.windowTitle(), text(91));
    QCOMPARE(w.label->text(), text(96));
    QCOMPARE(w.label->toolTip(), text(320));
    QCOMPARE(w.button->text(), text(119));
    QCOMPARE(w.frame->title(), text(105));
    QCOMPARE(w.option->text(), text(106));
    QCOMPARE(w.menu->title(), text(251));
    QCOMPARE(w.item->text(), text(263));
    QCOMPARE(w.textBox->text(), QStringLiteral("typed"));
    if (langNo == 1)
        QCOMPARE(w.toolButton->toolTip(), t.catalogue.entry(301).value());
    else
        QCOMPARE(w.toolButton->toolTip(), QStringLiteral("All clear & New Data"));
}

void TestCaptions::missingOrEmptyIdsKeepTheDesignText_data() {
    captionsFollowTheLanguage_data();
}

void TestCaptions::missingOrEmptyIdsKeepTheDesignText() {
    QFETCH(int, langNo);
    TestContext t(static_cast<qint16>(langNo));
    SampleWindow w(t.ctx.texts);
    w.untagged->setProperty("tag", QString());
    w.label->setProperty("toolTipId", QStringLiteral("0"));
    w.label->setToolTip(QStringLiteral("design tip"));
    w.button->setProperty("tag", QStringLiteral("OK?")); // not a number
    w.button->setText(QStringLiteral("design"));
    applyCaptions(&w.window, t.ctx.texts);
    QCOMPARE(w.untagged->text(), QStringLiteral("design"));
    QCOMPARE(w.zeroTag->text(), QStringLiteral("design"));
    QCOMPARE(w.missing->text(), QStringLiteral("design"));
    QCOMPARE(w.label->toolTip(), QStringLiteral("design tip"));
    QCOMPARE(w.button->text(), QStringLiteral("design"));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
