// The main window's frames and controls, laid out in twips like a fixed-size form.
#include "app/AppContext.h"
#include "operation/ProgramGridModel.h"
#include "position/PositionGridModel.h"
#include "ui/Captions.h"
#include "ui/FrmMain.h"
#include "ui/MainLayout.h"
#include "ui/MainPositionButton.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace zovi {

using mainlayout::named;
using mainlayout::place;

void mainlayout::place(QWidget* widget, int left, int top, int width, int height) {
    widget->setGeometry(pxRect(left, top, width, height));
}

namespace {

QPixmap image(const AppContext& ctx, const char* name) {
    return QPixmap(ctx.folder.file(QStringLiteral("images/") + QLatin1String(name)));
}

// A value box: a sunken white label.
QLabel* valueLabel(QWidget* parent, const char* name, Qt::Alignment alignment = Qt::AlignCenter) {
    auto* label = named(new QLabel(parent), name);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::Base);
    label->setAlignment(alignment);
    return label;
}

QLabel* captionLabel(QWidget* parent, const char* name, int id, const Texts& texts,
                     Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = named(new QLabel(parent), name);
    setCaption(label, id, texts);
    label->setAlignment(alignment);
    return label;
}

// A lamp is a white (off) picture with the lit picture laid over it: the lit one is shown or
// hidden. Both carry the tool tip. Returns the lit picture.
QLabel* lamp(QWidget* parent, const char* litName, const char* offName, const QPixmap& lit,
             const QPixmap& off, int left, int top, int size) {
    auto* offLamp = named(new QLabel(parent), offName);
    offLamp->setPixmap(off);
    offLamp->setScaledContents(true);
    place(offLamp, left, top, size, size);
    auto* litLamp = named(new QLabel(parent), litName);
    litLamp->setPixmap(lit);
    litLamp->setScaledContents(true);
    place(litLamp, left, top, size, size);
    litLamp->hide();
    return litLamp;
}

void setLampTip(QLabel* litLamp, int tipId, const Texts& texts) {
    setToolTip(litLamp, tipId, texts);
    const QString offName = litLamp->objectName().replace(QLatin1String("Green"), QLatin1String("White"));
    if (auto* off = litLamp->parentWidget()->findChild<QLabel*>(offName, Qt::FindDirectChildrenOnly))
        setToolTip(off, tipId, texts);
}

QPushButton* commandButton(QWidget* parent, const char* name, int id, const Texts& texts) {
    auto* button = named(new QPushButton(parent), name);
    setCaption(button, id, texts);
    button->setAutoDefault(false);
    return button;
}

QRadioButton* option(QWidget* parent, const char* name, int id, const Texts& texts) {
    auto* button = named(new QRadioButton(parent), name);
    setCaption(button, id, texts);
    return button;
}

QGroupBox* frame(QWidget* parent, const char* name) {
    return named(new QGroupBox(parent), name);
}

// A grid laid out as a display-only table: one heading row, no row headers, no scrolling.
QTableView* gridView(QWidget* parent, const char* name) {
    auto* grid = named(new QTableView(parent), name);
    grid->verticalHeader()->hide();
    grid->horizontalHeader()->setSectionsClickable(false);
    grid->horizontalHeader()->setHighlightSections(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->horizontalHeader()->setMinimumSectionSize(0);
    grid->verticalHeader()->setMinimumSectionSize(0);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::ContiguousSelection);
    grid->setWordWrap(false);
    return grid;
}

QLineEdit* hiddenEditor(QWidget* parent, const char* name) {
    auto* editor = named(new QLineEdit(parent), name);
    editor->setFrame(false);
    editor->hide();
    return editor;
}

} // namespace

void FrmMain::buildModeOptions(QWidget* central) {
    const Texts& texts = ctx_.texts;
    optModeSelect[MoveMode] = option(central, "optModeSelect_0", 2, texts);
    optModeSelect[EditMode] = option(central, "optModeSelect_1", 3, texts);
    place(optModeSelect[MoveMode], 180, 600, 1740, 330);
    place(optModeSelect[EditMode], 1980, 600, 1740, 330);
    auto* group = new QButtonGroup(central);
    group->addButton(optModeSelect[MoveMode], MoveMode);
    group->addButton(optModeSelect[EditMode], EditMode);
    optModeSelect[EditMode]->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, &FrmMain::optModeSelect_Click);
}

void FrmMain::buildTransferFrame(QWidget* central) {
    const Texts& texts = ctx_.texts;
    frmTrancefer = frame(central, "frmTrancefer");
    place(frmTrancefer, 90, 960, 1740, 3780);

    cmdFileOpen = commandButton(frmTrancefer, "cmdFileOpen", 5, texts);
    cmdSaveFile = commandButton(frmTrancefer, "cmdSaveFile", 6, texts);
    cmdGetfromCt = commandButton(frmTrancefer, "cmdGetfromCt", 7, texts);
    cmdLoadtoCt = commandButton(frmTrancefer, "cmdLoadtoCt", 8, texts);
    cmdPosiDataShogo = commandButton(frmTrancefer, "cmdPosiDataShogo", 9, texts);
    const std::array<std::pair<QPushButton*, int>, 5> buttons = {{{cmdFileOpen, 293},
                                                                  {cmdSaveFile, 294},
                                                                  {cmdGetfromCt, 295},
                                                                  {cmdLoadtoCt, 296},
                                                                  {cmdPosiDataShogo, 297}}};
    int top = 210;
    for (const auto& [button, tip] : buttons) {
        zovi::setToolTip(button, tip, texts);
        place(button, 120, top, 1500, 480);
        top += 570;
    }

    imgPortGreen = lamp(frmTrancefer, "imgPortGreen", "imgPortWhite", image(ctx_, "lamp_green.png"),
                        image(ctx_, "lamp_white.png"), 150, 3270, 240);
    setLampTip(imgPortGreen, 320, texts);
    place(captionLabel(frmTrancefer, "lblPort", 25, texts), 450, 3240, 1200, 300);
}

void FrmMain::buildDataEditFrame(QWidget* central) {
    const Texts& texts = ctx_.texts;
    frmDataEdit = frame(central, "frmDataEdit");
    place(frmDataEdit, 1890, 960, 5355, 3780);

    place(captionLabel(frmDataEdit, "lblDeviceTypeCaption", 21, texts), 120, 240, 1110, 300);
    lblDeviceType = valueLabel(frmDataEdit, "lblDeviceType");
    place(lblDeviceType, 1260, 180, 1770, 390);
    // The OLD mark lies over the VQ mark, so a VQ device reads "(New)" or "(Old)" and a JM device
    // neither.
    lblVqMark = captionLabel(frmDataEdit, "lblVqMark", 148, texts);
    place(lblVqMark, 3090, 225, 900, 300);
    lblOldMark = captionLabel(lblVqMark, "lblOldMark", 149, texts);
    lblOldMark->setAutoFillBackground(true);
    place(lblOldMark, 0, 0, 900, 300);
    lblOldMark->hide();
    cmdChangeDev = commandButton(frmDataEdit, "cmdChangeDev", 22, texts);
    setToolTipId(cmdChangeDev, 315);
    place(cmdChangeDev, 4020, 150, 1200, 450);

    place(captionLabel(frmDataEdit, "lblFileNameCaption", 23, texts), 120, 750, 1110, 300);
    lblFileName = valueLabel(frmDataEdit, "lblFileName", Qt::AlignLeft | Qt::AlignVCenter);
    lblFileName->setIndent(4);
    place(lblFileName, 1260, 690, 3960, 390);

    flgdData = gridView(frmDataEdit, "flgdData");
    flgdData->setModel(positionModel_);
    place(flgdData, 120, 1230, mainlayout::kDataGridWidth, mainlayout::kDataGridHeight);
    txtEdit = hiddenEditor(frmDataEdit, "txtEdit");

    optSutiSyori[0] = option(frmDataEdit, "optSutiSyori_0", 10, texts);
    optSutiSyori[1] = option(frmDataEdit, "optSutiSyori_1", 11, texts);
    place(optSutiSyori[0], 180, 3180, 1950, 330);
    place(optSutiSyori[1], 2250, 3180, 1950, 330);
    // The English tips are the design-time texts; the Japanese-only ids replace them in a Japanese run.
    for (int i = 0; i < 2; ++i) {
        setToolTipId(optSutiSyori[i], 316 + i);
        optSutiSyori[i]->setToolTip(texts.english(291 + i));
    }
    optSutiSyori[1]->setChecked(true);
    buildPositionEditing();
}

void FrmMain::buildAlarmFrame(QWidget* central) {
    const Texts& texts = ctx_.texts;
    framAlarm = frame(central, "framAlarm");
    setCaption(framAlarm, 26, texts);
    place(framAlarm, 90, 4830, 7155, 1950);

    imgAlarmLed = lamp(framAlarm, "imgAlarmLed", "imgAlarmWhite", image(ctx_, "lamp_red_24.png"),
                       image(ctx_, "lamp_white_24.png"), 210, 420, 360);
    setToolTipId(imgAlarmLed, 313);
    place(captionLabel(framAlarm, "lblAlarmNoCaption", 27, texts, Qt::AlignRight | Qt::AlignVCenter), 630,
          450, 540, 300);
    lblAlarmNo = valueLabel(framAlarm, "lblAlarmNo");
    place(lblAlarmNo, 1230, 405, 660, 390);
    cmdReset = commandButton(framAlarm, "cmdReset", 28, texts);
    setToolTipId(cmdReset, 314);
    place(cmdReset, 5700, 360, 1320, 480);
    lblErrorComment = valueLabel(framAlarm, "lblErrorComment", Qt::AlignLeft | Qt::AlignVCenter);
    setTag(lblErrorComment, 29);
    lblErrorComment->setText(texts.english(29));
    lblErrorComment->setWordWrap(true);
    lblErrorComment->setIndent(4);
    place(lblErrorComment, 180, 930, 6840, 900);
}

void FrmMain::buildMoveFrame(QWidget* central) {
    const Texts& texts = ctx_.texts;
    frmMoveRepeat = frame(central, "frmMoveRepeat");
    place(frmMoveRepeat, 7335, 600, 4200, 6180);

    imgHomeGreen = lamp(frmMoveRepeat, "imgHomeGreen", "imgHomeWhite", image(ctx_, "lamp_green.png"),
                        image(ctx_, "lamp_white.png"), 180, 270, 240);
    setLampTip(imgHomeGreen, 340, texts);
    place(captionLabel(frmMoveRepeat, "lblHome", 24, texts), 480, 240, 1050, 300);
    place(captionLabel(frmMoveRepeat, "lblKanryoCaption", 33, texts, Qt::AlignRight | Qt::AlignVCenter), 1650,
          240, 1650, 300);
    lblkanryoNo = valueLabel(frmMoveRepeat, "lblkanryoNo");
    place(lblkanryoNo, 3390, 180, 600, 390);

    framOut = frame(frmMoveRepeat, "framOut");
    setCaption(framOut, 34, texts);
    place(framOut, 120, 630, 3960, 720);
    const QPixmap lit = image(ctx_, "lamp_green.png");
    const QPixmap off = image(ctx_, "lamp_white.png");
    imgOut1Green = lamp(framOut, "imgOut1Green", "imgOut1White", lit, off, 210, 330, 240);
    imgOut2Green = lamp(framOut, "imgOut2Green", "imgOut2White", lit, off, 2100, 330, 240);
    imgOut1White = framOut->findChild<QLabel*>(QStringLiteral("imgOut1White"));
    imgOut2White = framOut->findChild<QLabel*>(QStringLiteral("imgOut2White"));
    lblOutLamp1 = captionLabel(framOut, "lblOutLamp1", 174, texts);
    lblOutLamp2 = captionLabel(framOut, "lblOutLamp2", 175, texts);
    place(lblOutLamp1, 510, 300, 1200, 300);
    place(lblOutLamp2, 2400, 300, 1200, 300);

    optSelectMove[0] = option(frmMoveRepeat, "optSelectMove_0", 31, texts);
    optSelectMove[1] = option(frmMoveRepeat, "optSelectMove_1", 32, texts);
    place(optSelectMove[0], 180, 1440, 3840, 330);
    place(optSelectMove[1], 180, 1770, 3840, 330);
    auto* group = new QButtonGroup(frmMoveRepeat);
    group->addButton(optSelectMove[0], 0);
    group->addButton(optSelectMove[1], 1);
    connect(group, &QButtonGroup::idClicked, this, &FrmMain::optSelectMove_Click);

    buildProgramPanel(frmMoveRepeat);
    buildSelectPanel(frmMoveRepeat);
    optSelectMove[1]->setChecked(true);
    optSelectMove_Click(1);
}

void FrmMain::buildProgramPanel(QWidget* parent) {
    const Texts& texts = ctx_.texts;
    pictRenzoku = named(new QWidget(parent), "pictRenzoku");
    place(pictRenzoku, 90, 2280, 4020, 3690);

    flgdProgram = gridView(pictRenzoku, "flgdProgram");
    flgdProgram->setModel(programModel_);
    flgdProgram->setSelectionMode(QAbstractItemView::SingleSelection);
    flgdProgram->horizontalHeader()->setFixedHeight(px(mainlayout::kProgramRowHeight));
    flgdProgram->verticalHeader()->setDefaultSectionSize(px(mainlayout::kProgramRowHeight));
    flgdProgram->setColumnWidth(0, px(mainlayout::kProgramStepColumn));
    flgdProgram->setColumnWidth(1, px(mainlayout::kProgramPositionColumn));
    place(flgdProgram, 60, 0, 1320, 3630);
    txtEdit2 = hiddenEditor(pictRenzoku, "txtEdit2");

    pictureSelectMode = named(new QWidget(pictRenzoku), "pictureSelectMode");
    place(pictureSelectMode, 1500, 0, 2460, 690);
    optSelectMode[0] = option(pictureSelectMode, "optSelectMode_0", 36, texts);
    optSelectMode[1] = option(pictureSelectMode, "optSelectMode_1", 37, texts);
    place(optSelectMode[0], 60, 30, 2340, 300);
    place(optSelectMode[1], 60, 360, 2340, 300);
    optSelectMode[0]->setChecked(true);

    cmdMove = commandButton(pictRenzoku, "cmdMove", 35, texts);
    cmdTmpStop = commandButton(pictRenzoku, "cmdTmpStop", 38, texts);
    cmdStop = commandButton(pictRenzoku, "cmdStop", 39, texts);
    cmdInp1toF = commandButton(pictRenzoku, "cmdInp1toF", 43, texts);
    cmdDataClear = commandButton(pictRenzoku, "cmdDataClear", 44, texts);
    place(cmdMove, 1500, 750, 1200, 450);
    place(cmdTmpStop, 2760, 750, 1200, 450);
    place(cmdStop, 1500, 1260, 1200, 450);
    place(cmdInp1toF, 2760, 1260, 1200, 450);
    place(cmdDataClear, 1500, 1770, 1200, 450);
    chkRepeat = named(new QCheckBox(pictRenzoku), "chkRepeat");
    setCaption(chkRepeat, 42, texts);
    setToolTipId(chkRepeat, 319);
    place(chkRepeat, 2790, 1830, 1200, 330);

    frmTimer = frame(pictRenzoku, "frmTimer");
    setCaption(frmTimer, 40, texts);
    place(frmTimer, 1500, 2280, 2460, 1380);
    chkTimerUse = named(new QCheckBox(frmTimer), "chkTimerUse");
    setCaption(chkTimerUse, 41, texts);
    setToolTipId(chkTimerUse, 318);
    place(chkTimerUse, 90, 270, 2310, 330);
    txtTimer = named(new QLineEdit(frmTimer), "txtTimer");
    txtTimer->setMaxLength(3);
    txtTimer->setAlignment(Qt::AlignRight);
    zovi::setToolTip(txtTimer, 290, texts);
    place(txtTimer, 120, 630, 660, 330);
    lblTimer = captionLabel(frmTimer, "lblTimer", 289, texts, Qt::AlignLeft | Qt::AlignTop);
    lblTimer->setWordWrap(true);
    QFont small = lblTimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblTimer->setFont(small);
    place(lblTimer, 840, 585, 1575, 750);
    buildProgramEditing();
}

void FrmMain::buildSelectPanel(QWidget* parent) {
    const Texts& texts = ctx_.texts;
    pictSentaku = named(new QWidget(parent), "pictSentaku");
    place(pictSentaku, 90, 2280, 4020, 3690);
    lblSelectPos = captionLabel(pictSentaku, "lblSelectPos", 45, texts);
    place(lblSelectPos, 120, 0, 3750, 300);

    pictureSelectMove = named(new QWidget(pictSentaku), "pictureSelectMove");
    place(pictureSelectMove, 120, 360, 3780, 3240);
    lblSelectPosNo = captionLabel(pictureSelectMove, "lblSelectPosNo", 33, texts, Qt::AlignCenter);
    place(lblSelectPosNo, 690, 720, 2400, 330);

    const QPixmap lit = image(ctx_, "button_lit.png");
    const QPixmap grey = image(ctx_, "button_grey.png");
    const std::array<int, 4> captions = {50, 46, 47, 48};
    const std::array<int, 4> tops = {0, 1110, 1830, 2550};
    for (int i = 0; i < 4; ++i) {
        auto* button = new PositionButton(lit, grey, pictureSelectMove);
        button->setObjectName(QStringLiteral("imgButton_%1").arg(i));
        setCaption(button, captions[i], texts);
        place(button, 690, tops[i], 2400, 660);
        connect(button, &QAbstractButton::clicked, this, [this, i] { imgButton_Click(i); });
        imgButton[i] = button;
    }
}

void FrmMain::SizeInit_flgdData() {
    using namespace mainlayout;
    const bool pulse = ctx_.options.PlsPosFlag;
    positionModel_->setPulseShown(pulse);
    // A quarter of the grid each, measured inside its frame: row 3 shows whole and the grid never
    // scrolls when it becomes the current row.
    const int rowHeight = (px(kDataGridHeight) - 2 * flgdData->frameWidth()) / 4;
    flgdData->horizontalHeader()->setFixedHeight(rowHeight);
    flgdData->verticalHeader()->setDefaultSectionSize(rowHeight);
    for (int col = PositionGridModel::ColNo; col <= PositionGridModel::ColAcc; ++col)
        flgdData->setColumnWidth(col, px(kNarrowColumn));
    flgdData->setColumnWidth(PositionGridModel::ColMm, px(kWideColumn));
    flgdData->setColumnHidden(PositionGridModel::ColPulse, !pulse);
    if (pulse)
        flgdData->setColumnWidth(PositionGridModel::ColPulse, px(kWideColumn));
    flgdData->setColumnWidth(PositionGridModel::ColComment,
                             px(kDataGridWidth - (pulse ? kCommentRestWithPulse : kCommentRestNoPulse)));
}

void FrmMain::Init_flgdData(int clearComment) {
    positionModel_->init(clearComment == 1 ? PositionGridModel::InitMode::ClearAll
                                           : PositionGridModel::InitMode::ClearData);
}

void FrmMain::Init_flgdProgram() {
    programModel_->init();
}

} // namespace zovi
