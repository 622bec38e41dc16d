// The main window's menus, tool bar, status bar and timers.
#include "app/AppContext.h"
#include "session/ControllerSession.h"
#include "ui/Captions.h"
#include "ui/FrmCommLog.h"
#include "ui/FrmMain.h"
#include "ui/MainLayout.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <algorithm>
#include <array>
#include <tuple>

namespace zovi {

using mainlayout::named;

namespace {

QAction* menuItem(QMenu* menu, const char* name, int id, const Texts& texts) {
    auto* action = named(new QAction(menu), name);
    setCaption(action, id, texts);
    menu->addAction(action);
    return action;
}

QMenu* subMenu(QWidget* parent, const char* name, int id, const Texts& texts) {
    auto* menu = named(new QMenu(parent), name);
    setCaption(menu, id, texts);
    return menu;
}

} // namespace

void FrmMain::buildMenus() {
    const Texts& texts = ctx_.texts;
    QMenuBar* bar = menuBar();

    mnuFile = subMenu(this, "mnuFile", 251, texts);
    mnuFileNew = menuItem(mnuFile, "mnuFileNew", 252, texts);
    mnuFileOpen = menuItem(mnuFile, "mnuFileOpen", 253, texts);
    mnuFileGetfromCt = menuItem(mnuFile, "mnuFileGetfromCt", 254, texts);
    // --- Restore from Backup: enabled and disabled with File > Open.
    mnuFileRestore = menuItem(mnuFile, "mnuFileRestore", 830, texts);
    connect(mnuFileOpen, &QAction::enabledChanged, mnuFileRestore, &QAction::setEnabled);
    connect(mnuFileRestore, &QAction::triggered, this, &FrmMain::mnuFileRestore_Click);
    // --- end of Restore from Backup
    mnuFile->addSeparator();
    mnuFileSave = menuItem(mnuFile, "mnuFileSave", 255, texts);
    mnuFileSaveAs = menuItem(mnuFile, "mnuFileSaveAs", 256, texts);
    mnuFileLoadtoCt = menuItem(mnuFile, "mnuFileLoadtoCt", 257, texts);
    mnuFile->addSeparator();
    mnuFileShogo = subMenu(mnuFile, "mnuFileShogo", 258, texts);
    mnuFileShogoFile = menuItem(mnuFileShogo, "mnuFileShogoFile", 259, texts);
    mnuFileShogoCt = menuItem(mnuFileShogo, "mnuFileShogoCt", 260, texts);
    mnuFile->addMenu(mnuFileShogo);
    mnuFile->addSeparator();
    mnuFilePageSetup = menuItem(mnuFile, "mnuFilePageSetup", 261, texts);
    mnuFilePrint = menuItem(mnuFile, "mnuFilePrint", 262, texts);
    // Printing: Print Preview and Export PDF after Print, usable whenever Print is.
    mnuFilePrintPreview = menuItem(mnuFile, "mnuFilePrintPreview", 791, texts);
    mnuFileExportPdf = menuItem(mnuFile, "mnuFileExportPdf", 792, texts);
    buildPrintMenuItems();
    // End of printing.
    mnuFile->addSeparator();
    mnuFileExit = menuItem(mnuFile, "mnuFileExit", 263, texts);
    bar->addMenu(mnuFile);

    // Editing goes through the grid editors; these items only show the usual keys.
    mnuEdit = subMenu(this, "mnuEdit", 707, texts);
    const std::array<std::tuple<const char*, int, QKeySequence::StandardKey>, 4> editItems = {{
        {"mnuEditCopy", 708, QKeySequence::Copy},
        {"mnuEditCut", 709, QKeySequence::Cut},
        {"mnuEditPaste", 710, QKeySequence::Paste},
        {"mnuEditUndo", 711, QKeySequence::Undo},
    }};
    for (const auto& [name, id, key] : editItems) {
        QAction* action = menuItem(mnuEdit, name, id, texts);
        action->setShortcut(key);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, &FrmMain::mnuEdit_Click);
    }
    bar->addMenu(mnuEdit);

    mnuView = subMenu(this, "mnuView", 264, texts);
    mnuViewToolbar = menuItem(mnuView, "mnuViewToolbar", 265, texts);
    mnuViewStatusBar = menuItem(mnuView, "mnuViewStatusBar", 266, texts);
    for (QAction* toggle : {mnuViewToolbar, mnuViewStatusBar}) {
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    mnuView->addSeparator();
    mnuInputOutput = subMenu(mnuView, "mnuInputOutput", 267, texts);
    mnuShowState = menuItem(mnuInputOutput, "mnuShowState", 268, texts);
    mnuChangeOut = menuItem(mnuInputOutput, "mnuChangeOut", 269, texts);
    mnuView->addMenu(mnuInputOutput);
    mnuShowParameta = menuItem(mnuView, "mnuShowParameta", 270, texts);
    mnuView->addSeparator();
    mnuShowCtversion = menuItem(mnuView, "mnuShowCtversion", 272, texts);
    mnuModeChange = subMenu(mnuView, "mnuModeChange", 273, texts);
    mnuModeTrancefer = menuItem(mnuModeChange, "mnuModeTrancefer", 274, texts);
    mnuModeGaibu = menuItem(mnuModeChange, "mnuModeGaibu", 275, texts);
    mnuView->addMenu(mnuModeChange);
    // --- Communication log: opens the session's log window, one per run, brought forward when open.
    QAction* mnuViewCommLog = menuItem(mnuView, "mnuViewCommLog", 810, texts);
    connect(mnuViewCommLog, &QAction::triggered, this, [this] {
        if (!controller_)
            return;
        auto* window = findChild<FrmCommLog*>(QString(), Qt::FindDirectChildrenOnly);
        if (!window)
            window = new FrmCommLog(ctx_, controller_->log, this);
        window->show();
        window->raise();
        window->activateWindow();
    });
    // --- End of the communication log.
    mnuView->addSeparator();
    mnuViewOption = menuItem(mnuView, "mnuViewOption", 271, texts);
    bar->addMenu(mnuView);

    mnuWindow = subMenu(this, "mnuWindow", 712, texts);
    for (const auto& [name, id] :
         {std::pair{"mnuWindowCascade", 713}, std::pair{"mnuWindowTileHorizontal", 714},
          std::pair{"mnuWindowTileVertical", 715}})
        connect(menuItem(mnuWindow, name, id, texts), &QAction::triggered, this, &FrmMain::mnuWindow_Click);
    bar->addMenu(mnuWindow);

    mnuHelp = subMenu(this, "mnuHelp", 276, texts);
    mnuHelpContents = menuItem(mnuHelp, "mnuHelpContents", 277, texts);
    mnuHelpContents->setShortcut(QKeySequence::HelpContents);
    mnuHelpSearch = menuItem(mnuHelp, "mnuHelpSearch", 706, texts);
    mnuHelp->addSeparator();
    mnuHelpAbout = menuItem(mnuHelp, "mnuHelpAbout", 278, texts);
    bar->addMenu(mnuHelp);
    showLiteralAmpersands();
}

void FrmMain::buildToolBar(QWidget* central) {
    // The bar lies inside the form like the frames, so hiding it leaves them where they are until
    // the View menu moves them.
    tbToolBar = named(new QToolBar(central), "tbToolBar");
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(24, 24));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    mainlayout::place(tbToolBar, 0, 0, mainlayout::kWindowWidth, mainlayout::kToolBarHeight);

    struct Button {
        int index;
        const char* key;
        const char* icon;
    };
    const std::array<Button, 7> buttons = {{{1, "New", "tb_new.png"},
                                            {2, "Open", "tb_open.png"},
                                            {3, "Save", "tb_save.png"},
                                            {5, "Print", "tb_print.png"},
                                            {7, "Read", "tb_read.png"},
                                            {8, "Load", "tb_write.png"},
                                            {9, "Shogo", "tb_verify.png"}}};
    int tip = 301;
    for (int index = 1; index <= 9; ++index) {
        if (index == 4 || index == 6) {
            tbButtons_[index] = tbToolBar->addSeparator();
            continue;
        }
        const auto it = std::find_if(buttons.begin(), buttons.end(),
                                     [index](const Button& b) { return b.index == index; });
        const QString key = QLatin1String(it->key);
        const QIcon icon(ctx_.folder.file(QStringLiteral("images/") + QLatin1String(it->icon)));
        auto* action = new QAction(icon, key, tbToolBar);
        action->setObjectName(QStringLiteral("tbButton_") + key);
        action->setData(key);
        // The English tips are the design-time texts; the Japanese-only ids replace them in a Japanese run.
        setToolTipId(action, tip);
        action->setToolTip(ctx_.texts.english(tip - 20));
        ++tip;
        tbToolBar->addAction(action);
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
        tbButtons_[index] = action;
    }
}

void FrmMain::buildStatusBar() {
    sbStatusBar = named(new QStatusBar(this), "sbStatusBar");
    sbStatusBar->setSizeGripEnabled(false);
    sbStatusBar->setFixedHeight(px(mainlayout::kStatusBarHeight));
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(sbStatusBar);
        panel->setObjectName(QStringLiteral("sbPanel_%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setIndent(4);
        sbPanels_[i] = panel;
    }
    sbStatusBar->addWidget(sbPanels_[0], 1);
    sbPanels_[1]->setFixedWidth(px(2400));
    sbPanels_[2]->setFixedWidth(px(2400));
    sbStatusBar->addPermanentWidget(sbPanels_[1]);
    sbStatusBar->addPermanentWidget(sbPanels_[2]);
    setStatusBar(sbStatusBar);
}

void FrmMain::buildTimers() {
    auto timer = [this](const char* name, int intervalMs, bool singleShot) {
        auto* t = named(new QTimer(this), name);
        t->setInterval(intervalMs);
        t->setSingleShot(singleShot);
        return t;
    };
    timerMoving = timer("timerMoving", 200, false);
    Timer2 = timer("Timer2", 0, true);
    mmsecTimer = timer("mmsecTimer", 0, true);
    timerSetFocusDummy = timer("timerSetFocusDummy", 10, true);
}

void FrmMain::showLiteralAmpersands() {
    // A catalogue text may use "&" as a word ("Clear All & New Data(&N)"); only "&" before a letter
    // or "(" marks the access key.
    static const QRegularExpression lone(QStringLiteral("(?<!&)&(?=\\s|$)"));
    for (QAction* action : findChildren<QAction*>()) {
        QString text = action->text();
        if (text.contains(lone))
            action->setText(text.replace(lone, QStringLiteral("&&")));
    }
}

QAction* FrmMain::toolBarButton(int index) const {
    return index >= 1 && index <= 9 ? tbButtons_[index] : nullptr;
}

} // namespace zovi
