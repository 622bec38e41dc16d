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

// The text or the tip a control shows, whatever its kind.
QString shown(QObject* object, bool tip) {
    if (tip)
        return object->property("toolTip").toString();
    const QVariant title = object->property("title"); // menus and frames
    return title.isValid() ? title.toString() : object->property("text").toString();
}

// A few controls of each kind, in the run's language.
struct Shown {
    int langNo;
    const char* name;
    bool tip;
    const char* text;
};
const Shown kShown[] = {
    {2, "mnuFile", false, "File(&F)"},
    {1, "mnuView", false, "表示(&V)"},
    {2, "mnuFileNew", false, "Clear All && New Data(&N)"}, // a lone "&" is a word; "(&N)" the access key
    {1, "mnuFileExit", false, "終了(&X)"},
    {1, "mnuEditCopy", false, "ｺﾋﾟｰ(&C)"},
    {2, "cmdFileOpen", false, "File Open"},
    {1, "cmdFileOpen", false, "ﾌｧｲﾙを開く"},
    {2, "lblErrorComment", false, "No Error"},
    {1, "lblErrorComment", false, "ｴﾗｰなし"},
    {2, "framAlarm", false, "ALARM"},
    {1, "framAlarm", false, "ｱﾗｰﾑ"},
    {2, "optModeSelect_0", false, "Move Mode"},
    {1, "optModeSelect_1", false, "編集ﾓｰﾄﾞ"},
    // Tool-bar and rounding tips have Japanese entries only: English keeps the design-time tip.
    {2, "tbButton_New", true, "All clear & New Data"},
    {1, "tbButton_New", true, "新規作成"},
    {2, "optSutiSyori_0", true,
     "When the Position is input with millimeter,it sets the value is Rounded up to the adaptable value."},
    {1, "optSutiSyori_1", true, "位置をmm入力した時に、位置を取りうる値に切り下げます"},
    {2, "cmdSaveFile", true, "Save Position data to file"},
    {2, "imgPortWhite", true, "Green:COM-PORT OPEN / White:COM-PORT CLOSE"},
    {1, "imgHomeGreen", true, "緑:原点復帰完了 / 白:原点復帰未完了"},
    {1, "cmdReset", true, "ｱﾗｰﾑをﾘｾｯﾄします"},
};

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
private slots:
    void namedControlsExistOnce_data();
    void namedControlsExistOnce();
    void textsFollowTheLanguage();
    void controlsCarryTheirTextIds();
    void loadResetsTheRun();
    void roundingOptionsMirrorTheFlag();
    void toolBarButtonsCarryTheirKeys();
    void positionGridLayout_data();
    void positionGridLayout();
    void optionsMenuRunsTheDialogAndTheAfterStep();
    void programGrid();
    void statusPanelsLampsAndDeviceMarks();
    void moveButtonsPictures();
    void helpContentsTellsWithTheWindowTitle();
};

void TestFrmMain::namedControlsExistOnce_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("kind");
    const std::pair<const char*, const char*> lists[] = {
        {"QWidget",
         "tbToolBar sbStatusBar optModeSelect_0 optModeSelect_1 frmTrancefer cmdFileOpen cmdSaveFile "
         "cmdGetfromCt "
         "cmdLoadtoCt cmdPosiDataShogo imgPortGreen frmDataEdit lblDeviceType cmdChangeDev lblFileName "
         "flgdData "
         "txtEdit optSutiSyori_0 optSutiSyori_1 framAlarm imgAlarmLed lblAlarmNo lblErrorComment cmdReset "
         "frmMoveRepeat imgHomeGreen lblkanryoNo framOut imgOut1Green imgOut2Green lblOutLamp1 lblOutLamp2 "
         "optSelectMove_0 optSelectMove_1 pictRenzoku flgdProgram txtEdit2 pictureSelectMode optSelectMode_0 "
         "optSelectMode_1 cmdMove cmdTmpStop cmdStop cmdInp1toF cmdDataClear chkRepeat frmTimer chkTimerUse "
         "txtTimer lblTimer pictSentaku lblSelectPos lblSelectPosNo pictureSelectMove imgButton_0 "
         "imgButton_1 "
         "imgButton_2 imgButton_3 txtDummy lblVqMark lblOldMark"},
        {"QAction",
         "mnuFileNew mnuFileOpen mnuFileGetfromCt mnuFileSave mnuFileSaveAs mnuFileLoadtoCt mnuFileShogoFile "
         "mnuFileShogoCt mnuFilePageSetup mnuFilePrint mnuFileExit mnuViewToolbar mnuViewStatusBar "
         "mnuShowState "
         "mnuChangeOut mnuShowParameta mnuViewOption mnuShowCtversion mnuModeTrancefer mnuModeGaibu "
         "mnuHelpContents mnuHelpAbout"},
        {"QMenu", "mnuFile mnuFileShogo mnuEdit mnuView mnuInputOutput mnuModeChange mnuWindow mnuHelp"},
        // The receive poll, the reply time-out and the clock check belong to the serial link.
        {"QTimer", "timerMoving Timer2 mmsecTimer timerSetFocusDummy"}};
    for (const auto& [kind, list] : lists) {
        for (const QString& name : QString::fromLatin1(list).split(QLatin1Char(' ')))
            QTest::newRow(qPrintable(name)) << name << QString::fromLatin1(kind);
    }
}

void TestFrmMain::namedControlsExistOnce() {
    QFETCH(QString, name);
    QFETCH(QString, kind);
    MainWindowFixture f;
    f.load();
    QCOMPARE(f.window->objectName(), QStringLiteral("frmMain"));
    const QList<QObject*> found = f.window->findChildren<QObject*>(name);
    QCOMPARE(found.size(), 1);
    QVERIFY(found.first()->inherits(qPrintable(kind)));
}

void TestFrmMain::textsFollowTheLanguage() {
    MainWindowFixture english(2);
    MainWindowFixture japanese(1);
    english.load();
    japanese.load();
    QStringList wrong;
    for (const Shown& row : kShown) {
        QObject* object = (row.langNo == 1 ? japanese : english).find<QObject>(QString::fromLatin1(row.name));
        const QString text = object ? shown(object, row.tip) : QStringLiteral("(missing)");
        if (text != QString::fromUtf8(row.text))
            wrong << QStringLiteral("%1 in language %2 shows %3")
                         .arg(QLatin1String(row.name))
                         .arg(row.langNo)
                         .arg(text);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

// Every catalogued caption and tip of the window, by the text id it must carry.
void TestFrmMain::controlsCarryTheirTextIds() {
    MainWindowFixture f;
    f.load();
    const std::tuple<const char*, const char*, int> ids[] = {{"cmdFileOpen", "tag", 5},
                                                             {"cmdSaveFile", "tag", 6},
                                                             {"cmdGetfromCt", "tag", 7},
                                                             {"cmdLoadtoCt", "tag", 8},
                                                             {"cmdPosiDataShogo", "tag", 9},
                                                             {"optSutiSyori_0", "tag", 10},
                                                             {"optSutiSyori_1", "tag", 11},
                                                             {"optModeSelect_0", "tag", 2},
                                                             {"optModeSelect_1", "tag", 3},
                                                             {"cmdChangeDev", "tag", 22},
                                                             {"cmdReset", "tag", 28},
                                                             {"lblTimer", "tag", 289},
                                                             {"cmdFileOpen", "toolTipId", 293},
                                                             {"cmdSaveFile", "toolTipId", 294},
                                                             {"cmdGetfromCt", "toolTipId", 295},
                                                             {"cmdLoadtoCt", "toolTipId", 296},
                                                             {"cmdPosiDataShogo", "toolTipId", 297},
                                                             {"txtTimer", "toolTipId", 290},
                                                             {"imgPortGreen", "toolTipId", 320},
                                                             {"imgHomeGreen", "toolTipId", 340},
                                                             {"optSutiSyori_0", "toolTipId", 316},
                                                             {"optSutiSyori_1", "toolTipId", 317},
                                                             {"mnuFile", "tag", 251},
                                                             {"mnuFileNew", "tag", 252},
                                                             {"mnuFileOpen", "tag", 253},
                                                             {"mnuFileGetfromCt", "tag", 254},
                                                             {"mnuFileSave", "tag", 255},
                                                             {"mnuFileSaveAs", "tag", 256},
                                                             {"mnuFileLoadtoCt", "tag", 257},
                                                             {"mnuFileShogo", "tag", 258},
                                                             {"mnuFileShogoFile", "tag", 259},
                                                             {"mnuFileShogoCt", "tag", 260},
                                                             {"mnuFilePageSetup", "tag", 261},
                                                             {"mnuFilePrint", "tag", 262},
                                                             {"mnuFileExit", "tag", 263},
                                                             {"mnuView", "tag", 264},
                                                             {"mnuViewToolbar", "tag", 265},
                                                             {"mnuViewStatusBar", "tag", 266},
                                                             {"mnuInputOutput", "tag", 267},
                                                             {"mnuShowState", "tag", 268},
                                                             {"mnuChangeOut", "tag", 269},
                                                             {"mnuShowParameta", "tag", 270},
                                                             {"mnuViewOption", "tag", 271},
                                                             {"mnuShowCtversion", "tag", 272},
                                                             {"mnuModeChange", "tag", 273},
                                                             {"mnuModeTrancefer", "tag", 274},
                                                             {"mnuModeGaibu", "tag", 275},
                                                             {"mnuHelp", "tag", 276},
                                                             {"mnuHelpContents", "tag", 277},
                                                             {"mnuHelpAbout", "tag", 278}};
    QStringList wrong;
    for (const auto& [name, property, id] : ids) {
        QObject* object = f.find<QObject>(QString::fromLatin1(name));
        const QString carried = object ? object->property(property).toString() : QStringLiteral("(missing)");
        if (carried != QString::number(id))
            wrong << QStringLiteral("%1 %2 is %3, not %4")
                         .arg(QLatin1String(name), QLatin1String(property), carried)
                         .arg(id);
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
}

void TestFrmMain::loadResetsTheRun() {
    MainWindowFixture f(1);
    f.t.settings.writeInt(QStringLiteral("PortNo"), 3);
    f.t.ctx.device.DevSize = QStringLiteral(" 28");
    f.t.ctx.device.DevSpeed = QStringLiteral("L");
    f.t.ctx.device.DevStroke = 100;
    f.find<QLineEdit>("txtEdit")->setText("12");
    f.find<QLineEdit>("txtEdit2")->setText("3");
    QStringList captionsAtHook; // the error list is read before the captions change language
    f.window->loadErrorList = [&] {
        captionsAtHook << f.find<QAbstractButton>("cmdFileOpen")->text();
    };
    FrmMain& w = f.load();
    QCOMPARE(captionsAtHook, QStringList{"File Open"});
    QCOMPARE(f.t.ctx.options.PortNo, qint16(3));
    QCOMPARE(f.t.ctx.device.DevSize, QStringLiteral("0"));
    QCOMPARE(f.t.ctx.device.DevSpeed, QString());
    QCOMPARE(f.t.ctx.device.DevStroke, qint16(0));
    for (QLineEdit* editor : {w.positionEditor(), w.programEditor()})
        QVERIFY(editor->text().isEmpty() && editor->isHidden());
    QCOMPARE(w.currentDataName(), QStringLiteral("新データ"));
    QCOMPARE(w.windowTitle(), QStringLiteral("ZO-VI Ver1.20E"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.size(), QSize(775, 505));
}

void TestFrmMain::roundingOptionsMirrorTheFlag() {
    for (bool roundUp : {true, false}) {
        MainWindowFixture f;
        f.t.ctx.options.MmRoundUpFlag = roundUp;
        f.load();
        QVERIFY(f.find<QRadioButton>(roundUp ? "optSutiSyori_0" : "optSutiSyori_1")->isChecked());
        QCOMPARE(f.t.ctx.options.MmRoundUpFlag, roundUp);
        f.find<QRadioButton>(roundUp ? "optSutiSyori_1" : "optSutiSyori_0")->click();
        QCOMPARE(f.t.ctx.options.MmRoundUpFlag, !roundUp);
    }
}

void TestFrmMain::toolBarButtonsCarryTheirKeys() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    const QStringList keys = {"New", "Open", "Save", "", "Print", "", "Read", "Load", "Shogo"};
    const QList<QAction*> shown = f.find<QWidget>("tbToolBar")->actions();
    QCOMPARE(shown.size(), 9);
    for (int index = 1; index <= 9; ++index) {
        QCOMPARE(w.toolBarButton(index), shown[index - 1]);
        QCOMPARE(shown[index - 1]->isSeparator(), keys[index - 1].isEmpty());
        QCOMPARE(shown[index - 1]->data().toString(), keys[index - 1]);
    }
    QVERIFY(!w.toolBarButton(0) && !w.toolBarButton(10));
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
    QCOMPARE(alignment(PositionGridModel::ColVel), int(Qt::AlignCenter));
    QCOMPARE(alignment(PositionGridModel::ColComment), int(Qt::AlignLeft | Qt::AlignVCenter));
    QCOMPARE(model->index(1, PositionGridModel::ColPulse).data(Qt::BackgroundRole).value<QColor>(),
             QColor(0xE0, 0xE0, 0xE0));
    QVERIFY(!model->index(1, PositionGridModel::ColComment).data(Qt::BackgroundRole).isValid());
}

void TestFrmMain::optionsMenuRunsTheDialogAndTheAfterStep() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    w.show();
    PositionGridModel& model = w.positionModel();
    model.setText(2, PositionGridModel::ColMm, " 12.000");
    model.setText(2, PositionGridModel::ColComment, "kept");
    f.t.ctx.options.PlsPosFlag = true;
    w.afterOptionsDialog();
    QVERIFY2(w.positionGrid()->isColumnHidden(PositionGridModel::ColPulse), "no change flag: left alone");
    QVERIFY(f.t.op.messages.isEmpty());

    f.t.ctx.options.PulsDispChangeFlag = true;
    f.t.ctx.lang.LangChangeFlag = true;
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
    QCOMPARE(model.text(0, PositionGridModel::ColPulse), QStringLiteral("Posi(Pulse)"));
    QCOMPARE(model.text(2, PositionGridModel::ColMm), QStringLiteral(" 12.000"));
    QCOMPARE(model.text(2, PositionGridModel::ColComment), QStringLiteral("kept"));
    QCOMPARE(f.t.op.messages.size(), 1);
    QCOMPARE(f.t.op.lastText(),
             QStringLiteral("Language Setting has been changed.\r\n\r\nFinish ZO-VI and restart again."));
}

void TestFrmMain::programGrid() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    QAbstractItemModel* grid = w.programGrid()->model();
    QCOMPARE(grid->rowCount(), 9);
    QCOMPARE(grid->headerData(1, Qt::Horizontal).toString(), QStringLiteral("No."));
    ProgramGridModel& model = w.programModel();
    for (int step = 1; step <= 9; ++step)
        QVERIFY(model.text(step, 0) == QString::number(step) && model.step(step).isEmpty());
    model.setStep(4, "2");
    QCOMPARE(grid->index(3, 1).data().toString(), QStringLiteral("2"));
    model.setStep(10, "1");
    QCOMPARE(model.step(10), QString());
    model.clearSteps();
    QCOMPARE(model.step(4), QString());
}

void TestFrmMain::statusPanelsLampsAndDeviceMarks() {
    // The port and alarm lamps and the alarm labels are driven over the link in tst_frmmain_controller.
    MainWindowFixture f;
    FrmMain& w = f.load();
    for (int panel = 0; panel <= 4; ++panel)
        w.setStatusPanel(panel, QStringLiteral("panel %1").arg(panel));
    QStringList panels = {w.statusPanelText(0)};
    for (int panel = 1; panel <= 3; ++panel)
        panels << w.statusPanelText(panel) << f.find<QLabel>(QStringLiteral("sbPanel_%1").arg(panel))->text();
    QCOMPARE(panels, (QStringList{"", "panel 1", "panel 1", "panel 2", "panel 2", "panel 3", "panel 3"}));

    for (const char* lamp : {"imgHomeGreen", "imgOut1Green", "imgOut2Green"})
        QVERIFY2(f.find<QWidget>(lamp)->isHidden(), lamp);
    w.setHomeLamp(true);
    w.setOutputLamps(false, true);
    QVERIFY(!f.find<QWidget>("imgHomeGreen")->isHidden());
    QVERIFY(f.find<QWidget>("imgOut1Green")->isHidden() && !f.find<QWidget>("imgOut2Green")->isHidden());
    w.setCompletedPosition("2");
    w.setDeviceLabel("VQ- 28L-100");
    QCOMPARE(f.find<QLabel>("lblkanryoNo")->text(), QStringLiteral("2"));
    QCOMPARE(f.find<QLabel>("lblDeviceType")->text(), QStringLiteral("VQ- 28L-100"));

    // A VQ NEW device shows the VQ mark only, OLD both, JM neither.
    w.show();
    QVERIFY(w.vqElement()->isVisible() && !w.oldElement()->isVisible());
    w.setOldElementVisible(true);
    QVERIFY(w.oldElement()->isVisible());
    w.setVqElementVisible(false);
    QVERIFY(!w.vqElement()->isVisible() && !w.oldElement()->isVisible());
}

void TestFrmMain::moveButtonsPictures() {
    MainWindowFixture f;
    FrmMain& w = f.load();
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kGreyPicture);
    w.setButtonPicture(2, PositionButton::kLitPicture);
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kLitPicture);
    w.setButtonPicture(2, 7); // not a face: unchanged
    QCOMPARE(w.positionButton(2)->picture(), PositionButton::kLitPicture);
    w.setButtonPicture(4, PositionButton::kLitPicture);
    QVERIFY(!w.positionButton(4) && !w.positionButton(-1));
    w.AllSelectMoveButtonChange2Glay();
    for (int i = 0; i < 4; ++i)
        QCOMPARE(w.positionButton(i)->picture(), PositionButton::kGreyPicture);
}

void TestFrmMain::helpContentsTellsWithTheWindowTitle() {
    MainWindowFixture f;
    f.load();
    f.find<QAction>("mnuHelpContents")->trigger();
    QCOMPARE(f.t.op.messages.size(), 1);
    QCOMPARE(f.t.op.messages[0].title, QStringLiteral("ZO-VI Ver1.20E"));
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
