#include "ui/FrmAbout.h"

#include "app/AppContext.h"
#include "app/HelpAndInfo.h"
#include "app/Version.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace zovi {

FrmAbout::FrmAbout(AppContext& ctx, Desktop& desktop, QWidget* parent)
    : QDialog(parent)
    , ctx_(ctx)
    , desktop_(desktop) {
    setObjectName(QStringLiteral("frmAbout"));
    const Texts& texts = ctx.texts;
    setCaption(this, 141, texts);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("picIcon"));
    icon->setPixmap(QPixmap(ctx.folder.file(QStringLiteral("images/zovi.png"))));
    auto* lblTitle = new QLabel(this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setStyleSheet(QStringLiteral("font-size: 18pt; font-weight: bold;"));
    auto* lblVersion = new QLabel(this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    auto* lblDescription = new QLabel(this);
    lblDescription->setObjectName(QStringLiteral("lblDescription"));
    setCaption(lblDescription, 143, texts);
    lblDescription->setWordWrap(true);
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    auto* lblDisclaimer = new QLabel(this);
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    setCaption(lblDisclaimer, 704, texts);
    lblDisclaimer->setWordWrap(true);
    auto* lblHpAddress = new QLabel(this);
    lblHpAddress->setObjectName(QStringLiteral("lblHpAddress"));
    setCaption(lblHpAddress, 705, texts);
    auto* cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    setCaption(cmdOK, 119, texts);
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
    setCaption(cmdSysInfo, 703, texts);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(lblTitle, 0, 1);
    layout->addWidget(lblVersion, 1, 1);
    layout->addWidget(lblDescription, 2, 1);
    layout->addWidget(rule, 3, 0, 1, 3);
    layout->addWidget(lblDisclaimer, 4, 0, 1, 2);
    layout->addWidget(lblHpAddress, 5, 0, 1, 2);
    layout->addWidget(cmdOK, 0, 2);
    layout->addWidget(cmdSysInfo, 4, 2, Qt::AlignBottom);
    layout->setColumnStretch(1, 1);
    setMinimumWidth(px(7000));

    applyCaptions(this, texts);
    lblVersion->setText(QStringLiteral("Version ") + versionText());
    lblTitle->setText(ctx.msg(479));
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::cmdSysInfo_Click);
}

void FrmAbout::cmdSysInfo_Click() {
    startSysInfo(ctx_, desktop_);
}

} // namespace zovi
