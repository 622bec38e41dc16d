#include "ui/FrmTrance.h"

#include "app/AppContext.h"
#include "ui/Captions.h"
#include "ui/Twips.h"

#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace zovi {

FrmTrance::FrmTrance(AppContext& ctx, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmTrance"));
    setCaption(this, 157, ctx.texts);
    lblSetumei = new QLabel(this);
    lblSetumei->setObjectName(QStringLiteral("lblSetumei"));
    setCaption(lblSetumei, 158, ctx.texts);
    prgBar1 = new QProgressBar(this);
    prgBar1->setObjectName(QStringLiteral("prgBar1"));
    prgBar1->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblSetumei);
    layout->addWidget(prgBar1);
    setFixedWidth(px(5400));
    applyCaptions(this, ctx.texts);
    move(px(ctx.MainLeft + 500), px(ctx.MainTop + 500));
}

void FrmTrance::setRange(int maximum) {
    prgBar1->setRange(0, maximum);
}

void FrmTrance::setProgress(int value) {
    prgBar1->setValue(value);
}

void FrmTrance::setExplanation(const QString& text) {
    lblSetumei->setText(text);
}

} // namespace zovi
