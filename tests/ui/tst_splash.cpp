#include "support/TestContext.h"
#include "ui/FrmSplash.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QtTest>

using namespace zovi;
using zovi::test::TestContext;

class TestSplash : public QObject {
    Q_OBJECT
private slots:
    void showsTheVersion();
    void lastsTwoSecondsWhileEventsFlow();
};

void TestSplash::showsTheVersion() {
    TestContext t;
    FrmSplash splash(t.ctx);
    QCOMPARE(splash.findChild<QLabel*>(QStringLiteral("lblVersion"))->text(),
             QStringLiteral("Version 1.20E"));
}

void TestSplash::lastsTwoSecondsWhileEventsFlow() {
    TestContext t;
    FrmSplash splash(t.ctx);
    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(100);
    QElapsedTimer clock;
    clock.start();
    splash.showAndWait();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(elapsed >= FrmSplash::kShowMs, qPrintable(QString::number(elapsed)));
    QVERIFY2(elapsed < FrmSplash::kShowMs + 1000, qPrintable(QString::number(elapsed)));
    QVERIFY2(ticks >= 15, "window events keep flowing while the splash waits");
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.SplashEndFlag);
}

QTEST_MAIN(TestSplash)
#include "tst_splash.moc"
