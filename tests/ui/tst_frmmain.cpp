// The main window's controls, captions, load and grids.
#include "operation/ProgramGridModel.h"
#include "position/PositionGridModel.h"
#include "ui/FrmMainFixture.h"
#include "ui/MainPositionButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

using namespace zovi;
using zovi::test::MainWindowFixture;

namespace {

// The text a control shows, whatever its kind.
QString shownText(QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object))
        return action->text();
    if (auto* menu = qobject_cast<QMenu*>(object))
        return menu->title();
    if (auto* label = qobject_cast<QLabel*>(object))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(object))
        return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(object))
        return group->title();
    return {};
}

QString shownTip(QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object))
        return action->toolTip();
    if (auto* widget = qobject_cast<QWidget*>(object))
        return widget->toolTip();
    return {};
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void namedControlsExistOnce_data();
    void namedControlsExistOnce();
    void captionsFollowTheLanguage_data();
    void captionsFollowTheLanguage();
    void toolTipsFollowTheLanguage_data();
    void toolTipsFollowTheLanguage();
    void captionAndSize_data();
    void captionAndSize();
    void loadSetsPortDeviceAndEditors();
    void loadCallsTheErrorListHookBeforeCaptions();
    void roundingChoiceAtLoad_data();
    void roundingChoiceAtLoad();
    void roundingOptionsSetTheFlag();
    void toolBarButtonsCarryTheirKeys();
    void positionGridLayout_data();
    void positionGridLayout();
    void positionGridStartsEmpty();
    void optionsRebuildKeepsData();
    void optionsLanguageNotice_data();
    void optionsLanguageNotice();
    void optionDialogRunsTheAfterStep();
    void programGridLayout();
    void statusPanels();
    void lampsAndDeviceMarks();
    void moveButtonsPictures();
    void helpContents_data();
    void helpContents();
};

void TestFrmMain::namedControlsExistOnce_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    const QStringList widgets = {
        "tbToolBar",    "sbStatusBar",  "optModeSelect_0",   "optModeSelect_1",   "frmTrancefer",
        "cmdFileOpen",  "cmdSaveFile",  "cmdGetfromCt",      "cmdLoadtoCt",       "cmdPosiDataShogo",
        "imgPortGreen", "frmDataEdit",  "lblDeviceType",     "cmdChangeDev",      "lblFileName",
        "flgdData",     "txtEdit",      "optSutiSyori_0",    "optSutiSyori_1",    "framAlarm",
        "imgAlarmLed",  "lblAlarmNo",   "lblErrorComment",   "cmdReset",          "frmMoveRepeat",
        "imgHomeGreen", "lblkanryoNo",  "framOut",           "imgOut1Green",      "imgOut2Green",
        "lblOutLamp1",  "lblOutLamp2",  "optSelectMove_0",   "optSelectMove_1",   "pictRenzoku",
        "flgdProgram",  "txtEdit2",     "pictureSelectMode", "optSelectMode_0",   "optSelectMode_1",
        "cmdMove",      "cmdTmpStop",   "cmdStop",           "cmdInp1toF",        "cmdDataClear",
        "chkRepeat",    "frmTimer",     "chkTimerUse",       "txtTimer",          "lblTimer",
        "pictSentaku",  "lblSelectPos", "lblSelectPosNo",    "pictureSelectMove", "imgButton_0",
        "imgButton_1",  "imgButton_2",  "imgButton_3",       "txtDummy",          "lblVqMark",
        "lblOldMark"};
    const QStringList actions = {
        "mnuFileNew",      "mnuFileOpen",      "mnuFileGetfromCt", "mnuFileSave",      "mnuFileSaveAs",
        "mnuFileLoadtoCt", "mnuFileShogoFile", "mnuFileShogoCt",   "mnuFilePageSetup", "mnuFilePrint",
        "mnuFileExit",     "mnuViewToolbar",   "mnuViewStatusBar", "mnuShowState",     "mnuChangeOut",
        "mnuShowParameta", "mnuViewOption",    "mnuShowCtversion", "mnuModeTrancefer", "mnuModeGaibu",
        "mnuHelpContents", "mnuHelpAbout"};
    const QStringList menus = {"mnuFile",        "mnuFileShogo",  "mnuEdit",   "mnuView",
                               "mnuInputOutput", "mnuModeChange", "mnuWindow", "mnuHelp"};
    // The receive poll, the reply time-out and the clock check belong to the serial link.
    const QStringList timers = {"timerMoving", "Timer2", "mmsecTimer", "timerSetFocusDummy"};
    for (const QString& name : widgets)
        QTest::newRow(qPrintable(name)) << name << "widget";
    for (const QString& name : actions)
        QTest::newRow(qPrintable(name)) << name << "action";
    for (const QString& name : menus)
        QTest::newRow(qPrintable(name)) << name << "menu";
    for (const QString& name : timers)
        QTest::newRow(qPrintable(name)) << name << "timer";
}

void TestFrmMain::namedControlsExistOnce() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    MainWindowFixture f;
    f.load();
    QCOMPARE(f.window->objectName(), QStringLiteral("frmMain"));
    const QList<QObject*> found = f.window->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QObject* object = found.first();
    if (kind == QLatin1String("widget"))
        QVERIFY(qobject_cast<QWidget*>(object) && !qobject_cast<QMenu*>(object));
    else if (kind == QLatin1String("action"))
        QVERIFY(qobject_cast<QAction*>(object));
    else if (kind == QLatin1String("menu"))
        QVERIFY(qobject_cast<QMenu*>(object));
    else
        QVERIFY(qobject_cast<QTimer*>(object));
}

void TestFrmMain::captionsFollowTheLanguage_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("en cmdFileOpen") << 2 << "cmdFileOpen"
                                    << "File Open";
    QTest::newRow("ja cmdFileOpen") << 1 << "cmdFileOpen"
                                    << "ﾌｧｲﾙを開く";
    QTest::newRow("en cmdLoadtoCt") << 2 << "cmdLoadtoCt"
                                    << "Write to  C/T";
    QTest::newRow("en optModeSelect_0") << 2 << "optModeSelect_0"
                                        << "Move Mode";
    QTest::newRow("ja optModeSelect_1") << 1 << "optModeSelect_1"
                                        << "編集ﾓｰﾄﾞ";
    QTest::newRow("en framAlarm") << 2 << "framAlarm"
                                  << "ALARM";
    QTest::newRow("ja framAlarm") << 1 << "framAlarm"
                                  << "ｱﾗｰﾑ";
    QTest::newRow("en lblErrorComment") << 2 << "lblErrorComment"
                                        << "No Error";
    QTest::newRow("ja lblErrorComment") << 1 << "lblErrorComment"
                                        << "ｴﾗｰなし";
    QTest::newRow("en imgButton_0") << 2 << "imgButton_0"
                                    << "Home";
    QTest::newRow("ja imgButton_3") << 1 << "imgButton_3"
                                    << "ﾎﾟｼﾞｼｮﾝNo.3";
    QTest::newRow("en optSelectMove_1") << 2 << "optSelectMove_1"
                                        << "Selective Motion";
    QTest::newRow("en cmdInp1toF") << 2 << "cmdInp1toF"
                                   << "1 to 3";
    QTest::newRow("en lblTimer") << 2 << "lblTimer"
                                 << "Unit for setting is 100msec. (e.g. 10 = 1 second)";
    QTest::newRow("en cmdChangeDev") << 2 << "cmdChangeDev"
                                     << "Change";
    QTest::newRow("ja lblDeviceTypeCaption") << 1 << "lblDeviceTypeCaption"
                                             << "機種";
    QTest::newRow("en lblFileName") << 2 << "lblFileName"
                                    << "New Data";
    QTest::newRow("ja lblFileName") << 1 << "lblFileName"
                                    << "新データ";
    QTest::newRow("en mnuFile") << 2 << "mnuFile"
                                << "File(&F)";
    // The lone "&" is a word and shows as one; "(&N)" marks the access key.
    QTest::newRow("en mnuFileNew") << 2 << "mnuFileNew"
                                   << "Clear All && New Data(&N)";
    QTest::newRow("ja mnuFileExit") << 1 << "mnuFileExit"
                                    << "終了(&X)";
    QTest::newRow("en mnuFileShogoCt") << 2 << "mnuFileShogoCt"
                                       << "C/T";
    QTest::newRow("ja mnuView") << 1 << "mnuView"
                                << "表示(&V)";
    QTest::newRow("en mnuShowState") << 2 << "mnuShowState"
                                     << "I/O Monitor(&I)";
    QTest::newRow("en mnuModeGaibu") << 2 << "mnuModeGaibu"
                                     << "External start mode(&G)";
    QTest::newRow("ja mnuHelpAbout") << 1 << "mnuHelpAbout"
                                     << "ﾊﾞｰｼﾞｮﾝ情報(&A)...";
    QTest::newRow("ja untranslated Edit item") << 1 << "mnuEditCopy"
                                               << "Copy";
}

void TestFrmMain::captionsFollowTheLanguage() {
    QFETCH(int, langNo);
    QFETCH(QString, name);
    QFETCH(QString, text);
    MainWindowFixture f(static_cast<qint16>(langNo));
    f.load();
    QObject* object = f.find<QObject>(name);
    QVERIFY(object);
    QCOMPARE(shownText(object), text);
}

void TestFrmMain::toolTipsFollowTheLanguage_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("tip");
    // Tool-bar and rounding tips have Japanese entries only: English keeps the design-time tip.
    QTest::newRow("en tool bar New") << 2 << "tbButton_New"
                                     << "All clear & New Data";
    QTest::newRow("ja tool bar New") << 1 << "tbButton_New"
                                     << "新規作成";
    QTest::newRow("en tool bar Shogo") << 2 << "tbButton_Shogo"
                                       << "Verify Data";
    QTest::newRow("ja tool bar Open") << 1 << "tbButton_Open"
                                      << "開く";
    QTest::newRow("en round up") << 2 << "optSutiSyori_0"
                                 << "When the Position is input with millimeter,it sets the value is Rounded "
                                    "up to the adaptable value.";
    QTest::newRow("ja round down") << 1 << "optSutiSyori_1"
                                   << "位置をmm入力した時に、位置を取りうる値に切り下げます";
    QTest::newRow("en cmdSaveFile") << 2 << "cmdSaveFile"
                                    << "Save Position data to file";
    QTest::newRow("ja cmdGetfromCt") << 1 << "cmdGetfromCt"
                                     << "ｺﾝﾄﾛｰﾗからﾃﾞｰﾀを読込";
    QTest::newRow("en port lamp") << 2 << "imgPortGreen"
                                  << "Green:COM-PORT OPEN / White:COM-PORT CLOSE";
    QTest::newRow("en port lamp off") << 2 << "imgPortWhite"
                                      << "Green:COM-PORT OPEN / White:COM-PORT CLOSE";
    QTest::newRow("ja home lamp") << 1 << "imgHomeGreen"
                                  << "緑:原点復帰完了 / 白:原点復帰未完了";
    QTest::newRow("en txtTimer") << 2 << "txtTimer"
                                 << "Input with 100msec unit.";
    QTest::newRow("en reset has no tip") << 2 << "cmdReset"
                                         << "";
    QTest::newRow("ja reset") << 1 << "cmdReset"
                              << "ｱﾗｰﾑをﾘｾｯﾄします";
}

void TestFrmMain::toolTipsFollowTheLanguage() {
    QFETCH(int, langNo);
    QFETCH(QString, name);
    QFETCH(QString, tip);
    MainWindowFixture f(static_cast<qint16>(langNo));
    f.load();
    QObject* object = f.find<QObject>(name);
    QVERIFY(object);
    QCOMPARE(shownTip(object), tip);
}

void TestFrmMain::captionAndSize_data() {
    QTest::addColumn<int>("langNo");
    QTest::newRow("English") << 2;
    QTest::newRow("Japanese") << 1;
}

void TestFrmMain::captionAndSize() {
    QFETCH(int, langNo);
    MainWindowFixture f(static_cast<qint16>(langNo));
    FrmMain& w = f.load();
    QCOMPARE(w.windowTitle(), QStringLiteral("ZO-VI Ver1.20E"));
    QCOMPARE(w.size(), QSize(775, 505));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(775, 505));
}

void TestFrmMain::loadSetsPortDeviceAndEditors() {
    MainWindowFixture f;
    f.t.settings.writeInt(QStringLiteral("PortNo"), 3);
    f.t.ctx.device.DevSize = QStringLiteral(" 28");
    f.t.ctx.device.DevSpeed = QStringLiteral("L");
    f.t.ctx.device.DevStroke = 100;
    f.find<QLineEdit>("txtEdit")->setText("12");
    f.find<QLineEdit>("txtEdit2")->setText("3");
    FrmMain& w = f.load();
    QCOMPARE(f.t.ctx.options.PortNo, qint16(3));
    QCOMPARE(f.t.ctx.device.DevSize, QStringLiteral("0"));
    QCOMPARE(f.t.ctx.device.DevSpeed, QString());
    QCOMPARE(f.t.ctx.device.DevStroke, qint16(0));
    QCOMPARE(w.positionEditor()->text(), QString());
    QCOMPARE(w.programEditor()->text(), QString());
    QVERIFY(w.positionEditor()->isHidden());
    QVERIFY(w.programEditor()->isHidden());
    QCOMPARE(w.currentDataName(), QStringLiteral("New Data"));
}

void TestFrmMain::loadCallsTheErrorListHookBeforeCaptions() {
    MainWindowFixture f(1);
    int calls = 0;
    QString captionDuringHook;
    f.window->loadErrorList = [&] {
        ++calls;
        captionDuringHook = f.find<QAbstractButton>("cmdFileOpen")->text();
    };
    f.load();
    QCOMPARE(calls, 1);
    QCOMPARE(captionDuringHook, QStringLiteral("File Open"));
    QCOMPARE(f.find<QAbstractButton>("cmdFileOpen")->text(), QStringLiteral("ﾌｧｲﾙを開く"));
}

void TestFrmMain::roundingChoiceAtLoad_data() {
    QTest::addColumn<bool>("roundUp");
    QTest::addColumn<QString>("checkedOption");
    QTest::newRow("round up") << true << "optSutiSyori_0";
    QTest::newRow("design-time choice") << false << "optSutiSyori_1";
}

void TestFrmMain::roundingChoiceAtLoad() {
    QFETCH(bool, roundUp);
    QFETCH(QString, checkedOption);
    MainWindowFixture f;
    f.t.ctx.options.MmRoundUpFlag = roundUp;
    f.load();
    QVERIFY(f.find<QRadioButton>(checkedOption)->isChecked());
    QCOMPARE(f.t.ctx.options.MmRoundUpFlag, roundUp);
}

void TestFrmMain::roundingOptionsSetTheFlag() {
    MainWindowFixture f;
    f.load();
    QVERIFY(f.t.ctx.options.MmRoundUpFlag);
    f.find<QRadioButton>("optSutiSyori_1")->click();
    QVERIFY(!f.t.ctx.options.MmRoundUpFlag);
    f.find<QRadioButton>("optSutiSyori_0")->click();
    QVERIFY(f.t.ctx.options.MmRoundUpFlag);
}

void TestFrmMain::toolBarButtonsCarryTheirKeys() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    const QStringList keys = {"", "New", "Open", "Save", "", "Print", "", "Read", "Load", "Shogo"};
    for (int index = 1; index <= 9; ++index) {
        QAction* button = w.toolBarButton(index);
        QVERIFY(button);
        QCOMPARE(button->isSeparator(), keys[index].isEmpty());
        QCOMPARE(button->data().toString(), keys[index]);
    }
    QVERIFY(!w.toolBarButton(0));
    QVERIFY(!w.toolBarButton(10));
    const QList<QAction*> shown = f.find<QWidget>("tbToolBar")->actions();
    QCOMPARE(shown.size(), 9);
    for (int index = 1; index <= 9; ++index)
        QCOMPARE(shown[index - 1], w.toolBarButton(index));
}

void TestFrmMain::positionGridLayout_data() {
    QTest::addColumn<int>("langNo");
    QTest::addColumn<bool>("pulse");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("mmAlignment");
    // Widths in pixels: 700 twips = 46, 1100 = 73; the comment takes 5100 - 3250 or 5100 - 4350 twips.
    QTest::newRow("mm only") << 2 << false << QStringList{"No.", "VEL", "ACC", "Posi(mm)", "", "Comment"}
                             << QList<int>{46, 46, 46, 73, 0, 123} << int(Qt::AlignRight | Qt::AlignVCenter);
    QTest::newRow("with pulses") << 2 << true
                                 << QStringList{"No.", "VEL", "ACC", "Posi(mm)", "Posi(Pulse)", "Comment"}
                                 << QList<int>{46, 46, 46, 73, 73, 50} << int(Qt::AlignCenter);
    QTest::newRow("Japanese with pulses")
        << 1 << true << QStringList{"No.", "VEL", "ACC", "位置(mm)", "位置(ﾊﾟﾙｽ)", "ｺﾒﾝﾄ"}
        << QList<int>{46, 46, 46, 73, 73, 50} << int(Qt::AlignCenter);
}

void TestFrmMain::positionGridLayout() {
    QFETCH(int, langNo);
    QFETCH(bool, pulse);
    QFETCH(QStringList, headings);
    QFETCH(QList<int>, widths);
    QFETCH(int, mmAlignment);
    MainWindowFixture f(static_cast<qint16>(langNo));
    f.t.ctx.options.PlsPosFlag = pulse;
    FrmMain& w = f.load();
    QTableView* grid = w.positionGrid();
    QAbstractItemModel* model = grid->model();
    QCOMPARE(model->rowCount(), 3);
    QCOMPARE(model->columnCount(), 6);
    for (int col = 0; col < 6; ++col) {
        QCOMPARE(model->headerData(col, Qt::Horizontal, Qt::DisplayRole).toString(), headings[col]);
        QCOMPARE(grid->columnWidth(col), widths[col]);
    }
    QCOMPARE(grid->isColumnHidden(PositionGridModel::ColPulse), !pulse);
    // Four rows (headings and three positions) share the grid's 1800 twips.
    QCOMPARE(grid->horizontalHeader()->height(), 30);
    for (int row = 0; row < 3; ++row)
        QCOMPARE(grid->rowHeight(row), 30);
    const auto alignment = [model](int col) {
        return model->index(0, col).data(Qt::TextAlignmentRole).value<Qt::Alignment>();
    };
    QCOMPARE(int(alignment(PositionGridModel::ColMm)), mmAlignment);
    QCOMPARE(alignment(PositionGridModel::ColVel), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(alignment(PositionGridModel::ColComment), Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(model->index(row, PositionGridModel::ColPulse).data(Qt::BackgroundRole).value<QColor>(),
                 QColor(0xE0, 0xE0, 0xE0));
        QVERIFY(!model->index(row, PositionGridModel::ColComment).data(Qt::BackgroundRole).isValid());
    }
}

void TestFrmMain::positionGridStartsEmpty() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    PositionGridModel& model = w.positionModel();
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(model.text(row, 0), QString::number(row));
        for (int col = 1; col <= 5; ++col)
            QCOMPARE(model.text(row, col), QString());
    }
}

void TestFrmMain::optionsRebuildKeepsData() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    PositionGridModel& model = w.positionModel();
    model.setText(2, PositionGridModel::ColVel, "5");
    model.setText(2, PositionGridModel::ColMm, " 12.000");
    model.setText(2, PositionGridModel::ColComment, "kept");

    f.t.ctx.options.PlsPosFlag = true;
    f.t.ctx.options.PulsDispChangeFlag = true;
    w.afterOptionsDialog();
    QVERIFY(!w.positionGrid()->isColumnHidden(PositionGridModel::ColPulse));
    QCOMPARE(w.positionGrid()->columnWidth(PositionGridModel::ColComment), 50);
    QCOMPARE(model.text(0, PositionGridModel::ColPulse), QStringLiteral("Posi(Pulse)"));
    QCOMPARE(model.text(2, PositionGridModel::ColVel), QStringLiteral("5"));
    QCOMPARE(model.text(2, PositionGridModel::ColMm), QStringLiteral(" 12.000"));
    QCOMPARE(model.text(2, PositionGridModel::ColComment), QStringLiteral("kept"));

    f.t.ctx.options.PlsPosFlag = false;
    w.afterOptionsDialog();
    QVERIFY(w.positionGrid()->isColumnHidden(PositionGridModel::ColPulse));
    QCOMPARE(model.text(0, PositionGridModel::ColPulse), QString());
    QCOMPARE(w.positionGrid()->columnWidth(PositionGridModel::ColComment), 123);
    QCOMPARE(model.text(2, PositionGridModel::ColComment), QStringLiteral("kept"));
}

void TestFrmMain::optionsLanguageNotice_data() {
    QTest::addColumn<bool>("languageChanged");
    QTest::addColumn<int>("messages");
    QTest::newRow("language changed") << true << 1;
    QTest::newRow("language kept") << false << 0;
}

void TestFrmMain::optionsLanguageNotice() {
    QFETCH(bool, languageChanged);
    QFETCH(int, messages);
    MainWindowFixture f;
    FrmMain& w = f.load();
    f.t.ctx.lang.LangChangeFlag = languageChanged;
    f.t.ctx.options.PlsPosFlag = true; // without the change flag the grid is left alone
    w.afterOptionsDialog();
    QVERIFY(w.positionGrid()->isColumnHidden(PositionGridModel::ColPulse));
    QCOMPARE(f.t.op.messages.size(), messages);
    if (messages)
        QCOMPARE(f.t.op.lastText(),
                 QStringLiteral("Language Setting has been changed.\r\n\r\nFinish ZO-VI and restart again."));
}

void TestFrmMain::optionDialogRunsTheAfterStep() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.show();
    f.t.ctx.options.PlsPosFlag = true;
    f.t.ctx.options.PulsDispChangeFlag = true;
    QString dialogClass;
    QTimer::singleShot(0, this, [&] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            dialogClass = QString::fromLatin1(dialog->metaObject()->className());
            dialog->reject();
        }
    });
    f.find<QAction>("mnuViewOption")->trigger();
    QCOMPARE(dialogClass, QStringLiteral("zovi::FrmOptions2"));
    QVERIFY(!w.positionGrid()->isColumnHidden(PositionGridModel::ColPulse));
}

void TestFrmMain::programGridLayout() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    QTableView* grid = w.programGrid();
    QCOMPARE(grid->model()->rowCount(), ProgramGridModel::kRows - 1);
    QCOMPARE(grid->model()->columnCount(), 2);
    QCOMPARE(grid->model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("No."));
    QCOMPARE(grid->columnWidth(1), 50); // 750 twips
    ProgramGridModel& model = w.programModel();
    for (int step = 1; step <= 9; ++step) {
        QCOMPARE(model.text(step, 0), QString::number(step));
        QCOMPARE(model.step(step), QString());
    }
    model.setStep(4, "2");
    QCOMPARE(grid->model()->index(3, 1).data().toString(), QStringLiteral("2"));
    model.setStep(10, "1");
    QCOMPARE(model.step(10), QString());
    model.clearSteps();
    QCOMPARE(model.step(4), QString());
}

void TestFrmMain::statusPanels() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.setStatusPanel(1, "version");
    w.setStatusPanel(2, "1mm = 200Pulse");
    w.setStatusPanel(3, "1Pulse= 0.005mm");
    w.setStatusPanel(0, "ignored");
    w.setStatusPanel(4, "ignored");
    QCOMPARE(w.statusPanelText(1), QStringLiteral("version"));
    QCOMPARE(w.statusPanelText(2), QStringLiteral("1mm = 200Pulse"));
    QCOMPARE(w.statusPanelText(3), QStringLiteral("1Pulse= 0.005mm"));
    QCOMPARE(w.statusPanelText(0), QString());
    const QList<QLabel*> panels = f.find<QWidget>("sbStatusBar")->findChildren<QLabel*>();
    QStringList texts;
    for (QLabel* panel : panels)
        texts << panel->text();
    QVERIFY(!texts.contains(QStringLiteral("ignored")));
}

void TestFrmMain::lampsAndDeviceMarks() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    for (const char* lamp : {"imgPortGreen", "imgHomeGreen", "imgOut1Green", "imgOut2Green", "imgAlarmLed"})
        QVERIFY2(f.find<QWidget>(lamp)->isHidden(), lamp);
    w.setPortLamp(true);
    w.setHomeLamp(true);
    w.setOutputLamps(false, true);
    w.setAlarmLamp(true);
    QVERIFY(!f.find<QWidget>("imgPortGreen")->isHidden());
    QVERIFY(!f.find<QWidget>("imgHomeGreen")->isHidden());
    QVERIFY(f.find<QWidget>("imgOut1Green")->isHidden());
    QVERIFY(!f.find<QWidget>("imgOut2Green")->isHidden());
    QVERIFY(!f.find<QWidget>("imgAlarmLed")->isHidden());

    w.setAlarmNo("0E");
    w.setErrorComment("stopped");
    w.setCompletedPosition("2");
    w.setDeviceLabel("VQ- 28L-100");
    QCOMPARE(f.find<QLabel>("lblAlarmNo")->text(), QStringLiteral("0E"));
    QCOMPARE(f.find<QLabel>("lblErrorComment")->text(), QStringLiteral("stopped"));
    QCOMPARE(f.find<QLabel>("lblkanryoNo")->text(), QStringLiteral("2"));
    QCOMPARE(w.deviceLabel(), QStringLiteral("VQ- 28L-100"));

    // A VQ NEW device shows the VQ mark only, OLD both, JM neither.
    w.show();
    QVERIFY(w.vqElement()->isVisible());
    QVERIFY(!w.oldElement()->isVisible());
    w.setOldElementVisible(true);
    QVERIFY(w.oldElement()->isVisible());
    w.setVqElementVisible(false);
    QVERIFY(!w.vqElement()->isVisible());
    QVERIFY(!w.oldElement()->isVisible());
    QCOMPARE(w.oldElement()->parentWidget(), w.vqElement());
}

void TestFrmMain::moveButtonsPictures() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.positionButton(i)->picture(), PositionButton::kGreyPicture);
    w.setButtonPicture(2, PositionButton::kLitPicture);
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kLitPicture);
    w.setButtonPicture(2, 7); // not a face: unchanged
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kLitPicture);
    w.setButtonPicture(4, PositionButton::kLitPicture);
    QVERIFY(!w.positionButton(4));
    QVERIFY(!w.positionButton(-1));
    w.AllSelectMoveButtonChange2Glay();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.positionButton(i)->picture(), PositionButton::kGreyPicture);
}

void TestFrmMain::helpContents_data() {
    QTest::addColumn<bool>("manualPresent");
    QTest::addColumn<bool>("browserWorks");
    QTest::addColumn<bool>("messageShown");
    QTest::newRow("manual opened") << true << true << false;
    QTest::newRow("no manual") << false << true << true;
    QTest::newRow("no browser") << true << false << true;
}

void TestFrmMain::helpContents() {
    QFETCH(bool, manualPresent);
    QFETCH(bool, browserWorks);
    QFETCH(bool, messageShown);
    MainWindowFixture f;
    f.load();
    if (manualPresent)
        f.desktop.existingFiles << f.t.ctx.folder.file(QStringLiteral("help/index.html"));
    f.desktop.browserWorks = browserWorks;
    f.find<QAction>("mnuHelpContents")->trigger();
    QCOMPARE(f.t.op.messages.size(), messageShown ? 1 : 0);
    if (messageShown) {
        QCOMPARE(f.t.op.lastText(),
                 QStringLiteral("Can not indicate Help file.No Help files related to this project."));
        QCOMPARE(f.t.op.messages.last().title, QStringLiteral("ZO-VI Ver1.20E"));
        QCOMPARE(f.t.op.messages.last().icon, Icon::Information);
    }
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
