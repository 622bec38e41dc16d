// The main window's captions, load, rounding choice, option after-step, help commands and closing.
#include "position/PositionGridModel.h"
#include "ui/FrmMainFixture.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;

namespace {

// A shown main window whose serial port, as the close request sees it, is open.
struct Closing : MainWindowFixture {
    explicit Closing(qint16 langNo = 2)
        : MainWindowFixture(langNo) {
        load();
        window->portIsOpen = [this] {
            return portOpen;
        };
        window->closePort = [this] {
            ++portCloses;
            portOpen = false;
        };
        window->show();
    }
    bool portOpen = true;
    int portCloses = 0;
};

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    // The catalogue is part of the program: a run with nothing beside it still has its captions.
    void captionsOfBothLanguagesWithoutADataFolder() {
        // Language, control, whether its tip is meant, the text shown.
        const std::tuple<int, const char*, bool, const char*> rows[] = {
            {1, "mnuFileExit", false, "終了(&X)"},
            {2, "mnuFileNew", false,
             "Clear All && New Data(&N)"}, // a lone "&" is a word; "(&N)" the access key
            {1, "mnuEdit", false, "編集(&E)"},
            {1, "cmdFileOpen", false, "ﾌｧｲﾙを開く"},
            // Tool-bar and rounding tips have Japanese entries only: English keeps the design-time tip.
            {2, "tbButton_New", true, "All clear & New Data"},
            {1, "tbButton_New", true, "新規作成"},
        };
        QTemporaryDir nothingBeside;
        QStringList wrong;
        for (qint16 langNo : {1, 2}) {
            MainWindowFixture f(langNo);
            f.t.ctx.folder = ProgramFolder(nothingBeside.path());
            f.load();
            for (const auto& [language, name, tip, text] : rows) {
                QObject* object = f.find<QObject>(QString::fromLatin1(name));
                const QVariant title = object->property("title"); // menus and frames
                const QString shown = tip               ? object->property("toolTip").toString()
                                      : title.isValid() ? title.toString()
                                                        : object->property("text").toString();
                if (language == langNo && shown != QString::fromUtf8(text))
                    wrong << u"%1 shows %2"_s.arg(QLatin1String(name), shown);
            }
        }
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u"; "_s)));
    }

    // Form_Load, then the help commands of a window without a manual beside it.
    void loadResetsTheRun() {
        MainWindowFixture f(1);
        f.t.settings.writeInt(u"PortNo"_s, 3);
        f.t.ctx.device.DevStroke = 100;
        f.find<QLineEdit>(u"txtEdit"_s)->setText(u"12"_s);
        QStringList captionsAtHook; // the error list is read before the captions change language
        f.window->loadErrorList = [&] {
            captionsAtHook << f.find<QAbstractButton>(u"cmdFileOpen"_s)->text();
        };
        FrmMain& w = f.load();
        QCOMPARE(captionsAtHook, QStringList{u"File Open"_s});
        QCOMPARE(f.t.ctx.options.PortNo, qint16(3));
        QVERIFY(f.t.ctx.device.DevSize == u"0"_s && f.t.ctx.device.DevSpeed.isEmpty() &&
                f.t.ctx.device.DevStroke == 0);
        QVERIFY(w.positionEditor()->text().isEmpty() && w.positionEditor()->isHidden());
        QCOMPARE(w.currentDataName(), u"新データ"_s);
        QCOMPARE(w.windowTitle(), u"ZO-VI Ver1.20E"_s);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.size(), QSize(775, 505));
        // Help > Contents and Search tell, with the window's caption as title, that there is no manual.
        f.find<QAction>(u"mnuHelpContents"_s)->trigger();
        f.find<QAction>(u"mnuHelpSearch"_s)->trigger();
        QCOMPARE(f.t.op.messages.size(), 2);
        QVERIFY(f.t.op.messages[0].title == w.windowTitle() && f.t.op.messages[1].title == w.windowTitle());
    }

    void roundingOptionsMirrorTheFlag() {
        for (bool roundUp : {true, false}) {
            MainWindowFixture f;
            f.t.ctx.options.MmRoundUpFlag = roundUp;
            f.load();
            QVERIFY(f.find<QRadioButton>(roundUp ? u"optSutiSyori_0"_s : u"optSutiSyori_1"_s)->isChecked());
            f.find<QRadioButton>(roundUp ? u"optSutiSyori_1"_s : u"optSutiSyori_0"_s)->click();
            QCOMPARE(f.t.ctx.options.MmRoundUpFlag, !roundUp);
        }
    }

    // View > Option, OK with the pulse display switched on, and later OKs without a change: each
    // rebuilds the grid and refreshes the positions, because the handler leaves the change flag set.
    void optionsRebuildKeepsThePulseFlag() {
        MainWindowFixture f(1);
        FrmMain& w = f.load();
        w.show();
        PositionGridModel& model = w.positionModel();
        model.setText(2, PositionGridModel::ColComment, u"kept"_s);
        int refreshes = 0;
        w.refreshPositionDisplay = [&] {
            ++refreshes;
        };
        const auto okWith = [&](bool pulse) {
            QTimer::singleShot(0, this, [pulse] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                dialog->findChild<QCheckBox*>(u"chkDispPulsPosi"_s)->setChecked(pulse);
                dialog->findChild<QPushButton*>(u"cmdOK"_s)->click();
            });
            f.find<QAction>(u"mnuViewOption"_s)->trigger();
        };
        QTableView* grid = w.positionGrid();
        okWith(false);
        QCOMPARE(refreshes, 0);
        QVERIFY(grid->isColumnHidden(PositionGridModel::ColPulse));
        okWith(true);
        QCOMPARE(refreshes, 1);
        QVERIFY(!grid->isColumnHidden(PositionGridModel::ColPulse));
        QCOMPARE(grid->model()->headerData(PositionGridModel::ColPulse, Qt::Horizontal).toString(),
                 u"位置(ﾊﾟﾙｽ)"_s);
        QCOMPARE(model.text(2, PositionGridModel::ColComment), u"kept"_s);
        okWith(true);
        QCOMPARE(refreshes, 2);
        QVERIFY(f.t.ctx.options.PulsDispChangeFlag);
        QVERIFY(f.t.op.messages.isEmpty());
    }
    // Closing: what the window adds to the close questions (tst_shutdown asks them).
    // During a move the close box does nothing, silently; File > Exit still asks, and ends the program
    // only when the question is answered OK (or No for changed data, which leaves Exit to close the port).
    void busyRefusesTheCloseBoxButNotExit() {
        Closing c;
        c.t.ctx.operation.CtBusyFlag = true;
        QSignalSpy exits(c.window.get(), &FrmMain::exitRequested);
        QVERIFY(!c.window->close());
        QVERIFY(c.window->isVisible() && c.t.op.messages.isEmpty() && c.t.settings.values().isEmpty());
        c.t.op.answer(Answer::Cancel);
        c.find<QAction>(u"mnuFileExit"_s)->trigger();
        QVERIFY(c.window->isVisible() && c.window->closeRefused());
        QVERIFY(c.t.op.messages.size() == 1 && exits.isEmpty() && c.portCloses == 0);
        c.t.ctx.operation.DataChangeFlag = true;
        c.t.op.answer(Answer::No);
        c.find<QAction>(u"mnuFileExit"_s)->trigger();
        QVERIFY(!c.window->isVisible());
        QVERIFY(exits.count() == 1 && c.portCloses == 1);
    }

    // Changed data: Cancel keeps the window, Yes runs Save As, whose cancelled dialog keeps it too; a saved
    // file lets it close.
    void saveOfferRunsTheSaveDialog() {
        Closing c;
        c.t.ctx.operation.DataChangeFlag = true;
        c.t.op.answer(Answer::Cancel);
        QVERIFY(!c.window->close() && c.t.op.saveRequests.isEmpty());
        c.fillGrid({u"1,1,1"_s, u"1,1,1"_s, u"1,1,1"_s});
        c.t.op.answer(Answer::Yes);
        QVERIFY2(!c.window->close(), "a cancelled save dialog keeps the window");
        QCOMPARE(c.t.op.lastText(), u"Data have been changed. Save in file?"_s);
        QVERIFY(c.t.op.messages[1].buttons == Buttons::YesNoCancel &&
                c.t.op.messages[1].icon == Icon::Question);
        QCOMPARE(c.t.op.saveRequests.size(), 1);
        QCOMPARE(c.t.op.saveRequests[0].title, u"Save VQ data as ..."_s);

        QTemporaryDir dir;
        c.t.op.answer(Answer::Yes);
        c.t.op.chooseFile(dir.filePath(u"positions.vqd"_s));
        QVERIFY2(c.window->close(), "a saved file lets the window close");
        QVERIFY(QFile::exists(dir.filePath(u"positions.vqd"_s)));
    }

    void closeBoxStoresAndClosesOnlyWhenAccepted() {
        Closing c(1);
        QWidget other;
        other.show();
        c.t.ctx.options.PortNo = 7; // changed in the options during the run
        c.t.ctx.lang.LangChangeFlag = true;
        c.t.op.answer(Answer::Cancel);
        QVERIFY(!c.window->close());
        QVERIFY(c.window->isVisible() && c.window->closeRefused() && other.isVisible());
        QVERIFY(c.t.settings.values().isEmpty() && c.portCloses == 0);

        c.t.op.answer(Answer::Ok);
        QVERIFY(c.window->close());
        QVERIFY(c.portCloses == 1 && !other.isVisible() && c.t.op.saveRequests.isEmpty());
        QCOMPARE(c.t.settings.readInt(u"PortNo"_s, 0), qint16(7));
        QCOMPARE(c.t.settings.readInt(u"Languege"_s, 0), qint16(2));
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
