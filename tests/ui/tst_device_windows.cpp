#include "FrmMainFixture.h"
#include "NextDialog.h"
#include "device/DeviceCatalogue.h"
#include "session/ControllerSession.h"
#include "support/FakePorts.h"
#include "ui/FrmDevice2.h"
#include "ui/FrmSelection.h"
#include "ui/MainDeviceView.h"
#include "ui/StartupRoutine.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;

namespace {

// Clicks near the left edge, where an option or check box has its mark.
void click(QWidget* parent, const char* name) {
    auto* button = child<QAbstractButton>(parent, QString::fromLatin1(name));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

class TestDeviceWindows : public QObject {
    Q_OBJECT
private slots:
    void startupQuestionCannotBeClosed() {
        TestContext t;
        FrmSelection dialog(t.ctx, true);
        dialog.show();
        QVERIFY(!child(&dialog, "cmdSelectCancel")->isEnabled());
        QVERIFY(!dialog.close());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QVERIFY(dialog.isVisible());
        click(&dialog, "optSelectKomoku_1");
        click(&dialog, "cmdSelectOk");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.answer(), 1);
    }

    void startupOfflineThroughTheMainWindow() {
        MainWindowFixture f(1);
        f.t.settings.writeText(QStringLiteral("Device"), QStringLiteral("JM"));
        f.t.settings.writeText(QStringLiteral("DevStroke"), QStringLiteral("9"));
        MainProgram program;
        program.window = std::move(f.window);
        auto port = std::make_unique<ScriptedPort>();
        port->failOpen = true;
        program.controller =
            std::make_unique<ControllerSession>(f.t.ctx, *program.window, *program.window, std::move(port));
        FrmMain& w = *program.window;
        w.formLoad();
        w.show();
        DeviceCatalogue catalogue(f.t.ctx);
        QStringList titles;
        bool changeDisabled = false;
        onNextDialog([&](QWidget* question) {
            titles << question->windowTitle();
            onNextDialog([&](QWidget* selection) {
                titles << selection->windowTitle();
                changeDisabled = !w.findChild<QPushButton*>(QStringLiteral("cmdChangeDev"))->isEnabled();
                auto* size = child<QComboBox>(selection, "comboDeviceSize");
                size->setFocus();
                QTest::keyClick(size, Qt::Key_End);
                click(selection, "cmdDeviceSet");
            });
            click(question, "cmdSelectOk"); // "Reading from C/T", but the port cannot be opened
        });
        determineDeviceAtStartup(f.t.ctx, catalogue, program);
        QCOMPARE(titles, (QStringList{"使用機種の設定", "機種選択"}));
        QCOMPARE(f.t.op.messages.size(), 2);
        QCOMPARE(f.t.op.messages[0].text, QStringLiteral("通信ポートのオープンに失敗しました。"));
        QCOMPARE(f.t.op.messages[1].text,
                 QStringLiteral("機種が選択されていません。\r\n\r\n機種を選択し直してください。"));
        QVERIFY(changeDisabled);
        QCOMPARE(w.deviceLabel(), QStringLiteral("JM- 42H-100"));
        QCOMPARE(w.statusPanelText(2) + w.statusPanelText(3),
                 QStringLiteral("1mm = 33.333ﾊﾟﾙｽ1ﾊﾟﾙｽ= 0.03mm"));
        QCOMPARE(f.t.settings.readText(QStringLiteral("DevSize"), {}), QStringLiteral(" 42"));
        QVERIFY(!w.vqElement()->isVisible());
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("cmdChangeDev"))->isEnabled());
        QVERIFY2(w.setFocusDummyTimer()->isActive(), "the focus goes to the hidden box next");
    }
};

QTEST_MAIN(TestDeviceWindows)
#include "tst_device_windows.moc"
