// Which texts applyCaptions replaces and which design-time texts it leaves. The window suites read
// the captions of each kind of control from the screen in both languages.
#include "support/TestContext.h"
#include "ui/Captions.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::TestContext;

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void onlyKnownIdsReplaceTheDesignText();
};

void TestCaptions::onlyKnownIdsReplaceTheDesignText() {
    TestContext t(1);
    QWidget window;
    setCaption(&window, 91, t.ctx.texts);
    auto* label = new QLabel(&window);
    setCaption(label, 96, t.ctx.texts);
    setToolTip(label, 320, t.ctx.texts);
    QCOMPARE(window.windowTitle(), u"Options"_s); // built with the English texts whatever the language

    auto* textBox = new QLineEdit(u"typed"_s, &window);
    setTag(textBox, 290);
    auto* untagged = new QPushButton(u"design"_s, &window);
    auto* zeroTag = new QPushButton(u"design"_s, &window);
    setTag(zeroTag, 0);
    auto* notANumber = new QPushButton(u"design"_s, &window);
    notANumber->setProperty("tag", u"OK?"_s);
    auto* missing = new QPushButton(u"design"_s, &window);
    setTag(missing, 650);
    auto* zeroTip = new QLabel(&window);
    zeroTip->setProperty("toolTipId", u"0"_s);
    zeroTip->setToolTip(u"design tip"_s);

    applyCaptions(&window, t.ctx.texts);
    QCOMPARE(window.windowTitle(), t.catalogue.entry(91).value());
    QCOMPARE(label->text(), t.catalogue.entry(96).value());
    QCOMPARE(label->toolTip(), t.catalogue.entry(320).value());
    QCOMPARE(textBox->text(), u"typed"_s);
    for (QAbstractButton* button : {untagged, zeroTag, notANumber, missing})
        QCOMPARE(button->text(), u"design"_s);
    QCOMPARE(zeroTip->toolTip(), u"design tip"_s);
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
