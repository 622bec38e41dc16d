// The options dialog shows the options form and hands it to the logic (tst_options tests the rules).
#include "support/TestContext.h"
#include "ui/FrmOptions2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::TestContext;

namespace {

template <typename T> T* child(QWidget* window, const char* name) {
    T* found = window->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace

class TestOptionsDialog : public QObject {
    Q_OBJECT
private slots:
    void captionsInBothLanguages();
    void keyFilterGuardsBothNumberBoxes();
    void spinButtonsStepWithinTheRange();
    void changeBkEnablesTheCurrentDownChoice();
    void okAppliesWhatTheDialogShows();
    void cancelAndCloseApplyNothing();
    void portDeviceFollowsThePortNumber();
};

void TestOptionsDialog::captionsInBothLanguages() {
    // The title, the last tab, the Close button and an option, in each language.
    const QStringList english = {"Options", "Position Display", "Close", "Current down is not carried out"};
    const QStringList japanese = {"ｵﾌﾟｼｮﾝ", "位置表示", "閉じる", "ｶﾚﾝﾄﾀﾞｳﾝを行わない"};
    for (qint16 langNo : {1, 2}) {
        TestContext t(langNo);
        FrmOptions2 dialog(t.ctx);
        auto* tabs = child<QTabWidget>(&dialog, "SSTabOption");
        QCOMPARE(tabs->count(), 5);
        const QStringList shown = {dialog.windowTitle(), tabs->tabText(4),
                                   child<QPushButton>(&dialog, "cmdApply")->text(),
                                   child<QRadioButton>(&dialog, "optCurrentDown_1")->text()};
        QCOMPARE(shown, langNo == 1 ? japanese : english);
    }
}

// Enter in a number box is swallowed there: it neither presses OK nor types.
void TestOptionsDialog::keyFilterGuardsBothNumberBoxes() {
    TestContext t;
    t.ctx.options.BkCdChangeFlag = true;
    FrmOptions2 dialog(t.ctx);
    dialog.show();
    for (const char* name : {"txtPortNo", "txtBreakNo"}) {
        auto* box = child<QLineEdit>(&dialog, name);
        box->clear();
        QTest::keyClicks(box, u"5"_s);
        QVERIFY2(box->text().isEmpty(), name);
        QTest::keyClicks(box, u"2"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QVERIFY2(box->text() == u"2"_s, name);
        QVERIFY2(dialog.isVisible() && dialog.result() == 0, name);
    }
    QCOMPARE(t.ctx.options.PortNo, qint16(1));
}

void TestOptionsDialog::spinButtonsStepWithinTheRange() {
    TestContext t;
    t.ctx.options.PortNo = 8;
    FrmOptions2 dialog(t.ctx);
    auto* port = child<QLineEdit>(&dialog, "txtPortNo");
    const QList<QAbstractButton*> arrows =
        child<QWidget>(&dialog, "updPortNo")->findChildren<QAbstractButton*>();
    QCOMPARE(arrows.size(), 2);
    arrows[0]->click();
    QCOMPARE(port->text(), QStringLiteral("9"));
    arrows[0]->click();
    QCOMPARE(port->text(), QStringLiteral("9"));
    port->setText(QStringLiteral("1"));
    arrows[1]->click();
    QCOMPARE(port->text(), QStringLiteral("1"));
}

void TestOptionsDialog::changeBkEnablesTheCurrentDownChoice() {
    TestContext t;
    FrmOptions2 dialog(t.ctx);
    auto* check = child<QCheckBox>(&dialog, "chkChangeBk");
    auto* carriedOut = child<QRadioButton>(&dialog, "optCurrentDown_0");
    auto* notCarriedOut = child<QRadioButton>(&dialog, "optCurrentDown_1");
    QVERIFY(!carriedOut->isEnabled());
    check->click();
    QVERIFY(carriedOut->isEnabled() && notCarriedOut->isEnabled());
    notCarriedOut->click();
    check->click();
    QVERIFY(!notCarriedOut->isEnabled());
    QVERIFY2(carriedOut->isChecked(), "unchecking selects the first option");
}

void TestOptionsDialog::okAppliesWhatTheDialogShows() {
    TestContext t;
    FrmOptions2 dialog(t.ctx);
    child<QLineEdit>(&dialog, "txtPortNo")->setText(QStringLiteral("3"));
    child<QCheckBox>(&dialog, "chkPortOccupy")->setChecked(true);
    child<QCheckBox>(&dialog, "chkParametaShow")->setChecked(true);
    child<QCheckBox>(&dialog, "chkDispPulsPosi")->setChecked(true);
    child<QCheckBox>(&dialog, "chkChangeBk")->click();
    child<QRadioButton>(&dialog, "optCurrentDown_1")->click();
    child<QRadioButton>(&dialog, "optLanguege_0")->click();
    child<QPushButton>(&dialog, "cmdOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(t.ctx.options.PortNo, qint16(3));
    QVERIFY(t.ctx.options.PortOccupyFlag);
    QVERIFY(t.ctx.options.ParametaShow);
    QVERIFY(t.ctx.options.PlsPosFlag);
    QVERIFY(t.ctx.options.BkCdChangeFlag);
    QCOMPARE(t.ctx.options.BkCdCode, qint16(0));
    QVERIFY(t.ctx.lang.LangChangeFlag);

    // The next dialog shows the applied options.
    FrmOptions2 again(t.ctx);
    QVERIFY(child<QCheckBox>(&again, "chkDispPulsPosi")->isChecked());
    QVERIFY(!child<QLabel>(&again, "lblBreakSet")->isHidden());
    QCOMPARE(child<QLineEdit>(&again, "txtBreakNo")->text(), QStringLiteral("0"));
    QVERIFY(child<QRadioButton>(&again, "optCurrentDown_1")->isChecked());
}

void TestOptionsDialog::cancelAndCloseApplyNothing() {
    for (const char* button : {"cmdCancel", "cmdApply"}) {
        TestContext t;
        FrmOptions2 dialog(t.ctx);
        child<QLineEdit>(&dialog, "txtPortNo")->setText(QStringLiteral("2"));
        child<QCheckBox>(&dialog, "chkPortOccupy")->setChecked(true);
        child<QRadioButton>(&dialog, "optLanguege_0")->click();
        child<QPushButton>(&dialog, button)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(t.ctx.options.PortNo, qint16(1));
        QVERIFY2(!t.ctx.options.PortOccupyFlag && !t.ctx.lang.LangChangeFlag, button);
        QVERIFY2(t.settings.values().isEmpty(), button);
    }
}

void TestOptionsDialog::portDeviceFollowsThePortNumber() {
    TestContext t;
    t.settings.writeText(QStringLiteral("PortDevice2"), QStringLiteral("/dev/pts/4"));
    FrmOptions2 dialog(t.ctx);
    auto* port = child<QLineEdit>(&dialog, "txtPortNo");
    auto* device = child<QComboBox>(&dialog, "comboPortDevice");
    port->setText(QStringLiteral("2"));
    QCOMPARE(device->currentText(), QStringLiteral("/dev/pts/4"));
    port->setText(QStringLiteral("0"));
    QVERIFY(!device->isEnabled());
    port->setText(QStringLiteral("3"));
    QVERIFY(device->isEnabled());
    device->setEditText(QStringLiteral("/dev/ttyUSB0"));
    child<QPushButton>(&dialog, "cmdOK")->click();
    QCOMPARE(t.settings.readText(QStringLiteral("PortDevice3"), {}), QStringLiteral("/dev/ttyUSB0"));
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
