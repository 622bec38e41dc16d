#pragma once

#include "app/MainControls.h"
#include "app/MainView.h"
#include "position/PositionGridEdit.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QCheckBox;
class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QTableView;
class QTimer;
class QToolBar;

namespace zovi {

class AppContext;
class Desktop;
class DeviceCatalogue;
class ParameterCommands;
class PositionButton;
class PositionFiles;
class PositionGridModel;
class PositionTable;
class PositionTransfer;
class ProgramGridModel;
enum class CloseReason;
class ControllerSession;

// The main window. Controls carry the object names the rest of the program refers to; a control
// array element i is named "<name>_<i>" (imgButton_0 .. imgButton_3, optSelectMove_0, ...).
class FrmMain : public QMainWindow, public MainView, public MainControls {
    Q_OBJECT
public:
    enum Mode { MoveMode = 0, EditMode = 1 }; // optModeSelect index

    FrmMain(AppContext& ctx, Desktop& desktop, QWidget* parent = nullptr);
    ~FrmMain() override;

    // Form_Load: port number, device reset, captions in the run's language, size, grids, editors,
    // file name, rounding choice and caption.
    void formLoad();

    // Connects the window to the controller: the alarm list is read at load, the close request
    // closes the port, and the alarm, mode and version commands run over the link.
    void attachController(ControllerSession& controller);

    // Set by attachController: reads the error list while the window loads.
    std::function<void()> loadErrorList;
    // Set by attachController: what the close request needs of the port.
    std::function<bool()> portIsOpen;
    std::function<void()> closePort;

    // Gives the window the run's device catalogue, which the device change (cmdChangeDev) works on.
    void attachDevices(DeviceCatalogue& catalogue);

    // --- Grids and editors
    PositionGridModel& positionModel() const { return *positionModel_; }
    // The position table behind flgdData: its arrays, checks and data name.
    PositionTable& positionTable() const { return *positionTable_; }
    ProgramGridModel& programModel() const { return *programModel_; }
    QTableView* positionGrid() const { return flgdData; }
    QTableView* programGrid() const { return flgdProgram; }
    QLineEdit* positionEditor() const { return txtEdit; }
    QLineEdit* programEditor() const { return txtEdit2; }
    QLineEdit* focusHolder() const { return txtDummy; }
    // SizeInit_flgdData: row heights, column widths and alignments for the present pulse display.
    void SizeInit_flgdData();
    // Init_flgdData with its clear-comment switch (1 also empties the comments).
    void Init_flgdData(int clearComment);
    void Init_flgdProgram();
    // After the options dialog: rebuilds the position grid when the pulse display changed and tells
    // about a language change.
    void afterOptionsDialog();
    // Refreshes the position display and recomputes the mm column from the pulses; the rebuild after
    // a change of the pulse display runs it. The position feature sets it.
    std::function<void()> refreshPositionDisplay;

    // --- Labels, lamps and the status bar
    QString currentDataName() const;
    void setCurrentDataName(const QString& name);
    void setDeviceLabel(const QString& text);
    QString deviceLabel() const;
    // The device marks: one shown only for VQ devices, one shown only for OLD-type devices.
    void setVqElementVisible(bool visible);
    void setOldElementVisible(bool visible);
    QWidget* vqElement() const;
    QWidget* oldElement() const;
    void setPortLamp(bool on) override;
    void setHomeLamp(bool on) override;
    void setOutputLamps(bool out1, bool out2) override;
    void setAlarmLamp(bool on) override;
    void setAlarmNo(const QString& text) override;
    void setErrorComment(const QString& text) override;
    void setCompletedPosition(const QString& text); // lblkanryoNo
    // Status bar panels 1 to 3; other panel numbers are ignored.
    void setStatusPanel(int panel, const QString& text) override;
    QString statusPanelText(int panel) const;
    void refreshStatusBar() override;

    // --- Move buttons imgButton(0..3)
    PositionButton* positionButton(int index) const;
    void setButtonPicture(int index, int picture);
    void AllSelectMoveButtonChange2Glay();
    void greyAllMoveButtons() override { AllSelectMoveButtonChange2Glay(); }

    // --- Timers of the window (objectNames as the members)
    QTimer* movingTimer() const { return timerMoving; }
    QTimer* timer2() const { return Timer2; }
    QTimer* waitTimer() const { return mmsecTimer; }
    QTimer* setFocusDummyTimer() const { return timerSetFocusDummy; }

    // --- Enable groups (Muko disables, Yuko enables)
    void CMDBTN_Muko() override;
    void CMDBTN_Yuko() override;
    void ToolBar_Muko() override;
    void ToolBar_Yuko() override;
    void Menyu_Muko() override;
    void Menyu_Yuko() override;
    void CTModeChange_Muko() override;
    void CTModeChange_Yuko() override;
    void setResetEnabled(bool enabled) override;
    void MoveHomeMuko();
    void MoveHomeYuko();
    void AllPosNoLabel_Muko();
    void AllPosNoLabel_Yuko();
    Mode mode() const;

    // Tool-bar button 1 to 9 (4 and 6 are separators).
    QAction* toolBarButton(int index) const;

    // True when the last close request was refused.
    bool closeRefused() const { return closeRefused_; }

    // --- Position grid editing and printer set-up (posedit)
    // The printer that File > Printer sets up and printing uses: the system's default printer, or a PDF
    // printer when the system has none. Made on first use.
    QPrinter& printer();

signals:
    // File > Exit was not refused: the program ends.
    void exitRequested();

public slots:
    void optModeSelect_Click(int index);
    void optSelectMove_Click(int index);
    void chkTimerUse_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewOption_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearch_Click();
    void mnuHelpAbout_Click();
    void mnuFileExit_Click();
    void tbToolBar_ButtonClick(const QString& key);

    // Commands that later features fill in.
    void cmdFileOpen_Click();
    void cmdSaveFile_Click();
    void cmdGetfromCt_Click();
    void cmdLoadtoCt_Click();
    void cmdPosiDataShogo_Click();
    void cmdReset_Click();
    void cmdChangeDev_Click();
    void cmdMove_Click();
    void cmdStop_Click();
    void cmdTmpStop_Click();
    void cmdDataClear_Click();
    void cmdInp1toF_Click();
    void imgButton_Click(int index);
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileGetfromCt_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileLoadtoCt_Click();
    void mnuFileShogoCt_Click();
    void mnuFileShogoFile_Click();
    void mnuFilePageSetup_Click();
    void mnuFilePrint_Click();
    void mnuShowState_Click();
    void mnuChangeOut_Click();
    void mnuShowParameta_Click();
    void mnuShowCtversion_Click();
    void mnuModeTrancefer_Click();
    void mnuModeGaibu_Click();
    void mnuEdit_Click();
    void mnuWindow_Click();
    // File > Restore from Backup (FrmBackupsMain.cpp).
    void mnuFileRestore_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    ControllerSession* controller_ = nullptr;
    DeviceCatalogue* devices_ = nullptr;

    // Runs an exchange with the controller started from this window: while it waits for its reply,
    // nothing that starts another exchange can be used; afterwards every control is as it was.
    void runExchange(const std::function<void()>& exchange);
    QList<QWidget*> exchangeStarters() const;

    // The bracket of every position data command (Open, Save, Save As, Read, Write, Verify, Print):
    // the command buttons, tool bar and menus are disabled while it runs (CtBusyFlag set when it talks
    // to the controller or the printer), given back afterwards, and both grids are refreshed.
    enum class Busy { No, Yes };
    void runPositionCommand(Busy busy, const std::function<void()>& command);
    // Verification of the table against a position data file and against the controller
    // (PosiDataFileShogo, PosiDataCtShogo); each ends with its result message.
    void PosiDataFileShogo();
    void PosiDataCtShogo();

    // --- Position transfer with the controller (FrmMainTransfer.cpp)
    // Runs one of Read from C/T, Write to C/T or the verification against the controller over the
    // controller session, the device catalogue, frmTrance and the device display; nothing without them.
    void runTransfer(const std::function<void(PositionTransfer&)>& command);
    // The backup of what the controller holds, taken by each write just before its first write
    // frame (FrmBackupsMain.cpp).
    void backUpBeforeWriting(PositionTransfer& transfer);
    void backUpBeforeWriting(ParameterCommands& commands);

    // The members of the enable groups (FrmMainEnabling.cpp).
    void enableCommandButtons(bool enabled);
    void enableToolBarButtons(bool enabled);
    void enableMenus(bool enabled);
    void enableMoveControls(bool enabled);

    // Building (FrmMainMenus.cpp, FrmMainPanels.cpp).
    void buildMenus();
    void buildToolBar(QWidget* central);
    void buildStatusBar();
    void buildTimers();
    void buildModeOptions(QWidget* central);
    void buildTransferFrame(QWidget* central);
    void buildDataEditFrame(QWidget* central);
    void buildAlarmFrame(QWidget* central);
    void buildMoveFrame(QWidget* central);
    void buildProgramPanel(QWidget* frame);
    void buildSelectPanel(QWidget* frame);
    void connectControls();
    void showLiteralAmpersands();

    // --- Position data files (FrmMainFile.cpp): New, Open, Save, Save As and the verification against
    // a file, run by PositionFiles over the window as the file commands see it (made on first use).
    struct FileCommands;
    std::shared_ptr<FileCommands> fileCommands_;
    PositionFiles& positionFiles();
    // File > Save As for the close question and the read from the controller: true when the data were
    // not saved (dialog cancelled, checks or the write failed), so the window stays.
    bool runSaveAs();
    // SaveFileAs: writes the position data to `path`; 0, or 1 after telling the operator.
    int saveFileAs(const QString& path);
    bool closeRequest(CloseReason reason);
    void setMoveControlsEnabled(bool enabled);
    void setDataControlsEnabled(bool enabled);

    // --- I/O monitor (FrmMainIo.cpp)
    // Opens frmInputOutput modally over the controller link; CtBusyFlag is set while it is open.
    void showInputOutput();

    // --- Position grid editing and printer set-up (posedit, FrmMainGridEdit.cpp)
    // The editor txtEdit laid over a cell of flgdData; PositionGridEdit holds the rules.
    void buildPositionEditing();
    bool positionEditingEvent(QObject* watched, QEvent* event);
    bool flgdData_KeyPress(const QString& typed, int key);
    void flgdData_DblClick();
    void flgdDataEdit(const QString& typed);
    bool EditKeyCode(int key); // txtEdit_KeyDown
    void txtEdit_GotFocus();
    void txtEdit_LostFocus(int reason);
    void flgdData_GotFocus();
    void flgdData_LeaveCell();
    void commitPositionEdit(PositionGridEdit::ChangeFlag change);
    void setEditorLengthLimit();
    GridBlock positionGridBlock() const;
    void movePositionCell(GridCell cell);
    std::unique_ptr<PositionGridEdit> positionEdit_;
    // The forwarders of the grids' events to this window's handlers: deleted first when the window
    // goes, so no event of a closing control reaches a handler of a window already half destroyed.
    QList<QObject*> eventForwarders_;
    GridBlock editBlock_;               // the current cell and block when the editor opened
    bool positionEditing_ = false;      // the editor is open and not yet committed
    std::shared_ptr<QPrinter> printer_; // shared: deleted where it was made, QPrinter stays declared only

    // --- Test operation (movesui: FrmMainMoves.cpp, FrmMainProgramEdit.cpp)
    // The position buttons and the program run bracket the controller session's moves and program with
    // the enabling of controls; the program grid flgdProgram is edited in place with txtEdit2.
    class MoveFaces; // the button faces and lblkanryoNo as the moves show them
    std::shared_ptr<MoveFaces> moveFaces_;
    void attachMoves(ControllerSession& controller);
    void enableFileViewHelpMenus(bool enabled);
    void buildProgramEditing();
    bool programEditingEvent(QObject* watched, QEvent* event);
    bool flgdProgram_KeyPress(int code);
    void flgdProgram_DblClick();
    void flgdProgramEdit2(int code);
    bool Edit2KeyCode(int key, int code); // txtEdit2's keys: the one-character rule and the cell moves
    void txtEdit2_LostFocus(int reason);
    void flgdProgram_GotFocus();
    void flgdProgram_LeaveCell();
    void commitProgramEdit();
    void moveProgramCell(int step);
    bool txtTimer_KeyPress(int code);
    int programEditStep_ = 0;     // the step the editor was opened on
    bool programEditing_ = false; // the editor is open and not yet committed

    AppContext& ctx_;
    Desktop& desktop_;
    PositionGridModel* positionModel_ = nullptr;
    std::unique_ptr<PositionTable> positionTable_;
    ProgramGridModel* programModel_ = nullptr;
    bool closeRefused_ = false;
    bool closingByProgram_ = false;

    // Menus
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileGetfromCt = nullptr;
    QAction* mnuFileRestore = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileLoadtoCt = nullptr;
    QMenu* mnuFileShogo = nullptr;
    QAction* mnuFileShogoFile = nullptr;
    QAction* mnuFileShogoCt = nullptr;
    QAction* mnuFilePageSetup = nullptr;
    QAction* mnuFilePrint = nullptr;
    QAction* mnuFileExit = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuView = nullptr;
    QAction* mnuViewToolbar = nullptr;
    QAction* mnuViewStatusBar = nullptr;
    QMenu* mnuInputOutput = nullptr;
    QAction* mnuShowState = nullptr;
    QAction* mnuChangeOut = nullptr;
    QAction* mnuShowParameta = nullptr;
    QAction* mnuViewOption = nullptr;
    QAction* mnuShowCtversion = nullptr;
    QMenu* mnuModeChange = nullptr;
    QAction* mnuModeTrancefer = nullptr;
    QAction* mnuModeGaibu = nullptr;
    QMenu* mnuWindow = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpSearch = nullptr;
    QAction* mnuHelpAbout = nullptr;

    QToolBar* tbToolBar = nullptr;
    std::array<QAction*, 10> tbButtons_ = {}; // index 1 to 9

    // Mode and data transfer
    std::array<QRadioButton*, 2> optModeSelect = {};
    QGroupBox* frmTrancefer = nullptr;
    QPushButton* cmdFileOpen = nullptr;
    QPushButton* cmdSaveFile = nullptr;
    QPushButton* cmdGetfromCt = nullptr;
    QPushButton* cmdLoadtoCt = nullptr;
    QPushButton* cmdPosiDataShogo = nullptr;
    QLabel* imgPortGreen = nullptr;

    // Position data
    QGroupBox* frmDataEdit = nullptr;
    QLabel* lblDeviceType = nullptr;
    QLabel* lblVqMark = nullptr;
    QLabel* lblOldMark = nullptr;
    QPushButton* cmdChangeDev = nullptr;
    QLabel* lblFileName = nullptr;
    QTableView* flgdData = nullptr;
    QLineEdit* txtEdit = nullptr;
    std::array<QRadioButton*, 2> optSutiSyori = {};

    // Alarm
    QGroupBox* framAlarm = nullptr;
    QLabel* imgAlarmLed = nullptr;
    QLabel* lblAlarmNo = nullptr;
    QLabel* lblErrorComment = nullptr;
    QPushButton* cmdReset = nullptr;

    // Test operation
    QGroupBox* frmMoveRepeat = nullptr;
    QLabel* imgHomeGreen = nullptr;
    QLabel* lblkanryoNo = nullptr;
    QGroupBox* framOut = nullptr;
    QLabel* imgOut1Green = nullptr;
    QLabel* imgOut2Green = nullptr;
    QLabel* imgOut1White = nullptr;
    QLabel* imgOut2White = nullptr;
    QLabel* lblOutLamp1 = nullptr;
    QLabel* lblOutLamp2 = nullptr;
    std::array<QRadioButton*, 2> optSelectMove = {};
    QWidget* pictRenzoku = nullptr;
    QTableView* flgdProgram = nullptr;
    QLineEdit* txtEdit2 = nullptr;
    QWidget* pictureSelectMode = nullptr;
    std::array<QRadioButton*, 2> optSelectMode = {};
    QPushButton* cmdMove = nullptr;
    QPushButton* cmdTmpStop = nullptr;
    QPushButton* cmdStop = nullptr;
    QPushButton* cmdInp1toF = nullptr;
    QPushButton* cmdDataClear = nullptr;
    QCheckBox* chkRepeat = nullptr;
    QGroupBox* frmTimer = nullptr;
    QCheckBox* chkTimerUse = nullptr;
    QLineEdit* txtTimer = nullptr;
    QLabel* lblTimer = nullptr;
    QWidget* pictSentaku = nullptr;
    QLabel* lblSelectPos = nullptr;
    QLabel* lblSelectPosNo = nullptr;
    QWidget* pictureSelectMove = nullptr;
    std::array<PositionButton*, 4> imgButton = {};

    QLineEdit* txtDummy = nullptr;
    QStatusBar* sbStatusBar = nullptr;
    std::array<QLabel*, 3> sbPanels_ = {};

    QTimer* timerMoving = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* mmsecTimer = nullptr;
    QTimer* timerSetFocusDummy = nullptr;

    // --- Printing, print preview and PDF export (FrmMainPrint.cpp; the menu items in FrmMainMenus.cpp)
public slots:
    void mnuFilePrintPreview_Click();
    void mnuFileExportPdf_Click();

private:
    enum class PrintTarget { Printer, Preview, Pdf };
    // The print selection, the data it chose and the printout on the target, with the command buttons
    // and tool bar disabled and CtBusyFlag set meanwhile.
    void runPrint(PrintTarget target);
    void buildPrintMenuItems();
    QAction* mnuFilePrintPreview = nullptr;
    QAction* mnuFileExportPdf = nullptr;
};

} // namespace zovi
