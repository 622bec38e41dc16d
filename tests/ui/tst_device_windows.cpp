#include "FrmMainFixture.h"
#include "app/ControllerSession.h"
#include "device/DeviceCatalogue.h"
#include "support/FakePorts.h"
#include "ui/FrmDevice.h"
#include "ui/FrmDevice2.h"
#include "ui/FrmSelection.h"
#include "ui/MainDeviceView.h"
#include "ui/StartupRoutine.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// Runs `act` on the next modal dialog as soon as it is shown.
void onNextDialog(std::function<void(QWidget*)> act) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, poll, [poll, act = std::move(act)] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->deleteLater();
            poll->stop();
            act(dialog);
        }
    });
    poll->start(10);
}

template <typename T> T* child(QWidget* parent, const char* name) {
    T* found = parent->findChild<T*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no %s", name);
    return found;
}

void click(QWidget* parent, const char* name) {
    QTest::mouseClick(child<QAbstractButton>(parent, name), Qt::LeftButton);
}

QStringList entries(const QComboBox* box) {
    QStringList texts;
    for (int i = 0; i < box->count(); ++i)
        texts << box->itemText(i);
    return texts;
}

} // namespace

class TestDeviceWindows : public QObject {
    Q_OBJECT
private slots:
    void startupQuestionCannotBeClosed();
    void questionOutsideStartupCanBeCancelled();
    void selectionDialogMirrorsItsModel();
    void selectionDialogCloseBoxCancels();
    void calculatorTakesOverItsResult();
    void changeDeviceFromTheMainWindow();
    void startupOfflineInJapanese();
};

void TestDeviceWindows::startupQuestionCannotBeClosed() {
    TestContext t;
    t.ctx.MainLeft = 1500;
    t.ctx.MainTop = 3000;
    FrmSelection dialog(t.ctx, true);
    dialog.show();
    QCOMPARE(dialog.pos(), QPoint(2000 / 15, 3500 / 15));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Device setting"));
    QVERIFY(!child<QPushButton>(&dialog, "cmdSelectCancel")->isEnabled());
    QVERIFY(!dialog.close());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(dialog.isVisible());
    child<QRadioButton>(&dialog, "optSelectKomoku_1")->setChecked(true);
    click(&dialog, "cmdSelectOk");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer(), 1);
}

void TestDeviceWindows::questionOutsideStartupCanBeCancelled() {
    TestContext t;
    FrmSelection dialog(t.ctx, false);
    dialog.show();
    QVERIFY(child<QPushButton>(&dialog, "cmdSelectCancel")->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.answer(), -1);
}

void TestDeviceWindows::selectionDialogMirrorsItsModel() {
    TestContext t;
    DeviceCatalogue catalogue(t.ctx);
    t.ctx.device.DevSize = QStringLiteral(" 28");
    t.ctx.device.DevSpeed = QStringLiteral("H");
    t.ctx.device.DevStroke = 150;
    FrmDevice2 dialog(t.ctx, catalogue);
    dialog.show();
    auto* size = child<QComboBox>(&dialog, "comboDeviceSize");
    auto* speed = child<QComboBox>(&dialog, "comboDeviceSpeed");
    auto* stroke = child<QComboBox>(&dialog, "comboDeviceStroke");
    QCOMPARE(entries(size), dialog.model().sizes);
    QCOMPARE(size->currentText(), QStringLiteral(" 28"));
    QCOMPARE(speed->currentText(), QStringLiteral("H"));
    QCOMPARE(stroke->currentText(), QStringLiteral("150"));
    QVERIFY(!child<QWidget>(&dialog, "optHomeMethod_1")->isVisible());

    // Choosing the next size goes through the model and refills the other boxes.
    size->setFocus();
    QTest::keyClick(size, Qt::Key_Down);
    QCOMPARE(dialog.model().size, QStringLiteral(" 35"));
    QCOMPARE(entries(stroke), (QStringList{"50", "100", "150", "200", "250", "300"}));
    QCOMPARE(stroke->currentText(), QStringLiteral("150"));

    click(&dialog, "chkNewOrOld");
    QVERIFY(child<QWidget>(&dialog, "optHomeMethod_1")->isVisible());
    QCOMPARE(entries(size), (QStringList{" 28", " 35", " 42", "42D", " 50"}));
    click(&dialog, "optHomeMethod_1");
    click(&dialog, "optVqSelect_1");
    QVERIFY(!child<QWidget>(&dialog, "framNewOrOld")->isVisible());
    QVERIFY(!child<QWidget>(&dialog, "optHomeMethod_1")->isVisible());
    click(&dialog, "optVqSelect_0");
    click(&dialog, "cmdDeviceSet");
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.cancelled());
    QCOMPARE(catalogue.WorkSeriesText, QStringLiteral("VQ"));
    QVERIFY(!catalogue.DlgNewType);
    QVERIFY2(t.ctx.device.VTypeFlag, "OLD with the sensor");
    QCOMPARE(t.ctx.device.PrevDevSize, QStringLiteral(" 35"));
}

void TestDeviceWindows::selectionDialogCloseBoxCancels() {
    TestContext t;
    DeviceCatalogue catalogue(t.ctx);
    FrmDevice2 dialog(t.ctx, catalogue);
    dialog.show();
    QVERIFY(dialog.close());
    QVERIFY(dialog.cancelled());
}

void TestDeviceWindows::calculatorTakesOverItsResult() {
    TestContext t(1);
    FrmDevice dialog(t.ctx);
    dialog.show();
    auto* result = child<QLabel>(&dialog, "lblStrokePulse");
    QCOMPARE(result->text(), QStringLiteral("機種なし"));
    QCOMPARE(child<QLabel>(&dialog, "Label4")->text(), QStringLiteral("VQ-50H ===>> ﾘｰﾄﾞ 4mm"));
    click(&dialog, "cmdInputStroke");
    QVERIFY2(dialog.isVisible(), "nothing calculated yet");
    QTest::keyClicks(child<QLineEdit>(&dialog, "txtStrokeTyo"), QStringLiteral("100"));
    QTest::keyClicks(child<QLineEdit>(&dialog, "txtRido"), QStringLiteral("6"));
    click(&dialog, "optActType_1");
    click(&dialog, "cmdCulStrokePulse");
    QCOMPARE(result->text(), QStringLiteral("3200"));
    click(&dialog, "cmdInputStroke");
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.inputStroke(), QStringLiteral("3200"));
}

void TestDeviceWindows::changeDeviceFromTheMainWindow() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    DeviceCatalogue catalogue(f.t.ctx);
    w.attachDevices(catalogue);
    w.show();
    auto* change = f.find<QPushButton>(QStringLiteral("cmdChangeDev"));
    bool disabledMeanwhile = false;
    onNextDialog([&](QWidget* dialog) {
        disabledMeanwhile = !change->isEnabled();
        auto* size = child<QComboBox>(dialog, "comboDeviceSize");
        size->setFocus();
        QTest::keyClick(size, Qt::Key_End);
        click(dialog, "cmdDeviceSet");
    });
    QTest::mouseClick(change, Qt::LeftButton);
    QVERIFY(disabledMeanwhile);
    QVERIFY(change->isEnabled());
    QCOMPARE(w.deviceLabel(), QStringLiteral("VQ- 50H-100"));
    QCOMPARE(w.statusPanelText(2), QStringLiteral("1mm = 100Pulse"));
    QCOMPARE(w.statusPanelText(3), QStringLiteral("1Pulse= 0.01mm"));
    QCOMPARE(f.t.settings.readText(QStringLiteral("DevSize"), {}), QStringLiteral(" 50"));
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestDeviceWindows::startupOfflineInJapanese() {
    MainWindowFixture f(1);
    f.t.settings.writeText(QStringLiteral("Device"), QStringLiteral("JM"));
    f.t.settings.writeText(QStringLiteral("NewType"), QStringLiteral("0"));
    MainProgram program;
    program.window = std::move(f.window);
    auto port = std::make_unique<ScriptedPort>();
    port->failOpen = true;
    program.controller =
        std::make_unique<ControllerSession>(f.t.ctx, *program.window, *program.window, std::move(port));
    program.window->attachController(*program.controller);
    program.window->formLoad();
    program.window->show();
    DeviceCatalogue catalogue(f.t.ctx);
    QStringList titles;
    onNextDialog([&](QWidget* question) {
        titles << question->windowTitle();
        onNextDialog([&](QWidget* selection) {
            titles << selection->windowTitle();
            QVERIFY(!child<QWidget>(selection, "framNewOrOld")->isVisible());
            click(selection, "cmdDeviceSet");
        });
        click(question, "cmdSelectOk"); // "Reading from C/T": the port cannot be opened
    });
    determineDeviceAtStartup(f.t.ctx, catalogue, program);
    QCOMPARE(titles, (QStringList{"使用機種の設定", "機種選択"}));
    QCOMPARE(f.t.op.lastText(), QStringLiteral("通信ポートのオープンに失敗しました。"));
    QCOMPARE(program.window->deviceLabel(), QStringLiteral("JM- 28L-100"));
    QCOMPARE(program.window->statusPanelText(2), QStringLiteral("1mm = 200ﾊﾟﾙｽ"));
    QCOMPARE(program.window->statusPanelText(3), QStringLiteral("1ﾊﾟﾙｽ= 0.005mm"));
    QVERIFY(!program.window->vqElement()->isVisible());
    QVERIFY2(program.window->setFocusDummyTimer()->isActive(), "the focus goes to the hidden box next");
}

QTEST_MAIN(TestDeviceWindows)
#include "tst_device_windows.moc"
