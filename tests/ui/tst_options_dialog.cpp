// The options dialog shows the options form and hands it to the logic (tst_options tests the rules).
#include "support/TestContext.h"
#include "ui/FrmOptions2.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
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
    void numberBoxesTakeOneDigitAndSwallowEnter();
    void okAppliesWhatTheDialogShows();
    void cancelAndCloseApplyNothing();
    void portDeviceFollowsThePortNumber();
};

// Enter in a number box stays there: it neither presses OK nor types. The arrows keep the range.
void TestOptionsDialog::numberBoxesTakeOneDigitAndSwallowEnter() {
    TestContext t;
    t.ctx.options.BkCdChangeFlag = true;
    FrmOptions2 dialog(t.ctx);
    dialog.show();
    for (const char* name : {"txtPortNo", "txtBreakNo"}) {
        auto* box = child<QLineEdit>(&dialog, name);
        box->clear();
        QTest::keyClicks(box, u"52"_s);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter);
        QVERIFY2(box->text() == u"2"_s, name);
        QVERIFY2(dialog.isVisible() && dialog.result() == 0, name);
    }
    QCOMPARE(t.ctx.options.PortNo, qint16(1));

    auto* port = child<QLineEdit>(&dialog, "txtPortNo");
    const QList<QAbstractButton*> arrows =
        child<QWidget>(&dialog, "updPortNo")->findChildren<QAbstractButton*>();
    port->setText(u"8"_s);
    arrows[0]->click();
    arrows[0]->click();
    QCOMPARE(port->text(), u"9"_s);
    port->setText(u"1"_s);
    arrows[1]->click();
    QCOMPARE(port->text(), u"1"_s);
}

void TestOptionsDialog::okAppliesWhatTheDialogShows() {
    TestContext t;
    FrmOptions2 dialog(t.ctx);
    child<QLineEdit>(&dialog, "txtPortNo")->setText(u"3"_s);
    for (const char* box : {"chkPortOccupy", "chkParametaShow", "chkDispPulsPosi"})
        child<QCheckBox>(&dialog, box)->setChecked(true);
    auto* notCarriedOut = child<QRadioButton>(&dialog, "optCurrentDown_1");
    QVERIFY(!notCarriedOut->isEnabled());
    child<QCheckBox>(&dialog, "chkChangeBk")->click();
    QVERIFY(notCarriedOut->isEnabled());
    notCarriedOut->click();
    child<QRadioButton>(&dialog, "optLanguege_0")->click();
    child<QPushButton>(&dialog, "cmdOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const OptionsState& o = t.ctx.options;
    QVERIFY(o.PortNo == 3 && o.PortOccupyFlag && o.ParametaShow && o.PlsPosFlag);
    QVERIFY(o.BkCdChangeFlag && o.BkCdCode == 0 && t.ctx.lang.LangChangeFlag);

    // The next dialog shows the applied options.
    FrmOptions2 again(t.ctx);
    QVERIFY(child<QCheckBox>(&again, "chkDispPulsPosi")->isChecked());
    QVERIFY(!child<QLabel>(&again, "lblBreakSet")->isHidden());
    QCOMPARE(child<QLineEdit>(&again, "txtBreakNo")->text(), u"0"_s);
    QVERIFY(child<QRadioButton>(&again, "optCurrentDown_1")->isChecked());
}

void TestOptionsDialog::cancelAndCloseApplyNothing() {
    for (const char* button : {"cmdCancel", "cmdApply"}) {
        TestContext t;
        FrmOptions2 dialog(t.ctx);
        child<QLineEdit>(&dialog, "txtPortNo")->setText(u"2"_s);
        child<QCheckBox>(&dialog, "chkPortOccupy")->setChecked(true);
        child<QRadioButton>(&dialog, "optLanguege_0")->click();
        child<QPushButton>(&dialog, button)->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY2(t.ctx.options.PortNo == 1 && !t.ctx.options.PortOccupyFlag && !t.ctx.lang.LangChangeFlag,
                 button);
        QVERIFY2(t.settings.values().isEmpty(), button);
    }
}

void TestOptionsDialog::portDeviceFollowsThePortNumber() {
    TestContext t;
    t.settings.writeText(u"PortDevice2"_s, u"/dev/pts/4"_s);
    FrmOptions2 dialog(t.ctx);
    auto* port = child<QLineEdit>(&dialog, "txtPortNo");
    auto* device = child<QComboBox>(&dialog, "comboPortDevice");
    port->setText(u"2"_s);
    QCOMPARE(device->currentText(), u"/dev/pts/4"_s);
    port->setText(u"0"_s);
    QVERIFY(!device->isEnabled());
    port->setText(u"3"_s);
    QVERIFY(device->isEnabled());
    device->setEditText(u"/dev/ttyUSB0"_s);
    child<QPushButton>(&dialog, "cmdOK")->click();
    QCOMPARE(t.settings.readText(u"PortDevice3"_s, {}), u"/dev/ttyUSB0"_s);
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
