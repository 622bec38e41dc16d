// Which texts applyCaptions replaces. The window suites check each kind of control in both languages.
#include "support/TestContext.h"
#include "ui/Captions.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

class TestCaptions : public QObject {
    Q_OBJECT
private slots:
    void onlyKnownIdsReplaceTheDesignText();
};

void TestCaptions::onlyKnownIdsReplaceTheDesignText() {
    TestContext t(1);
    const auto japanese = [&](int id) {
        return t.catalogue.entry(id).value();
    };
    QWidget window;
    setCaption(&window, 91, t.ctx.texts);
    auto* frame = new QGroupBox(&window);
    setCaption(frame, 105, t.ctx.texts);
    auto* menu = new QMenu(&window);
    setCaption(menu->menuAction(), 251, t.ctx.texts);
    auto* label = new QLabel(&window);
    setCaption(label, 96, t.ctx.texts);
    setToolTip(label, 320, t.ctx.texts);
    // Built with the English texts whatever the language.
    QCOMPARE(frame->title(), QStringLiteral("Select Languege"));
    QCOMPARE(menu->title(), QStringLiteral("File(&F)"));

    auto* textBox = new QLineEdit(QStringLiteral("typed"), &window);
    setTag(textBox, 290);
    auto* untagged = new QPushButton(QStringLiteral("design"), &window);
    auto* zeroTag = new QPushButton(QStringLiteral("design"), &window);
    setTag(zeroTag, 0);
    auto* notANumber = new QPushButton(QStringLiteral("design"), &window);
    notANumber->setProperty("tag", QStringLiteral("OK?"));
    auto* missing = new QLabel(QStringLiteral("design"), &window);
    setTag(missing, 650);
    auto* zeroTip = new QLabel(&window);
    zeroTip->setProperty("toolTipId", QStringLiteral("0"));
    zeroTip->setToolTip(QStringLiteral("design tip"));

    applyCaptions(&window, t.ctx.texts);
    QCOMPARE(window.windowTitle(), japanese(91));
    QCOMPARE(frame->title(), japanese(105));
    QCOMPARE(menu->title(), japanese(251));
    QCOMPARE(label->text(), japanese(96));
    QCOMPARE(label->toolTip(), japanese(320));
    QCOMPARE(textBox->text(), QStringLiteral("typed"));
    for (QAbstractButton* button : {untagged, zeroTag, notANumber})
        QCOMPARE(button->text(), QStringLiteral("design"));
    QCOMPARE(missing->text(), QStringLiteral("design"));
    QCOMPARE(zeroTip->toolTip(), QStringLiteral("design tip"));
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
