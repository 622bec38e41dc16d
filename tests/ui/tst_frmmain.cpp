// The main window's captions, load, rounding choice, option after-step, panels and help commands.
#include "position/PositionGridModel.h"
#include "ui/FrmMainFixture.h"
#include "ui/MainPositionButton.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void captionsOfBothLanguagesWithoutADataFolder();
    void loadResetsTheRun();
    void roundingOptionsMirrorTheFlag();
    void optionsRebuildKeepsThePulseFlag();
    void statusPanelsMarksAndMoveButtons();
    void helpMenusTellWithTheWindowTitle();
};

// The catalogue is part of the program: a run with nothing beside it still has its captions.
void TestFrmMain::captionsOfBothLanguagesWithoutADataFolder() {
    // Language, control, whether its tip is meant, the text shown.
    const std::tuple<int, const char*, bool, const char*> rows[] = {
        {2, "mnuFile", false, "File(&F)"},
        {1, "mnuFileExit", false, "終了(&X)"},
        {2, "mnuFileNew", false, "Clear All && New Data(&N)"}, // a lone "&" is a word; "(&N)" the access key
        {1, "mnuEdit", false, "編集(&E)"},
        {2, "mnuEditPaste", false, "Paste(&P)"},
        {1, "mnuWindowTileVertical", false, "左右に並べて表示(&V)"},
        {2, "mnuHelpSearch", false, "Search(&S)"},
        {1, "cmdFileOpen", false, "ﾌｧｲﾙを開く"},
        {2, "framAlarm", false, "ALARM"},
        {1, "optModeSelect_1", false, "編集ﾓｰﾄﾞ"},
        // Tool-bar and rounding tips have Japanese entries only: English keeps the design-time tip.
        {2, "tbButton_New", true, "All clear & New Data"},
        {1, "tbButton_New", true, "新規作成"},
        {1, "optSutiSyori_1", true, "位置をmm入力した時に、位置を取りうる値に切り下げます"},
        {2, "imgPortWhite", true, "Green:COM-PORT OPEN / White:COM-PORT CLOSE"},
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

void TestFrmMain::loadResetsTheRun() {
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
}

void TestFrmMain::roundingOptionsMirrorTheFlag() {
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
void TestFrmMain::optionsRebuildKeepsThePulseFlag() {
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
            if (!dialog)
                return;
            dialog->findChild<QCheckBox*>(u"chkDispPulsPosi"_s)->setChecked(pulse);
            dialog->findChild<QPushButton*>(u"cmdOK"_s)->click();
        });
        f.find<QAction>(u"mnuViewOption"_s)->trigger();
    };
    QTableView* grid = w.positionGrid();
    okWith(false);
    QCOMPARE(refreshes, 0);
    QVERIFY(grid->isColumnHidden(PositionGridModel::ColPulse));
    QCOMPARE(grid->columnWidth(PositionGridModel::ColComment), 123);
    okWith(true);
    QCOMPARE(refreshes, 1);
    QVERIFY(!grid->isColumnHidden(PositionGridModel::ColPulse));
    QCOMPARE(grid->columnWidth(PositionGridModel::ColComment), 50);
    QCOMPARE(grid->model()->headerData(PositionGridModel::ColPulse, Qt::Horizontal).toString(),
             u"位置(ﾊﾟﾙｽ)"_s);
    QCOMPARE(model.text(2, PositionGridModel::ColComment), u"kept"_s);
    okWith(true);
    QCOMPARE(refreshes, 2);
    QVERIFY(f.t.ctx.options.PulsDispChangeFlag);
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestFrmMain::statusPanelsMarksAndMoveButtons() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    for (int panel = 0; panel <= 4; ++panel)
        w.setStatusPanel(panel, u"panel %1"_s.arg(panel));
    QStringList panels = {w.statusPanelText(0)};
    for (int panel = 1; panel <= 3; ++panel)
        panels << f.find<QLabel>(u"sbPanel_%1"_s.arg(panel))->text();
    QCOMPARE(panels, (QStringList{"", "panel 1", "panel 2", "panel 3"}));

    // A VQ NEW device shows the VQ mark only, OLD both, JM neither.
    w.show();
    QVERIFY(w.vqElement()->isVisible() && !w.oldElement()->isVisible());
    w.setOldElementVisible(true);
    QVERIFY(w.oldElement()->isVisible());
    w.setVqElementVisible(false);
    QVERIFY(!w.vqElement()->isVisible() && !w.oldElement()->isVisible());

    w.setButtonPicture(2, PositionButton::kLitPicture);
    w.setButtonPicture(2, 7); // not a face: unchanged
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kLitPicture);
    QVERIFY(!w.positionButton(4) && !w.positionButton(-1));
    w.AllSelectMoveButtonChange2Glay();
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kGreyPicture);
}

void TestFrmMain::helpMenusTellWithTheWindowTitle() {
    MainWindowFixture f;
    f.load();
    f.find<QAction>(u"mnuHelpContents"_s)->trigger();
    f.find<QAction>(u"mnuHelpSearch"_s)->trigger();
    QCOMPARE(f.t.op.messages.size(), 2);
    for (const auto& message : f.t.op.messages)
        QCOMPARE(message.title, u"ZO-VI Ver1.20E"_s);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
