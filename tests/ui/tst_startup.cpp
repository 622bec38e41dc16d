// The start-up routine: settings and language first, the splash, the main window, then the device.
#include "FrmMainFixture.h"
#include "session/ControllerSession.h"
#include "ui/FrmSplash.h"
#include "ui/QtTranslations.h"
#include "ui/StartupRoutine.h"
#include "ui/Twips.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void startsWithSettingsSplashAndMainWindow_data();
    void startsWithSettingsSplashAndMainWindow();
    void withoutADeviceHookTheStoredDeviceIsLoaded();
};

void TestStartup::startsWithSettingsSplashAndMainWindow_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("splashText"); // the product description
    QTest::addColumn<QString>("yes");        // Qt's own standard button
    QTest::newRow("English")
        << u"2"_s << 10000 << u"New Data"_s
        << u"Editing of position data or parameters and test running can be done by ZO-VI."_s << u"&Yes"_s;
    QTest::newRow("Japanese") << u"1"_s << 0 << u"新データ"_s
                              << u"ZO-VIで位置ﾃﾞｰﾀやﾊﾟﾗﾒｰﾀの編集、試運転ができます。"_s << u"はい(&Y)"_s;
}

void TestStartup::startsWithSettingsSplashAndMainWindow() {
    QFETCH(QString, language);
    QFETCH(int, offset);
    QFETCH(QString, fileName);
    QFETCH(QString, splashText);
    QFETCH(QString, yes);
    TestContext t;
    FakeDesktop desktop;
    t.settings.writeText(QStringLiteral("Languege"), language);
    t.settings.writeText(QStringLiteral("PortNo"), QStringLiteral("3"));
    t.settings.writeText(QStringLiteral("PLSPos"), QStringLiteral("1"));
    StartupRoutine startup(t.ctx, desktop);
    qint64 atDeviceStep = -1;
    bool mainShown = false;
    QElapsedTimer clock;
    startup.determineDevice = [&](MainProgram& program) {
        atDeviceStep = clock.elapsed();
        mainShown = program.window->isVisible() && program.controller != nullptr;
    };
    QStringList splashTexts;
    QTimer::singleShot(500, this, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<FrmSplash*>(window) && window->isVisible()) {
                for (QLabel* label : window->findChildren<QLabel*>())
                    splashTexts << label->text();
            }
        }
    });
    clock.start();
    MainProgram program = startup.run();
    const QString yesShown = QCoreApplication::translate("QPlatformTheme", "&Yes");
    installQtTranslations(false);
    QVERIFY2(splashTexts.contains(splashText), qPrintable(splashTexts.join(u" | "_s)));
    QCOMPARE(yesShown, yes);
    QVERIFY2(atDeviceStep >= 2000, qPrintable(QString::number(atDeviceStep)));
    // On this machine the device question comes within 2.3 s; a loaded CI machine gets some slack.
    QVERIFY2(atDeviceStep < 3000, qPrintable(QString::number(atDeviceStep)));
    qInfo("start-up to the device step: %lld ms", atDeviceStep);
    QVERIFY(mainShown);
    QCOMPARE(int(t.ctx.lang.LangOffset), offset);
    QCOMPARE(t.ctx.options.PortNo, qint16(3));
    QVERIFY(t.ctx.options.PlsPosFlag);
    QCOMPARE(t.ctx.MainLeft, twips(program.window->x()));
    QCOMPARE(t.ctx.MainTop, twips(program.window->y()));
    QCOMPARE(program.window->windowTitle(), QStringLiteral("ZO-VI Ver1.20E"));
    QCOMPARE(program.window->findChild<QLabel*>(QStringLiteral("lblFileName"))->text(), fileName);
    QVERIFY(!program.controller->alarms.ErrListMissingFlag);
}

void TestStartup::withoutADeviceHookTheStoredDeviceIsLoaded() {
    TestContext t;
    FakeDesktop desktop;
    t.settings.writeText(QStringLiteral("DevStroke"), QStringLiteral("250"));
    StartupRoutine startup(t.ctx, desktop);
    MainProgram program = startup.run();
    QCOMPARE(t.ctx.device.DevStroke, qint16(250));
    QCOMPARE(t.ctx.device.DevSize, QStringLiteral(" 28"));
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
