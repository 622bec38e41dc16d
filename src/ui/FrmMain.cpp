#include "ui/FrmMain.h"

#include "app/AppContext.h"
#include "app/HelpAndInfo.h"
#include "app/Options.h"
#include "app/Shutdown.h"
#include "app/Version.h"
#include "app/Wait.h"
#include "operation/ProgramGridModel.h"
#include "position/PositionGridModel.h"
#include "position/PositionTable.h"
#include "ui/Captions.h"
#include "ui/FrmAbout.h"
#include "ui/FrmOptions2.h"
#include "ui/MainLayout.h"
#include "ui/MainPositionButton.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <QToolBar>

namespace zovi {

FrmMain::FrmMain(AppContext& ctx, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent)
    , ctx_(ctx)
    , desktop_(desktop) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ctx.texts.english(479));
    setWindowIcon(QIcon(ctx.folder.file(QStringLiteral("images/zovi.png"))));
    positionModel_ = new PositionGridModel(ctx.texts, this);
    programModel_ = new ProgramGridModel(ctx.texts, this);
    positionTable_ = std::make_unique<PositionTable>(ctx, *positionModel_);

    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    setCentralWidget(central);
    buildMenus();
    buildToolBar(central);
    buildStatusBar();
    buildTimers();
    registerWaitTimer(ctx_, mmsecTimer);
    buildModeOptions(central);
    buildTransferFrame(central);
    buildDataEditFrame(central);
    buildAlarmFrame(central);
    buildMoveFrame(central);

    // Focus is parked here after commands; it lies outside the visible client area.
    txtDummy = mainlayout::named(new QLineEdit(central), "txtDummy");
    mainlayout::place(txtDummy, -1500, -1500, 150, 150);
    txtDummy->setFocusPolicy(Qt::ClickFocus);

    positionTable_->showDataName = [this](const QString& name) {
        lblFileName->setText(name);
    };
    positionTable_->resetCurrentCell = [this] {
        flgdData->setCurrentIndex(QModelIndex());
    };
    refreshPositionDisplay = [this] {
        positionTable_->Culc_MmPosi();
    };
    connectControls();
    setFixedSize(px(mainlayout::kWindowWidth), px(mainlayout::kWindowHeight));
    SizeInit_flgdData();
    optModeSelect_Click(EditMode);
    chkTimerUse_Click();
}

FrmMain::~FrmMain() {
    qDeleteAll(eventForwarders_);
}

void FrmMain::formLoad() {
    ctx_.options.PortNo = storedPortNo(ctx_);
    ctx_.device.DevSize = QStringLiteral("0");
    ctx_.device.DevSpeed.clear();
    ctx_.device.DevStroke = 0;
    if (loadErrorList)
        loadErrorList();
    applyCaptions(this, ctx_.texts);
    // The tool-bar buttons show only pictures: their tips name them, also to accessibility.
    for (QAction* button : tbToolBar->actions()) {
        if (!button->isSeparator())
            button->setText(button->toolTip());
    }
    showLiteralAmpersands();
    setFixedSize(px(mainlayout::kWindowWidth), px(mainlayout::kWindowHeight));
    SizeInit_flgdData();
    Init_flgdData(1);
    Init_flgdProgram();
    txtEdit->clear();
    txtEdit2->clear();
    setCurrentDataName(ctx_.japanese() ? ctx_.msg(483) : QStringLiteral("New Data"));
    if (ctx_.options.MmRoundUpFlag)
        optSutiSyori[0]->setChecked(true);
    setWindowTitle(ctx_.msg(479) + QStringLiteral(" Ver") + versionText());
}

void FrmMain::connectControls() {
    const std::array<std::pair<QPushButton*, void (FrmMain::*)()>, 12> buttons = {{
        {cmdFileOpen, &FrmMain::cmdFileOpen_Click},
        {cmdSaveFile, &FrmMain::cmdSaveFile_Click},
        {cmdGetfromCt, &FrmMain::cmdGetfromCt_Click},
        {cmdLoadtoCt, &FrmMain::cmdLoadtoCt_Click},
        {cmdPosiDataShogo, &FrmMain::cmdPosiDataShogo_Click},
        {cmdReset, &FrmMain::cmdReset_Click},
        {cmdChangeDev, &FrmMain::cmdChangeDev_Click},
        {cmdMove, &FrmMain::cmdMove_Click},
        {cmdStop, &FrmMain::cmdStop_Click},
        {cmdTmpStop, &FrmMain::cmdTmpStop_Click},
        {cmdDataClear, &FrmMain::cmdDataClear_Click},
        {cmdInp1toF, &FrmMain::cmdInp1toF_Click},
    }};
    for (const auto& [button, handler] : buttons)
        connect(button, &QPushButton::clicked, this, handler);

    const std::array<std::pair<QAction*, void (FrmMain::*)()>, 23> items = {{
        {mnuFileNew, &FrmMain::mnuFileNew_Click},
        {mnuFileOpen, &FrmMain::mnuFileOpen_Click},
        {mnuFileGetfromCt, &FrmMain::mnuFileGetfromCt_Click},
        {mnuFileSave, &FrmMain::mnuFileSave_Click},
        {mnuFileSaveAs, &FrmMain::mnuFileSaveAs_Click},
        {mnuFileLoadtoCt, &FrmMain::mnuFileLoadtoCt_Click},
        {mnuFileShogoCt, &FrmMain::mnuFileShogoCt_Click},
        {mnuFileShogoFile, &FrmMain::mnuFileShogoFile_Click},
        {mnuFilePageSetup, &FrmMain::mnuFilePageSetup_Click},
        {mnuFilePrint, &FrmMain::mnuFilePrint_Click},
        {mnuFileExit, &FrmMain::mnuFileExit_Click},
        {mnuViewToolbar, &FrmMain::mnuViewToolbar_Click},
        {mnuViewStatusBar, &FrmMain::mnuViewStatusBar_Click},
        {mnuShowState, &FrmMain::mnuShowState_Click},
        {mnuChangeOut, &FrmMain::mnuChangeOut_Click},
        {mnuShowParameta, &FrmMain::mnuShowParameta_Click},
        {mnuViewOption, &FrmMain::mnuViewOption_Click},
        {mnuShowCtversion, &FrmMain::mnuShowCtversion_Click},
        {mnuModeTrancefer, &FrmMain::mnuModeTrancefer_Click},
        {mnuModeGaibu, &FrmMain::mnuModeGaibu_Click},
        {mnuHelpContents, &FrmMain::mnuHelpContents_Click},
        {mnuHelpSearch, &FrmMain::mnuHelpSearch_Click},
        {mnuHelpAbout, &FrmMain::mnuHelpAbout_Click},
    }};
    for (const auto& [item, handler] : items)
        connect(item, &QAction::triggered, this, handler);

    connect(chkTimerUse, &QCheckBox::clicked, this, &FrmMain::chkTimerUse_Click);
    connect(optSutiSyori[0], &QRadioButton::toggled, this,
            [this](bool roundUp) { ctx_.options.MmRoundUpFlag = roundUp; });
    connect(timerSetFocusDummy, &QTimer::timeout, txtDummy, [this] { txtDummy->setFocus(); });
}

void FrmMain::closeEvent(QCloseEvent* event) {
    if (closeRequest(closingByProgram_ ? CloseReason::Program : CloseReason::CloseBox)) {
        event->ignore();
        return;
    }
    storeSettingsAtUnload(ctx_);
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != this && window->isVisible())
            window->close();
    }
    event->accept();
}

bool FrmMain::closeRequest(CloseReason reason) {
    CloseHooks hooks;
    hooks.portIsOpen = portIsOpen;
    hooks.closePort = closePort;
    hooks.saveAs = [this] {
        return runSaveAs();
    };
    closeRefused_ = mainCloseRefused(ctx_, reason, hooks);
    return closeRefused_;
}

void FrmMain::mnuFileExit_Click() {
    closingByProgram_ = true;
    const bool closed = close();
    closingByProgram_ = false;
    if (!closed)
        return;
    if (portIsOpen && portIsOpen() && closePort)
        closePort();
    emit exitRequested();
}

void FrmMain::mnuViewStatusBar_Click() {
    const int barHeight = sbStatusBar->height();
    const bool show = sbStatusBar->isHidden();
    sbStatusBar->setVisible(show);
    mnuViewStatusBar->setChecked(show);
    setFixedHeight(height() + (show ? barHeight : -barHeight));
}

void FrmMain::mnuViewToolbar_Click() {
    const int barHeight = tbToolBar->height();
    const bool show = tbToolBar->isHidden();
    tbToolBar->setVisible(show);
    mnuViewToolbar->setChecked(show);
    const int dy = show ? barHeight : -barHeight;
    for (QWidget* widget :
         {static_cast<QWidget*>(frmTrancefer), static_cast<QWidget*>(frmMoveRepeat),
          static_cast<QWidget*>(frmDataEdit), static_cast<QWidget*>(framAlarm),
          static_cast<QWidget*>(optModeSelect[MoveMode]), static_cast<QWidget*>(optModeSelect[EditMode])})
        widget->move(widget->x(), widget->y() + dy);
    setFixedHeight(height() + dy);
}

void FrmMain::mnuViewOption_Click() {
    {
        FrmOptions2 dialog(ctx_, this);
        dialog.exec();
    }
    afterOptionsDialog();
}

// PulsDispChangeFlag stays set: once the pulse display has changed, every later OK rebuilds again.
void FrmMain::afterOptionsDialog() {
    if (ctx_.options.PulsDispChangeFlag) {
        SizeInit_flgdData();
        positionModel_->init(PositionGridModel::InitMode::KeepData);
        if (refreshPositionDisplay)
            refreshPositionDisplay();
    }
    if (const QString notice = languageChangeNotice(ctx_); !notice.isEmpty())
        ctx_.op.message(notice);
}

void FrmMain::mnuHelpContents_Click() {
    showHelp(ctx_, desktop_, HelpPage::Contents, windowTitle());
}

void FrmMain::mnuHelpSearch_Click() {
    showHelp(ctx_, desktop_, HelpPage::Search, windowTitle());
}

void FrmMain::mnuHelpAbout_Click() {
    FrmAbout about(ctx_, desktop_, this);
    about.exec();
}

void FrmMain::tbToolBar_ButtonClick(const QString& key) {
    if (key == QLatin1String("New"))
        mnuFileNew_Click();
    else if (key == QLatin1String("Open"))
        mnuFileOpen_Click();
    else if (key == QLatin1String("Save"))
        mnuFileSave_Click();
    else if (key == QLatin1String("Print"))
        mnuFilePrint_Click();
    else if (key == QLatin1String("Read"))
        mnuFileGetfromCt_Click();
    else if (key == QLatin1String("Load"))
        mnuFileLoadtoCt_Click();
    else if (key == QLatin1String("Shogo"))
        cmdPosiDataShogo_Click();
}

void FrmMain::setCurrentDataName(const QString& name) {
    positionTable_->setCurrentDataName(name);
}

QString FrmMain::currentDataName() const {
    return positionTable_->CurrentDataName();
}

void FrmMain::setDeviceLabel(const QString& text) {
    lblDeviceType->setText(text);
}

QString FrmMain::deviceLabel() const {
    return lblDeviceType->text();
}

void FrmMain::setVqElementVisible(bool visible) {
    lblVqMark->setVisible(visible);
}

void FrmMain::setOldElementVisible(bool visible) {
    lblOldMark->setVisible(visible);
}

QWidget* FrmMain::vqElement() const {
    return lblVqMark;
}

QWidget* FrmMain::oldElement() const {
    return lblOldMark;
}

void FrmMain::setPortLamp(bool on) {
    imgPortGreen->setVisible(on);
}

void FrmMain::setHomeLamp(bool on) {
    imgHomeGreen->setVisible(on);
}

void FrmMain::setOutputLamps(bool out1, bool out2) {
    imgOut1Green->setVisible(out1);
    imgOut2Green->setVisible(out2);
}

void FrmMain::setAlarmLamp(bool on) {
    imgAlarmLed->setVisible(on);
}

void FrmMain::setAlarmNo(const QString& text) {
    lblAlarmNo->setText(text);
}

void FrmMain::setErrorComment(const QString& text) {
    lblErrorComment->setText(text);
}

void FrmMain::setCompletedPosition(const QString& text) {
    lblkanryoNo->setText(text);
}

void FrmMain::setStatusPanel(int panel, const QString& text) {
    if (panel >= 1 && panel <= 3)
        sbPanels_[panel - 1]->setText(text);
}

QString FrmMain::statusPanelText(int panel) const {
    return panel >= 1 && panel <= 3 ? sbPanels_[panel - 1]->text() : QString();
}

void FrmMain::refreshStatusBar() {
    sbStatusBar->repaint();
}

PositionButton* FrmMain::positionButton(int index) const {
    return index >= 0 && index < 4 ? imgButton[index] : nullptr;
}

void FrmMain::setButtonPicture(int index, int picture) {
    if (PositionButton* button = positionButton(index))
        button->setPicture(picture);
}

void FrmMain::AllSelectMoveButtonChange2Glay() {
    for (PositionButton* button : imgButton)
        button->setPicture(PositionButton::kGreyPicture);
}

} // namespace zovi
