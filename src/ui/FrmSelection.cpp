#include "ui/FrmSelection.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zovi {

FrmSelection::FrmSelection(AppContext& ctx, bool startupMode, QWidget* parent)
    : QDialog(parent)
    , startupMode_(startupMode) {
    const Texts& texts = ctx.texts;
    setObjectName(QStringLiteral("frmSelection"));
    setModal(true);
    setCaption(this, 210, texts);

    lblSelectSetumei = new QLabel(this);
    lblSelectSetumei->setObjectName(QStringLiteral("lblSelectSetumei"));
    setCaption(lblSelectSetumei, 211, texts);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSelectSetumei);
    for (int i = 0; i < 2; ++i) {
        optSelectKomoku[i] = new QRadioButton(this);
        optSelectKomoku[i]->setObjectName(QStringLiteral("optSelectKomoku_%1").arg(i));
        setCaption(optSelectKomoku[i], 212 + i, texts);
        layout->addWidget(optSelectKomoku[i]);
    }
    optSelectKomoku[0]->setChecked(true);

    cmdSelectOk = new QPushButton(this);
    cmdSelectOk->setObjectName(QStringLiteral("cmdSelectOk"));
    setCaption(cmdSelectOk, 119, texts);
    cmdSelectOk->setDefault(true);
    cmdSelectCancel = new QPushButton(this);
    cmdSelectCancel->setObjectName(QStringLiteral("cmdSelectCancel"));
    setCaption(cmdSelectCancel, 120, texts);
    cmdSelectCancel->setEnabled(!startupMode);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* button : {cmdSelectOk, cmdSelectCancel}) {
        button->setMinimumWidth(px(1200));
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(cmdSelectOk, &QPushButton::clicked, this, &FrmSelection::cmdSelectOk_Click);
    connect(cmdSelectCancel, &QPushButton::clicked, this, &FrmSelection::cmdSelectCancel_Click);

    setMinimumWidth(px(4800));
    applyCaptions(this, texts);
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
}

void FrmSelection::cmdSelectOk_Click() {
    answer_ = optSelectKomoku[0]->isChecked() ? 0 : 1;
    done(Accepted);
}

void FrmSelection::cmdSelectCancel_Click() {
    answer_ = -1;
    done(Rejected);
}

void FrmSelection::reject() {
    if (!startupMode_)
        cmdSelectCancel_Click();
}

} // namespace zovi
