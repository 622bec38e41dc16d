#include "ui/FrmDevice.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zovi {

namespace {

template <typename T> T* named(T* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

QLabel* captionLabel(QWidget* parent, const char* name, int id, const Texts& texts) {
    auto* label = named(new QLabel(parent), QString::fromLatin1(name));
    setCaption(label, id, texts);
    return label;
}

// The lead notes are written by the device list's product range; the one for VQ-50H is ours.
constexpr int kLeadNote50H = 910;

} // namespace

FrmDevice::FrmDevice(AppContext& ctx, QWidget* parent)
    : QDialog(parent)
    , calculator_(ctx.texts) {
    setObjectName(QStringLiteral("frmDevice"));
    setModal(true);
    buildControls(ctx);
    applyCaptions(this, ctx.texts);
    lblStrokePulse->setText(calculator_.result);
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
}

void FrmDevice::buildControls(const AppContext& ctx) {
    const Texts& texts = ctx.texts;
    setCaption(this, 121, texts);
    auto* layout = new QVBoxLayout(this);

    framActType = named(new QGroupBox(this), QStringLiteral("framActType"));
    setCaption(framActType, 371, texts);
    auto* typeLayout = new QHBoxLayout(framActType);
    for (int i = 0; i < 2; ++i) {
        optActType[i] = named(new QRadioButton(framActType), QStringLiteral("optActType_%1").arg(i));
        setCaption(optActType[i], 372 + i, texts);
        typeLayout->addWidget(optActType[i]);
    }
    optActType[0]->setChecked(true);
    typeLayout->addStretch();
    layout->addWidget(framActType);

    auto* entries = new QGridLayout;
    lblStroke = captionLabel(this, "lblStroke", 122, texts);
    txtStrokeTyo = named(new QLineEdit(this), QStringLiteral("txtStrokeTyo"));
    lblRido = captionLabel(this, "lblRido", 123, texts);
    txtRido = named(new QLineEdit(this), QStringLiteral("txtRido"));
    lblVqStroke = captionLabel(this, "lblVqStroke", 128, texts);
    lblStrokePulse = named(new QLabel(this), QStringLiteral("lblStrokePulse"));
    lblStrokePulse->setFrameShape(QFrame::Panel);
    lblStrokePulse->setFrameShadow(QFrame::Sunken);
    lblStrokePulse->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLineEdit* box : {txtStrokeTyo, txtRido}) {
        box->setMaxLength(5);
        box->setAlignment(Qt::AlignRight);
    }
    lblStroke->setBuddy(txtStrokeTyo);
    lblRido->setBuddy(txtRido);
    entries->addWidget(lblStroke, 0, 0);
    entries->addWidget(txtStrokeTyo, 0, 1);
    entries->addWidget(lblRido, 1, 0);
    entries->addWidget(txtRido, 1, 1);
    entries->addWidget(lblVqStroke, 2, 0);
    entries->addWidget(lblStrokePulse, 2, 1);
    entries->setColumnMinimumWidth(1, px(1500));
    layout->addLayout(entries);

    auto* notes = new QVBoxLayout;
    notes->setSpacing(0);
    notes->addWidget(captionLabel(this, "LabelAboutRido", 124, texts));
    notes->addWidget(captionLabel(this, "Label1", 125, texts));
    notes->addWidget(captionLabel(this, "Label2", 126, texts));
    notes->addWidget(captionLabel(this, "Label3", 127, texts));
    notes->addWidget(captionLabel(this, "Label4", kLeadNote50H, texts));
    layout->addLayout(notes);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    cmdCulStrokePulse = named(new QPushButton(this), QStringLiteral("cmdCulStrokePulse"));
    setCaption(cmdCulStrokePulse, 129, texts);
    cmdInputStroke = named(new QPushButton(this), QStringLiteral("cmdInputStroke"));
    setCaption(cmdInputStroke, 130, texts);
    for (QPushButton* button : {cmdCulStrokePulse, cmdInputStroke}) {
        button->setMinimumWidth(px(1200));
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);

    connect(cmdCulStrokePulse, &QPushButton::clicked, this, &FrmDevice::cmdCulStrokePulse_Click);
    connect(cmdInputStroke, &QPushButton::clicked, this, &FrmDevice::cmdInputStroke_Click);
}

void FrmDevice::cmdCulStrokePulse_Click() {
    calculator_.strokeText = txtStrokeTyo->text();
    calculator_.leadText = txtRido->text();
    calculator_.actType = optActType[1]->isChecked() ? 1 : 0;
    calculator_.calculate();
    lblStrokePulse->setText(calculator_.result);
}

void FrmDevice::cmdInputStroke_Click() {
    const auto stroke = calculator_.input();
    if (!stroke)
        return;
    input_ = *stroke;
    accept();
}

} // namespace zovi
