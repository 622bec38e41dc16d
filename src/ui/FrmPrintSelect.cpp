#include "ui/FrmPrintSelect.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zovi {

namespace {

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// One part of the printout: its check box, the two sources, the file's name and Browse.
struct PartControls {
    QCheckBox* check;
    std::array<QRadioButton*, 2> options;
    QLabel* fileName;
    QPushButton* browse;
};

PartControls buildPart(QWidget* parent, QGridLayout* grid, int row, const char* name, int checkId,
                       std::array<int, 2> optionIds, int fileNameId, const Texts& texts) {
    const QString part = QLatin1String(name);
    PartControls controls;
    controls.check = named(new QCheckBox(parent), QStringLiteral("chkPrint") + part);
    setCaption(controls.check, checkId, texts);
    auto* options = new QButtonGroup(parent);
    for (int i = 0; i < 2; ++i) {
        controls.options[i] =
            named(new QRadioButton(parent), QStringLiteral("optPrint%1_%2").arg(part).arg(i));
        setCaption(controls.options[i], optionIds[i], texts);
        options->addButton(controls.options[i], i);
    }
    controls.fileName = named(new QLabel(parent), QStringLiteral("lblPrint%1Name").arg(part));
    setCaption(controls.fileName, fileNameId, texts);
    controls.fileName->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    controls.fileName->setMinimumWidth(px(3200));
    controls.browse = named(new QPushButton(parent), QStringLiteral("cmdSelect%1File").arg(part));
    setCaption(controls.browse, 117, texts);
    controls.browse->setAutoDefault(false);

    grid->addWidget(controls.check, row, 0, 1, 3);
    grid->addWidget(controls.options[0], row + 1, 1);
    grid->addWidget(controls.options[1], row + 2, 1);
    grid->addWidget(controls.fileName, row + 2, 2);
    grid->addWidget(controls.browse, row + 2, 3);
    return controls;
}

} // namespace

FrmPrintSelect::FrmPrintSelect(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , ctx_(ctx) {
    const Texts& texts = ctx.texts;
    setObjectName(QStringLiteral("frmPrintSelect"));
    setModal(true);
    setCaption(this, 111, texts);

    lblPrintSelect = named(new QLabel(this), QStringLiteral("lblPrintSelect"));
    setCaption(lblPrintSelect, 112, texts);
    auto* grid = new QGridLayout;
    grid->setColumnMinimumWidth(0, px(300));
    grid->setColumnStretch(2, 1);
    const PartControls positions = buildPart(this, grid, 0, "Posi", 113, {114, 115}, 116, texts);
    grid->setRowMinimumHeight(3, px(200));
    const PartControls parameters = buildPart(this, grid, 4, "Para", 118, {109, 115}, 110, texts);
    chkPrintPosi = positions.check;
    optPrintPosi = positions.options;
    lblPrintPosiName = positions.fileName;
    cmdSelectPosiFile = positions.browse;
    chkPrintPara = parameters.check;
    optPrintPara = parameters.options;
    lblPrintParaName = parameters.fileName;
    cmdSelectParaFile = parameters.browse;

    cmdPrintSet = named(new QPushButton(this), QStringLiteral("cmdPrintSet"));
    setCaption(cmdPrintSet, 119, texts);
    cmdPrintSet->setDefault(true);
    cmdPrintCancel = named(new QPushButton(this), QStringLiteral("cmdPrintCancel"));
    setCaption(cmdPrintCancel, 120, texts);
    cmdPrintCancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdPrintSet, cmdPrintCancel}) {
        button->setMinimumWidth(px(1200));
        buttons->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblPrintSelect);
    layout->addSpacing(px(120));
    layout->addLayout(grid);
    layout->addSpacing(px(120));
    layout->addLayout(buttons);

    connect(chkPrintPosi, &QCheckBox::clicked, this, &FrmPrintSelect::chkPrintPosi_Click);
    connect(chkPrintPara, &QCheckBox::clicked, this, &FrmPrintSelect::chkPrintPara_Click);
    for (int i = 0; i < 2; ++i) {
        connect(optPrintPosi[i], &QRadioButton::clicked, this, [this, i] { optPrintPosi_Click(i); });
        connect(optPrintPara[i], &QRadioButton::clicked, this, [this, i] { optPrintPara_Click(i); });
    }
    connect(cmdSelectPosiFile, &QPushButton::clicked, this, &FrmPrintSelect::cmdSelectPosiFile_Click);
    connect(cmdSelectParaFile, &QPushButton::clicked, this, &FrmPrintSelect::cmdSelectParaFile_Click);
    connect(cmdPrintSet, &QPushButton::clicked, this, &FrmPrintSelect::cmdPrintSet_Click);
    connect(cmdPrintCancel, &QPushButton::clicked, this, &FrmPrintSelect::cmdPrintCancel_Click);

    applyCaptions(this, texts);
    showRequest();
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
}

void FrmPrintSelect::showRequest() {
    chkPrintPosi->setChecked(request_.positions);
    optPrintPosi[request_.positionsFromFile() ? 1 : 0]->setChecked(true);
    chkPrintPara->setChecked(request_.parameters);
    optPrintPara[request_.parametersFromFile() ? 1 : 0]->setChecked(true);

    const PrintSelectEnabling enabling = printSelectEnabling(request_);
    for (QRadioButton* option : optPrintPosi)
        option->setEnabled(enabling.positionOptions);
    lblPrintPosiName->setEnabled(enabling.positionFile);
    cmdSelectPosiFile->setEnabled(enabling.positionFile);
    for (QRadioButton* option : optPrintPara)
        option->setEnabled(enabling.parameterOptions);
    lblPrintParaName->setEnabled(enabling.parameterFile);
    cmdSelectParaFile->setEnabled(enabling.parameterFile);
    cmdPrintSet->setEnabled(enabling.ok);
}

void FrmPrintSelect::chkPrintPosi_Click() {
    request_.positions = chkPrintPosi->isChecked();
    showRequest();
}

void FrmPrintSelect::optPrintPosi_Click(int index) {
    request_.positionSource =
        index == 1 ? PrintRequest::PositionSource::File : PrintRequest::PositionSource::Grid;
    showRequest();
}

void FrmPrintSelect::cmdSelectPosiFile_Click() {
    if (const auto path = choosePositionFileToPrint(ctx_)) {
        request_.positionFile = *path;
        lblPrintPosiName->setText(QFileInfo(*path).fileName());
    }
    showRequest();
}

void FrmPrintSelect::chkPrintPara_Click() {
    request_.parameters = chkPrintPara->isChecked();
    showRequest();
}

void FrmPrintSelect::optPrintPara_Click(int index) {
    request_.parameterSource =
        index == 1 ? PrintRequest::ParameterSource::File : PrintRequest::ParameterSource::Controller;
    showRequest();
}

void FrmPrintSelect::cmdSelectParaFile_Click() {
    if (const auto path = chooseParameterFileToPrint(ctx_)) {
        request_.parameterFile = *path;
        lblPrintParaName->setText(QFileInfo(*path).fileName());
    }
    showRequest();
}

void FrmPrintSelect::cmdPrintSet_Click() {
    if (acceptPrintRequest(ctx_, request_))
        done(Accepted);
}

void FrmPrintSelect::cmdPrintCancel_Click() {
    done(Rejected);
}

} // namespace zovi
