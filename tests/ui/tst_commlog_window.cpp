#include "link/CommLog.h"
#include "support/TestContext.h"
#include "ui/FrmCommLog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

using namespace zovi;
using namespace zovi::test;
using namespace Qt::StringLiterals;

namespace {

using Outcome = CommLog::Outcome;

// One exchange "0RH" with its reply and the outcome it ended with.
void exchange(CommLog& log, Outcome outcome) {
    log.begin();
    log.sent("0RH\r\n");
    log.received("0RH1\r\n");
    log.end(outcome);
}

QStringList column(const QTableView* grid, int col) {
    QStringList texts;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        texts << grid->model()->index(r, col).data().toString();
    return texts;
}

} // namespace

class TestCommLogWindow : public QObject {
    Q_OBJECT
private slots:
    // The filter shows the lines of one outcome, also those that settle while it is chosen.
    void filterByOutcome() {
        TestContext t;
        CommLog log;
        exchange(log, Outcome::Ok);
        exchange(log, Outcome::Timeout);
        FrmCommLog window(t.ctx, log);
        QTableView* grid = window.grid();
        QCOMPARE(grid->model()->rowCount(), 4);

        window.filter()->setCurrentIndex(int(Outcome::Timeout) + 1);
        QCOMPARE(column(grid, 2), (QStringList{u"Time-out"_s, u"Time-out"_s}));
        log.begin();
        log.sent("0RV\r\n");
        QCOMPARE(grid->model()->rowCount(), 2); // still waiting
        log.end(Outcome::Timeout);
        QCOMPARE(column(grid, 1), (QStringList{u"Sent"_s, u"Received"_s, u"Sent"_s}));
        QCOMPARE(column(grid, 3), (QStringList{u"0RH\\r\\n"_s, u"0RH1\\r\\n"_s, u"0RV\\r\\n"_s}));

        // Saving writes the lines shown.
        QTemporaryDir dir;
        t.op.chooseFile(dir.filePath(u"shown.txt"_s));
        window.cmdCommLogSave_Click();
        QFile file(dir.filePath(u"shown.txt"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()), CommLog::lineText(*log.line(2)) + u'\n' +
                                                        CommLog::lineText(*log.line(3)) + u'\n' +
                                                        CommLog::lineText(*log.line(4)) + u'\n');
        t.op.chooseFile(dir.filePath(u"missing/x.txt"_s));
        window.cmdCommLogSave_Click();
        QVERIFY(t.op.lastText().startsWith(u"The communication log could not be saved to"_s));

        window.filter()->setCurrentIndex(0);
        QCOMPARE(grid->model()->rowCount(), 5);
        grid->selectRow(1);
        window.cmdCommLogCopy_Click();
        QCOMPARE(QApplication::clipboard()->text(), CommLog::lineText(*log.line(1)) + u'\n');
    }

    // New lines keep the end in view until the operator scrolls up; then the view stays put.
    void followsTheEnd() {
        TestContext t;
        CommLog log;
        FrmCommLog window(t.ctx, log);
        window.resize(600, 300);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QScrollBar* bar = window.grid()->verticalScrollBar();
        for (int i = 0; i < 100; ++i)
            exchange(log, Outcome::Ok);
        QCoreApplication::processEvents();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());

        bar->setValue(bar->maximum() / 2);
        const int readingAt = bar->value();
        exchange(log, Outcome::Ok);
        QCoreApplication::processEvents();
        QCOMPARE(bar->value(), readingAt);

        bar->setValue(bar->maximum());
        exchange(log, Outcome::Ok);
        QCoreApplication::processEvents();
        QCOMPARE(bar->value(), bar->maximum());
    }

    // A full ring: the window drops its oldest row as each new line comes.
    void fullRingDropsTheTop() {
        TestContext t;
        CommLog log;
        for (qsizetype i = 0; i < CommLog::kCapacity / 2; ++i)
            exchange(log, Outcome::Ok);
        FrmCommLog window(t.ctx, log);
        log.received("0%%05\r\n");
        QAbstractItemModel* model = window.grid()->model();
        QCOMPARE(model->rowCount(), int(CommLog::kCapacity));
        QCOMPARE(model->index(0, 3).data().toString(), u"0RH1\\r\\n"_s);
        QCOMPARE(model->index(model->rowCount() - 1, 2).data().toString(), u"Unsolicited"_s);
    }
};

QTEST_MAIN(TestCommLogWindow)
#include "tst_commlog_window.moc"
