#include "ui/FrmOptions2.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/DigitKeyFilter.h"
#include "ui/SpinButtons.h"
#include "ui/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSerialPortInfo>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zovi {

namespace {

template <typename T> T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel* noteLabel(QWidget* parent, const char* name, int id, const Texts& texts) {
    auto* label = named(new QLabel(parent), name);
    setCaption(label, id, texts);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #a00000;"));
    return label;
}

QLineEdit* digitBox(QWidget* parent, const char* name) {
    auto* box = named(new QLineEdit(parent), name);
    box->setMaxLength(1);
    box->setFixedWidth(28);
    box->setAlignment(Qt::AlignCenter);
    new DigitKeyFilter(box, &optionDigitKeyAccepted);
    return box;
}

} // namespace

FrmOptions2::FrmOptions2(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , ctx_(ctx) {
    setObjectName(QStringLiteral("frmOptions2"));
    setModal(true);
    buildControls();
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
    applyCaptions(this, ctx.texts);
    for (int tab = 0; tab < SSTabOption->count(); ++tab)
        SSTabOption->setTabText(tab, ctx.msg(SSTabOption->widget(tab)->property("tag").toInt()));
    showForm(loadOptionsForm(ctx));
}

void FrmOptions2::buildControls() {
    const Texts& texts = ctx_.texts;
    setCaption(this, 91, texts);
    auto* layout = new QVBoxLayout(this);
    SSTabOption = named(new QTabWidget(this), "SSTabOption");
    struct Tab {
        QWidget* page;
        int id;
    };
    for (const Tab& tab : {Tab{buildPortTab(), 92}, Tab{buildParameterTab(), 93}, Tab{buildEtcTab(), 94},
                           Tab{buildLanguageTab(), 95}, Tab{buildPositionTab(), 150}}) {
        setTag(tab.page, tab.id);
        tab.page->setProperty("tag", tab.id);
        SSTabOption->addTab(tab.page, texts.english(tab.id));
    }
    layout->addWidget(SSTabOption);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* cmdOK = named(new QPushButton(this), "cmdOK");
    auto* cmdCancel = named(new QPushButton(this), "cmdCancel");
    auto* cmdApply = named(new QPushButton(this), "cmdApply");
    setCaption(cmdOK, 119, texts);
    setCaption(cmdCancel, 120, texts);
    setCaption(cmdApply, 98, texts);
    cmdOK->setDefault(true);
    for (QPushButton* button : {cmdOK, cmdCancel, cmdApply}) {
        button->setMinimumWidth(px(1200));
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &FrmOptions2::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdApply, &QPushButton::clicked, this, &QDialog::reject);
    setMinimumSize(px(7200), px(4200));
}

QWidget* FrmOptions2::buildPortTab() {
    const Texts& texts = ctx_.texts;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* portRow = new QHBoxLayout;
    lblPortNo = named(new QLabel(page), "lblPortNo");
    setCaption(lblPortNo, 96, texts);
    txtPortNo = digitBox(page, "txtPortNo");
    portRow->addWidget(lblPortNo);
    portRow->addWidget(txtPortNo);
    portRow->addWidget(named(new SpinButtons(txtPortNo, 1, 9, page), "updPortNo"));
    portRow->addStretch();
    layout->addLayout(portRow);

    auto* deviceRow = new QHBoxLayout;
    auto* lblPortDevice = named(new QLabel(page), "lblPortDevice");
    setCaption(lblPortDevice, 701, texts);
    comboPortDevice = named(new QComboBox(page), "comboPortDevice");
    comboPortDevice->setEditable(true);
    comboPortDevice->setInsertPolicy(QComboBox::NoInsert);
    comboPortDevice->setMinimumWidth(px(3600));
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        const QString description = info.description().isEmpty() ? info.manufacturer() : info.description();
        comboPortDevice->addItem(info.systemLocation());
        comboPortDevice->setItemData(comboPortDevice->count() - 1, description, Qt::ToolTipRole);
    }
    deviceRow->addWidget(lblPortDevice);
    deviceRow->addWidget(comboPortDevice, 1);
    layout->addLayout(deviceRow);
    lblPortDefault = named(new QLabel(page), "lblPortDefault");
    layout->addWidget(lblPortDefault);

    chkPortOccupy = named(new QCheckBox(page), "chkPortOccupy");
    setCaption(chkPortOccupy, 97, texts);
    layout->addWidget(chkPortOccupy);
    layout->addStretch();
    connect(txtPortNo, &QLineEdit::textChanged, this, &FrmOptions2::refreshPortDevice);
    return page;
}

QWidget* FrmOptions2::buildParameterTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    chkParametaShow = named(new QCheckBox(page), "chkParametaShow");
    setCaption(chkParametaShow, 101, ctx_.texts);
    lblParaTyuijikou = noteLabel(page, "lblParaTyuijikou", 100, ctx_.texts);
    layout->addWidget(chkParametaShow);
    layout->addWidget(lblParaTyuijikou);
    layout->addStretch();
    return page;
}

QWidget* FrmOptions2::buildEtcTab() {
    const Texts& texts = ctx_.texts;
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    chkChangeBk = named(new QCheckBox(page), "chkChangeBk");
    setCaption(chkChangeBk, 596, texts);
    layout->addWidget(chkChangeBk);
    for (int i = 0; i < 2; ++i) {
        optCurrentDown[i] = new QRadioButton(page);
        optCurrentDown[i]->setObjectName(QStringLiteral("optCurrentDown_%1").arg(i));
        setCaption(optCurrentDown[i], 597 + i, texts);
        layout->addWidget(optCurrentDown[i]);
    }
    auto* breakRow = new QHBoxLayout;
    lblBreakSet = named(new QLabel(page), "lblBreakSet");
    setCaption(lblBreakSet, 104, texts);
    txtBreakNo = digitBox(page, "txtBreakNo");
    breakNoSpin_ = named(new SpinButtons(txtBreakNo, 0, 3, page), "updBreakNo");
    breakRow->addWidget(lblBreakSet);
    breakRow->addWidget(txtBreakNo);
    breakRow->addWidget(breakNoSpin_);
    breakRow->addStretch();
    layout->addLayout(breakRow);
    lblTyuijikou = noteLabel(page, "lblTyuijikou", 102, texts);
    layout->addWidget(lblTyuijikou);
    layout->addSpacing(px(120));
    chkAutoBackup = named(new QCheckBox(page), "chkAutoBackup");
    setCaption(chkAutoBackup, 833, texts);
    layout->addWidget(chkAutoBackup);
    layout->addStretch();
    connect(chkChangeBk, &QCheckBox::clicked, this, &FrmOptions2::chkChangeBk_Click);
    return page;
}

QWidget* FrmOptions2::buildLanguageTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    framLanguege = named(new QGroupBox(page), "framLanguege");
    setCaption(framLanguege, 105, ctx_.texts);
    auto* frameLayout = new QVBoxLayout(framLanguege);
    for (int i = 0; i < 2; ++i) {
        optLanguege[i] = new QRadioButton(framLanguege);
        optLanguege[i]->setObjectName(QStringLiteral("optLanguege_%1").arg(i));
        setCaption(optLanguege[i], 106 + i, ctx_.texts);
        frameLayout->addWidget(optLanguege[i]);
    }
    layout->addWidget(framLanguege);
    layout->addStretch();
    return page;
}

QWidget* FrmOptions2::buildPositionTab() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    chkDispPulsPosi = named(new QCheckBox(page), "chkDispPulsPosi");
    setCaption(chkDispPulsPosi, 99, ctx_.texts);
    layout->addWidget(chkDispPulsPosi);
    layout->addStretch();
    return page;
}

void FrmOptions2::showForm(const OptionsForm& form) {
    txtPortNo->setText(form.portText);
    comboPortDevice->setEditText(form.portDevice);
    chkPortOccupy->setChecked(form.portOccupy);
    chkParametaShow->setChecked(form.parametaShow);
    chkChangeBk->setChecked(form.changeBk);
    lblBreakSet->setVisible(form.breakSetVisible);
    txtBreakNo->setVisible(form.breakSetVisible);
    breakNoSpin_->setVisible(form.breakSetVisible);
    txtBreakNo->setText(form.breakNoText);
    optCurrentDown[form.currentDown == 1 ? 1 : 0]->setChecked(true);
    for (QRadioButton* option : optCurrentDown)
        option->setEnabled(form.currentDownEnabled);
    optLanguege[form.language == 0 ? 0 : 1]->setChecked(true);
    chkDispPulsPosi->setChecked(form.dispPulsPosi);
    chkAutoBackup->setChecked(form.autoBackup);
    refreshPortDevice();
}

OptionsForm FrmOptions2::currentForm() const {
    OptionsForm form;
    form.portText = txtPortNo->text();
    form.portDevice = comboPortDevice->currentText();
    form.portOccupy = chkPortOccupy->isChecked();
    form.parametaShow = chkParametaShow->isChecked();
    form.changeBk = chkChangeBk->isChecked();
    form.breakSetVisible = !lblBreakSet->isHidden();
    form.breakNoText = txtBreakNo->text();
    form.currentDownEnabled = optCurrentDown[0]->isEnabled();
    form.currentDown = optCurrentDown[1]->isChecked() ? 1 : 0;
    form.language = optLanguege[0]->isChecked() ? 0 : 1;
    form.dispPulsPosi = chkDispPulsPosi->isChecked();
    form.autoBackup = chkAutoBackup->isChecked();
    return form;
}

void FrmOptions2::chkChangeBk_Click() {
    OptionsForm form = currentForm();
    setChangeBk(form, chkChangeBk->isChecked());
    for (QRadioButton* option : optCurrentDown)
        option->setEnabled(form.currentDownEnabled);
    optCurrentDown[form.currentDown == 1 ? 1 : 0]->setChecked(true);
}

// Shows which serial device the COM number in the box stands for.
void FrmOptions2::refreshPortDevice() {
    bool ok = false;
    const int portNo = txtPortNo->text().toInt(&ok);
    const bool valid = ok && portNo >= 1 && portNo <= 9;
    comboPortDevice->setEnabled(valid);
    if (!valid) {
        lblPortDefault->clear();
        return;
    }
    if (portNo != shownPortNo_ && shownPortNo_ != 0)
        comboPortDevice->setEditText(storedPortDevice(ctx_, portNo));
    shownPortNo_ = portNo;
    lblPortDefault->setText(ctx_.msg(702) + platformPortName(portNo));
}

void FrmOptions2::cmdOK_Click() {
    applyOptionsOk(ctx_, currentForm());
    accept();
}

} // namespace zovi
