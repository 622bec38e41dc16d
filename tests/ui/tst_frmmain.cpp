// The main window's captions, load, grids, option after-step and help commands.
#include "operation/ProgramGridModel.h"
#include "position/PositionGridModel.h"
#include "ui/FrmMainFixture.h"
#include "ui/MainPositionButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace zovi;
using namespace Qt::StringLiterals;
using zovi::test::MainWindowFixture;

namespace {

// The text or the tip a control shows, whatever its kind.
QString shown(QObject* object, bool tip) {
    if (tip)
        return object->property("toolTip").toString();
    const QVariant title = object->property("title"); // menus and frames
    return title.isValid() ? title.toString() : object->property("text").toString();
}

// Every text the window shows or gives to accessibility: captions, titles, tips, column headings.
QStringList everyText(FrmMain& window) {
    QStringList texts = {window.windowTitle()};
    for (QObject* object : window.findChildren<QObject*>()) {
        if (!qobject_cast<QAction*>(object) && !qobject_cast<QAbstractButton*>(object) &&
            !qobject_cast<QLabel*>(object) && !qobject_cast<QGroupBox*>(object) &&
            !qobject_cast<QMenu*>(object))
            continue;
        texts << shown(object, false) << shown(object, true);
    }
    for (QTableView* grid : {window.positionGrid(), window.programGrid()}) {
        for (int col = 0; col < grid->model()->columnCount(); ++col)
            texts << grid->model()->headerData(col, Qt::Horizontal).toString();
    }
    return texts;
}

// A word of Latin letters that is not a name, a unit or an abbreviation both languages use.
bool hasEnglishWord(QString text) {
    static const QRegularExpression accessKey(u"\\(&.\\)|&"_s);
    static const QRegularExpression common(
        u"ZO-VI|C/T|VEL|ACC|OUT|No\\.|mm|msec|VQ|JM|COM|RS-232C|BK|CD|Ver"_s);
    static const QRegularExpression word(u"[A-Za-z]{2,}"_s);
    return text.remove(accessKey).remove(common).contains(word);
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void captionsOfBothLanguagesWithoutADataFolder();
    void japaneseRunShowsNoEnglish();
    void loadResetsTheRun();
    void roundingOptionsMirrorTheFlag();
    void positionGridLayout_data();
    void positionGridLayout();
    void optionsRebuildKeepsThePulseFlag();
    void programGridStepsAndMoveButtons();
    void statusPanelsAndDeviceMarks();
    void helpMenusTellWithTheWindowTitle();
};

// The catalogue is part of the program: a run with nothing beside it still has its captions.
void TestFrmMain::captionsOfBothLanguagesWithoutADataFolder() {
    struct Shown {
        int langNo;
        const char* name;
        bool tip;
        const char* text;
    };
    const Shown rows[] = {
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
        {1, "cmdReset", true, "ｱﾗｰﾑをﾘｾｯﾄします"},
    };
    QTemporaryDir nothingBeside;
    QStringList wrong;
    for (qint16 langNo : {1, 2}) {
        MainWindowFixture f(langNo);
        f.t.ctx.folder = ProgramFolder(nothingBeside.path());
        f.load();
        for (const Shown& row : rows) {
            if (row.langNo != langNo)
                continue;
            QObject* object = f.find<QObject>(QString::fromLatin1(row.name));
            const QString text = object ? shown(object, row.tip) : u"(missing)"_s;
            if (text != QString::fromUtf8(row.text))
                wrong << u"%1 shows %2"_s.arg(QLatin1String(row.name), text);
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(u"; "_s)));
}

void TestFrmMain::japaneseRunShowsNoEnglish() {
    MainWindowFixture f(1);
    FrmMain& w = f.load();
    QStringList english;
    for (const QString& text : everyText(w)) {
        if (hasEnglishWord(text))
            english << text;
    }
    QVERIFY2(english.isEmpty(), qPrintable(english.join(u" | "_s)));
}

void TestFrmMain::loadResetsTheRun() {
    MainWindowFixture f(1);
    f.t.settings.writeInt(u"PortNo"_s, 3);
    f.t.ctx.device.DevSize = u" 28"_s;
    f.t.ctx.device.DevSpeed = u"L"_s;
    f.t.ctx.device.DevStroke = 100;
    f.find<QLineEdit>(u"txtEdit"_s)->setText(u"12"_s);
    f.find<QLineEdit>(u"txtEdit2"_s)->setText(u"3"_s);
    QStringList captionsAtHook; // the error list is read before the captions change language
    f.window->loadErrorList = [&] {
        captionsAtHook << f.find<QAbstractButton>(u"cmdFileOpen"_s)->text();
    };
    FrmMain& w = f.load();
    QCOMPARE(captionsAtHook, QStringList{u"File Open"_s});
    QCOMPARE(f.t.ctx.options.PortNo, qint16(3));
    QCOMPARE(f.t.ctx.device.DevSize, u"0"_s);
    QCOMPARE(f.t.ctx.device.DevSpeed, QString());
    QCOMPARE(f.t.ctx.device.DevStroke, qint16(0));
    for (QLineEdit* editor : {w.positionEditor(), w.programEditor()})
        QVERIFY(editor->text().isEmpty() && editor->isHidden());
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

void TestFrmMain::positionGridLayout_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<bool>("pulse");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<int>("commentWidth"); // what the other columns leave of the grid
    QTest::addColumn<int>("mmAlignment");
    QTest::newRow("mm only") << 2 << false << QStringList{"No.", "VEL", "ACC", "Posi(mm)", "", "Comment"}
                             << 123 << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("Japanese with pulses")
        << 1 << true << QStringList{"No.", "VEL", "ACC", "位置(mm)", "位置(ﾊﾟﾙｽ)", "ｺﾒﾝﾄ"} << 50
        << int(Qt::AlignCenter);
}

void TestFrmMain::positionGridLayout() {
    QFETCH(int, langNo);
    QFETCH(bool, pulse);
    QFETCH(QStringList, headings);
    QFETCH(int, commentWidth);
    QFETCH(int, mmAlignment);
    MainWindowFixture f(static_cast<qint16>(langNo));
    f.t.ctx.options.PlsPosFlag = pulse;
    FrmMain& w = f.load();
    QTableView* grid = w.positionGrid();
    QAbstractItemModel* model = grid->model();
    QStringList shownHeadings;
    QStringList secondRow; // the positions start numbered and empty
    for (int col = 0; col < model->columnCount(); ++col) {
        shownHeadings << model->headerData(col, Qt::Horizontal).toString();
        secondRow << model->index(1, col).data().toString();
    }
    QCOMPARE(shownHeadings, headings);
    QCOMPARE(secondRow, (QStringList{"2", "", "", "", "", ""}));
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(grid->isColumnHidden(PositionGridModel::ColPulse), !pulse);
    QCOMPARE(grid->columnWidth(PositionGridModel::ColComment), commentWidth);
    const auto alignment = [model](int col) {
        return int(model->index(0, col).data(Qt::TextAlignmentRole).value<Qt::Alignment>());
    };
    QCOMPARE(alignment(PositionGridModel::ColMm), mmAlignment);
    QCOMPARE(alignment(PositionGridModel::ColComment), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model->index(1, PositionGridModel::ColPulse).data(Qt::BackgroundRole).value<QColor>(),
             QColor(0xE0, 0xE0, 0xE0));
}

// View > Option, OK with the pulse display switched on, and later OKs without a change: each
// rebuilds the grid and refreshes the positions, because the handler leaves the change flag set.
void TestFrmMain::optionsRebuildKeepsThePulseFlag() {
    MainWindowFixture f;
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
    okWith(false);
    QCOMPARE(refreshes, 0);
    QVERIFY(w.positionGrid()->isColumnHidden(PositionGridModel::ColPulse));
    okWith(true);
    QCOMPARE(refreshes, 1);
    QVERIFY(!w.positionGrid()->isColumnHidden(PositionGridModel::ColPulse));
    QCOMPARE(model.text(2, PositionGridModel::ColComment), u"kept"_s);
    okWith(true);
    QCOMPARE(refreshes, 2);
    QVERIFY(f.t.ctx.options.PulsDispChangeFlag);
    QVERIFY(f.t.op.messages.isEmpty());
}

void TestFrmMain::programGridStepsAndMoveButtons() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    QAbstractItemModel* grid = w.programGrid()->model();
    QCOMPARE(grid->rowCount(), 9);
    ProgramGridModel& model = w.programModel();
    for (int step = 1; step <= 9; ++step)
        QVERIFY(model.text(step, 0) == QString::number(step) && model.step(step).isEmpty());
    model.setStep(4, u"2"_s);
    QCOMPARE(grid->index(3, 1).data().toString(), u"2"_s);
    model.setStep(10, u"1"_s);
    QCOMPARE(model.step(10), QString());

    w.setButtonPicture(2, PositionButton::kLitPicture);
    w.setButtonPicture(2, 7); // not a face: unchanged
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kLitPicture);
    QVERIFY(!w.positionButton(4) && !w.positionButton(-1));
    w.AllSelectMoveButtonChange2Glay();
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kGreyPicture);
}

void TestFrmMain::statusPanelsAndDeviceMarks() {
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
