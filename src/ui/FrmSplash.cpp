#include "ui/FrmSplash.h"

#include "app/AppContext.h"
#include "app/Version.h"

#include <QEventLoop>
#include <QLabel>
#include <QPixmap>
#include <QTimer>
#include <QVBoxLayout>

namespace zovi {

FrmSplash::FrmSplash(const AppContext& ctx, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setStyleSheet(QStringLiteral("#frmSplash { background: #f4f7fb; border: 2px solid #2b5d8a; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 24, 32, 24);

    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap(ctx.folder.file(QStringLiteral("images/zovi.png"))));
    icon->setAlignment(Qt::AlignCenter);
    auto* title = new QLabel(ctx.msg(479), this);
    title->setObjectName(QStringLiteral("lblProductName"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-size: 28pt; font-weight: bold; color: #2b5d8a;"));
    auto* description = new QLabel(ctx.msg(143), this);
    description->setWordWrap(true);
    description->setAlignment(Qt::AlignCenter);
    lblVersion = new QLabel(QStringLiteral("Version ") + versionText(), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    lblVersion->setAlignment(Qt::AlignCenter);
    for (QWidget* widget : {static_cast<QWidget*>(icon), static_cast<QWidget*>(title),
                            static_cast<QWidget*>(description), static_cast<QWidget*>(lblVersion)})
        layout->addWidget(widget);
    setFixedSize(420, 260);

    timerSplash = new QTimer(this);
    timerSplash->setObjectName(QStringLiteral("timerSplash"));
    timerSplash->setSingleShot(true);
    timerSplash->setTimerType(Qt::PreciseTimer); // at least the full two seconds
    timerSplash->setInterval(kShowMs);
    connect(timerSplash, &QTimer::timeout, this, [this] {
        SplashEndFlag = true;
        timerSplash->stop();
        emit ended();
    });
}

void FrmSplash::showAndWait() {
    show();
    repaint();
    QEventLoop loop;
    connect(this, &FrmSplash::ended, &loop, &QEventLoop::quit);
    timerSplash->start();
    if (!SplashEndFlag)
        loop.exec();
    SplashEndFlag = false;
    hide();
}

} // namespace zovi
