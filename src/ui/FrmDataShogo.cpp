#include "ui/FrmDataShogo.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace zovi {

FrmDataShogo::FrmDataShogo(AppContext& ctx, QWidget* parent)
    : QDialog(parent) {
    const Texts& texts = ctx.texts;
    setObjectName(QStringLiteral("frmDataShogo"));
    setModal(true);
    setCaption(this, 86, texts);

    imgQuestion = new QLabel(this);
    imgQuestion->setObjectName(QStringLiteral("imgQuestion"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    imgQuestion->setPixmap(
        style()->standardIcon(QStyle::SP_MessageBoxQuestion, nullptr, this).pixmap(iconSize));
    lblDataShogo = new QLabel(this);
    lblDataShogo->setObjectName(QStringLiteral("lblDataShogo"));
    setCaption(lblDataShogo, 87, texts);
    lblDataShogo->setWordWrap(true);
    auto* prompt = new QHBoxLayout;
    prompt->addWidget(imgQuestion, 0, Qt::AlignTop);
    prompt->addWidget(lblDataShogo, 1);

    const auto button = [&](const char* name, int id) {
        auto* b = new QPushButton(this);
        b->setObjectName(QLatin1String(name));
        setCaption(b, id, texts);
        b->setAutoDefault(false);
        b->setMinimumWidth(px(1500));
        return b;
    };
    cmdFileDataShogo = button("cmdFileDataShogo", 88);
    cmdCtDataShogo = button("cmdCtDataShogo", 89);
    cmdCancelOfShogo = button("cmdCancelOfShogo", 90);
    cmdFileDataShogo->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* b : {cmdFileDataShogo, cmdCtDataShogo, cmdCancelOfShogo})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(prompt);
    layout->addSpacing(px(120));
    layout->addLayout(buttons);
    connect(cmdFileDataShogo, &QPushButton::clicked, this, &FrmDataShogo::cmdFileDataShogo_Click);
    connect(cmdCtDataShogo, &QPushButton::clicked, this, &FrmDataShogo::cmdCtDataShogo_Click);
    connect(cmdCancelOfShogo, &QPushButton::clicked, this, &FrmDataShogo::cmdCancelOfShogo_Click);

    setMinimumWidth(px(5400));
    applyCaptions(this, texts);
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
}

void FrmDataShogo::cmdFileDataShogo_Click() {
    choice_ = File;
    done(Accepted);
}

void FrmDataShogo::cmdCtDataShogo_Click() {
    choice_ = Controller;
    done(Accepted);
}

void FrmDataShogo::cmdCancelOfShogo_Click() {
    choice_ = None;
    done(Rejected);
}

} // namespace zovi
