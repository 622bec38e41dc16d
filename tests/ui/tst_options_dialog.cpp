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
    void captionsInBothLanguages_data();
    void captionsInBothLanguages();
    void numberBoxesTakeOneDigitFromZeroToThree_data();
    void numberBoxesTakeOneDigitFromZeroToThree();
    void spinButtonsStepWithinTheRange();
    void changeBkEnablesTheCurrentDownChoice();
    void okAppliesWhatTheDialogShows();
    void cancelAndCloseApplyNothing_data();
    void cancelAndCloseApplyNothing();
    void portDeviceFollowsThePortNumber();
};

void TestOptionsDialog::captionsInBothLanguages_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("tab4");
    QTest::addColumn<QString>("close");
    QTest::newRow("English") << 2 << "Options"
                             << "Position Display"
                             << "Close";
    QTest::newRow("Japanese") << 1 << ""
                              << ""
                              << "";
}

void TestOptionsDialog::captionsInBothLanguages() {
    QFETCH(int, langNo);
    QFETCH(QString, title);
    QFETCH(QString, tab4);
    QFETCH(QString, close);
    TestContext t(static_cast<qint16>(langNo));
    if (langNo == 1) {
        title = t.catalogue.entry(91).value();
        tab4 = t.catalogue.entry(150).value();
        close = t.catalogue.entry(98).value();
    }
    FrmOptions2 dialog(t.ctx);
    QCOMPARE(dialog.windowTitle(), title);
    auto* tabs = child<QTabWidget>(&dialog, "SSTabOption");
    QCOMPARE(tabs->count(), 5);
    QCOMPARE(tabs->tabText(4), tab4);
    QCOMPARE(child<QPushButton>(&dialog, "cmdApply")->text(), close);
    QCOMPARE(child<QCheckBox>(&dialog, "chkPortOccupy")->text(), t.ctx.msg(97));
    QCOMPARE(child<QRadioButton>(&dialog, "optCurrentDown_1")->text(), t.ctx.msg(598));
}

void TestOptionsDialog::numberBoxesTakeOneDigitFromZeroToThree_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const char* box : {"txtPortNo", "txtBreakNo"}) {
        QTest::addRow("%s: 2", box) << box << "2"
                                    << "2";
        QTest::addRow("%s: 5 refused", box) << box << "5"
                                            << "";
        QTest::addRow("%s: second digit refused", box) << box << "31"
                                                       << "3";
        QTest::addRow("%s: letters refused", box) << box << "a0"
                                                  << "0";
    }
}

void TestOptionsDialog::numberBoxesTakeOneDigitFromZeroToThree() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TestContext t;
    t.ctx.options.BkCdChangeFlag = true;
    FrmOptions2 dialog(t.ctx);
    auto* edit = child<QLineEdit>(&dialog, box.toLatin1().constData());
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), shown);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QString());
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY2(dialog.result() == 0 && edit->text().isEmpty(), "Enter is swallowed by the box");
}

void TestOptionsDialog::spinButtonsStepWithinTheRange() {
    TestContext t;
    t.ctx.options.PortNo = 8;
    FrmOptions2 dialog(t.ctx);
    auto* port = child<QLineEdit>(&dialog, "txtPortNo");
    QWidget* spin = child<QWidget>(&dialog, "updPortNo");
    const QList<QAbstractButton*> arrows = spin->findChildren<QAbstractButton*>();
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
    QVERIFY(carriedOut->isChecked());
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
    child<QCheckBox>(&dialog, "chkDispPulsPosi")->setChecked(true);
    child<QCheckBox>(&dialog, "chkChangeBk")->click();
    child<QRadioButton>(&dialog, "optCurrentDown_1")->click();
    child<QRadioButton>(&dialog, "optLanguege_0")->click();
    child<QPushButton>(&dialog, "cmdOK")->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(t.ctx.options.PortNo, qint16(3));
    QVERIFY(t.ctx.options.PortOccupyFlag);
    QVERIFY(t.ctx.options.PlsPosFlag);
    QVERIFY(t.ctx.options.PulsDispChangeFlag);
    QVERIFY(t.ctx.options.BkCdChangeFlag);
    QCOMPARE(t.ctx.options.BkCdCode, qint16(0));
    QVERIFY(t.ctx.lang.LangChangeFlag);
    QCOMPARE(t.ctx.lang.LangNo, qint16(2));
    QCOMPARE(t.settings.readText(QStringLiteral("PortOccupy"), {}), QStringLiteral("1"));

    FrmOptions2 again(t.ctx);
    QVERIFY2(!child<QLabel>(&again, "lblBreakSet")->isHidden(), "shown once current down was changed");
    QCOMPARE(child<QLineEdit>(&again, "txtBreakNo")->text(), QStringLiteral("0"));
    QVERIFY(child<QRadioButton>(&again, "optCurrentDown_1")->isChecked());
    QVERIFY2(child<QRadioButton>(&again, "optLanguege_1")->isChecked(), "the run's language is unchanged");
}

void TestOptionsDialog::cancelAndCloseApplyNothing_data() {
    QTest::addColumn<QString>("button");
    QTest::newRow("Cancel") << "cmdCancel";
    QTest::newRow("Close") << "cmdApply";
}

void TestOptionsDialog::cancelAndCloseApplyNothing() {
    QFETCH(QString, button);
    TestContext t;
    FrmOptions2 dialog(t.ctx);
    child<QLineEdit>(&dialog, "txtPortNo")->setText(QStringLiteral("2"));
    child<QCheckBox>(&dialog, "chkPortOccupy")->setChecked(true);
    child<QRadioButton>(&dialog, "optLanguege_0")->click();
    child<QPushButton>(&dialog, button.toLatin1().constData())->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(t.ctx.options.PortNo, qint16(1));
    QVERIFY(!t.ctx.options.PortOccupyFlag);
    QVERIFY(!t.ctx.lang.LangChangeFlag);
    QVERIFY(t.settings.values().isEmpty());
}

void TestOptionsDialog::portDeviceFollowsThePortNumber() {
    TestContext t;
    t.settings.writeText(QStringLiteral("PortDevice2"), QStringLiteral("/dev/pts/4"));
    FrmOptions2 dialog(t.ctx);
    auto* port = child<QLineEdit>(&dialog, "txtPortNo");
    auto* device = child<QComboBox>(&dialog, "comboPortDevice");
    QCOMPARE(device->currentText(), QString());
    port->setText(QStringLiteral("2"));
    QCOMPARE(device->currentText(), QStringLiteral("/dev/pts/4"));
    port->setText(QStringLiteral("0"));
    QVERIFY(!device->isEnabled());
    port->setText(QStringLiteral("3"));
    device->setEditText(QStringLiteral("/dev/ttyUSB0"));
    child<QPushButton>(&dialog, "cmdOK")->click();
    QCOMPARE(t.settings.readText(QStringLiteral("PortDevice3"), {}), QStringLiteral("/dev/ttyUSB0"));
    QCOMPARE(t.settings.readText(QStringLiteral("PortDevice2"), {}), QStringLiteral("/dev/pts/4"));
}

QTEST_MAIN(TestOptionsDialog)
#include "tst_options_dialog.moc"
