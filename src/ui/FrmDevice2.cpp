#include "ui/FrmDevice2.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace zovi {

namespace {

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// The box's entries with its text chosen; a text without entries (no list could be read) is shown alone.
void showBox(QComboBox* box, const QStringList& entries, const QString& text) {
    const QSignalBlocker blocker(box);
    box->clear();
    box->addItems(entries.isEmpty() && !text.isEmpty() ? QStringList{text} : entries);
    box->setCurrentIndex(box->findText(text));
}

} // namespace

FrmDevice2::FrmDevice2(AppContext& ctx, DeviceCatalogue& catalogue, QWidget* parent)
    : QDialog(parent)
    , model_(ctx, catalogue) {
    setObjectName(QStringLiteral("frmDevice2"));
    setModal(true);
    buildControls(ctx);
    applyCaptions(this, ctx.texts);
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
    model_.load();
    showModel();
}

void FrmDevice2::buildControls(const AppContext& ctx) {
    const Texts& texts = ctx.texts;
    setCaption(this, 131, texts);
    auto* layout = new QVBoxLayout(this);

    lblDeviceSetumei = named(new QLabel(this), QStringLiteral("lblDeviceSetumei"));
    setCaption(lblDeviceSetumei, 132, texts);
    lblDeviceSetumei->setWordWrap(true);
    layout->addWidget(lblDeviceSetumei);

    auto* typeRow = new QHBoxLayout;
    auto* seriesGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        optVqSelect[i] = named(new QRadioButton(this), QStringLiteral("optVqSelect_%1").arg(i));
        setCaption(optVqSelect[i], 133 + i, texts);
        seriesGroup->addButton(optVqSelect[i], i);
        typeRow->addWidget(optVqSelect[i]);
    }
    framNewOrOld = named(new QGroupBox(this), QStringLiteral("framNewOrOld"));
    setCaption(framNewOrOld, 222, texts);
    auto* typeLayout = new QHBoxLayout(framNewOrOld);
    chkNewOrOld = named(new QCheckBox(framNewOrOld), QStringLiteral("chkNewOrOld"));
    setCaption(chkNewOrOld, 221, texts);
    typeLayout->addWidget(chkNewOrOld);
    typeRow->addSpacing(px(300));
    typeRow->addWidget(framNewOrOld);
    typeRow->addStretch();
    layout->addLayout(typeRow);

    auto* homingRow = new QHBoxLayout;
    lblHomeMethod = named(new QLabel(this), QStringLiteral("lblHomeMethod"));
    setCaption(lblHomeMethod, 223, texts);
    homingRow->addWidget(lblHomeMethod);
    auto* homingGroup = new QButtonGroup(this);
    for (int i = 0; i < 2; ++i) {
        optHomeMethod[i] = named(new QRadioButton(this), QStringLiteral("optHomeMethod_%1").arg(i));
        setCaption(optHomeMethod[i], 199 + i, texts);
        homingGroup->addButton(optHomeMethod[i], i);
        homingRow->addWidget(optHomeMethod[i]);
    }
    homingRow->addStretch();
    layout->addLayout(homingRow);

    // Kept from the form's design; nothing reads it, so it is not shown.
    chkDevVsiyou = named(new QCheckBox(this), QStringLiteral("chkDevVsiyou"));
    setCaption(chkDevVsiyou, 138, texts);
    chkDevVsiyou->hide();

    auto* boxes = new QGridLayout;
    const std::array<std::tuple<QLabel**, QComboBox**, const char*, const char*, int>, 3> rows = {{
        {&lblDeviceSize, &comboDeviceSize, "lblDeviceSize", "comboDeviceSize", 135},
        {&lblDeviceSpeed, &comboDeviceSpeed, "lblDeviceSpeed", "comboDeviceSpeed", 136},
        {&lblDeviceStroke, &comboDeviceStroke, "lblDeviceStroke", "comboDeviceStroke", 137},
    }};
    int column = 0;
    for (const auto& [label, box, labelName, boxName, id] : rows) {
        *label = named(new QLabel(this), QString::fromLatin1(labelName));
        setCaption(*label, id, texts);
        *box = named(new QComboBox(this), QString::fromLatin1(boxName));
        (*box)->setMinimumWidth(px(1200));
        (*label)->setBuddy(*box);
        boxes->addWidget(*label, 0, column);
        boxes->addWidget(*box, 1, column);
        ++column;
    }
    layout->addLayout(boxes);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdDeviceSet = named(new QPushButton(this), QStringLiteral("cmdDeviceSet"));
    setCaption(cmdDeviceSet, 119, texts);
    cmdDeviceSet->setDefault(true);
    cmdDeviceCancel = named(new QPushButton(this), QStringLiteral("cmdDeviceCancel"));
    setCaption(cmdDeviceCancel, 120, texts);
    for (QPushButton* button : {cmdDeviceSet, cmdDeviceCancel}) {
        button->setMinimumWidth(px(1200));
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    setMinimumWidth(px(6000));

    connect(seriesGroup, &QButtonGroup::idClicked, this, &FrmDevice2::optVqSelect_Click);
    connect(homingGroup, &QButtonGroup::idClicked, this,
            [this](int index) { model_.homeMethodClicked(index); });
    connect(chkNewOrOld, &QCheckBox::clicked, this, &FrmDevice2::chkNewOrOld_Click);
    connect(comboDeviceSize, &QComboBox::textActivated, this, [this](const QString& text) {
        model_.sizeChosen(text);
        showModel();
    });
    connect(comboDeviceSpeed, &QComboBox::textActivated, this, [this](const QString& text) {
        model_.speedChosen(text);
        showModel();
    });
    connect(comboDeviceStroke, &QComboBox::textActivated, this,
            [this](const QString& text) { model_.strokeChosen(text); });
    connect(cmdDeviceSet, &QPushButton::clicked, this, &FrmDevice2::cmdDeviceSet_Click);
    connect(cmdDeviceCancel, &QPushButton::clicked, this, &FrmDevice2::cmdDeviceCancel_Click);
}

void FrmDevice2::showModel() {
    optVqSelect[model_.series == 1 ? 1 : 0]->setChecked(true);
    framNewOrOld->setVisible(model_.typeVisible);
    chkNewOrOld->setChecked(model_.oldChecked);
    lblHomeMethod->setVisible(model_.homingVisible);
    for (QRadioButton* option : optHomeMethod)
        option->setVisible(model_.homingVisible);
    optHomeMethod[model_.homeMethod == 1 ? 1 : 0]->setChecked(true);
    showBox(comboDeviceSize, model_.sizes, model_.size);
    showBox(comboDeviceSpeed, model_.speeds, model_.speed);
    showBox(comboDeviceStroke, model_.strokes, model_.stroke);
}

void FrmDevice2::optVqSelect_Click(int index) {
    model_.seriesClicked(index);
    showModel();
}

void FrmDevice2::chkNewOrOld_Click() {
    model_.newOrOldClicked(chkNewOrOld->isChecked());
    showModel();
}

void FrmDevice2::cmdDeviceSet_Click() {
    model_.ok();
    finishIfDone();
}

void FrmDevice2::cmdDeviceCancel_Click() {
    model_.cancel();
    finishIfDone();
}

void FrmDevice2::reject() {
    cmdDeviceCancel_Click();
}

void FrmDevice2::finishIfDone() {
    if (model_.done)
        done(model_.cancelled ? Rejected : Accepted);
}

} // namespace zovi
