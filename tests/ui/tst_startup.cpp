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
#include <tuple>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void startsWithSettingsSplashAndMainWindow();

private:
    void startOnce(const QString& language, int offset, const QString& fileName, const QString& splashText,
                   const QString& yes);
};

void TestStartup::startsWithSettingsSplashAndMainWindow() {
    // Stored language -> offset, the new-data name, the splash's description and Qt's own "Yes".
    const std::tuple<const char*, int, const char*, const char*, const char*> rows[] = {
        {"2", 10000, "New Data",
         "Editing of position data or parameters and test running can be done by ZO-VI.", "&Yes"},
        {"1", 0, "新データ", "ZO-VIで位置ﾃﾞｰﾀやﾊﾟﾗﾒｰﾀの編集、試運転ができます。", "はい(&Y)"}};
    for (const auto& [language, offset, fileName, splashText, yes] : rows)
        startOnce(QString::fromUtf8(language), offset, QString::fromUtf8(fileName),
                  QString::fromUtf8(splashText), QString::fromUtf8(yes));
}

void TestStartup::startOnce(const QString& language, int offset, const QString& fileName,
                            const QString& splashText, const QString& yes) {
    TestContext t;
    FakeDesktop desktop;
    for (const auto& [key, value] :
         {std::pair{u"Languege"_s, language}, {u"PortNo"_s, u"3"_s}, {u"PLSPos"_s, u"1"_s}})
        t.settings.writeText(key, value);
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
    int ticksBeforeDevice = 0; // window events keep flowing while the splash waits
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ticksBeforeDevice += atDeviceStep < 0; });
    ticker.start(100);
    clock.start();
    MainProgram program = startup.run();
    const QString yesShown = QCoreApplication::translate("QPlatformTheme", "&Yes");
    installQtTranslations(false);
    QVERIFY2(splashTexts.contains(splashText) && splashTexts.contains(u"Version 1.20E"_s),
             qPrintable(splashTexts.join(u" | "_s)));
    QVERIFY2(ticksBeforeDevice >= 15, qPrintable(QString::number(ticksBeforeDevice)));
    QCOMPARE(yesShown, yes);
    QVERIFY2(atDeviceStep >= 2000, qPrintable(QString::number(atDeviceStep)));
    // On this machine the device question comes within 2.3 s; a loaded CI machine gets some slack.
    QVERIFY2(atDeviceStep < 3000, qPrintable(QString::number(atDeviceStep)));
    QVERIFY(mainShown && t.ctx.options.PortNo == 3 && t.ctx.options.PlsPosFlag);
    QCOMPARE(int(t.ctx.lang.LangOffset), offset);
    QCOMPARE(t.ctx.MainLeft, twips(program.window->x()));
    QCOMPARE(t.ctx.MainTop, twips(program.window->y()));
    QCOMPARE(program.window->windowTitle(), u"ZO-VI Ver1.20E"_s);
    QCOMPARE(program.window->findChild<QLabel*>(u"lblFileName"_s)->text(), fileName);
    QVERIFY(!program.controller->alarms.ErrListMissingFlag);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
