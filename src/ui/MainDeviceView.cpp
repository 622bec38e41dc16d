#include "ui/MainDeviceView.h"

#include "app/AppContext.h"
#include "app/Wait.h"
#include "session/ControllerSession.h"
#include "ui/FrmMain.h"
#include "ui/FrmSelection.h"
#include "ui/FrmTrance.h"
#include "ui/StartupRoutine.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>

namespace zovi {

void MainDeviceView::setDeviceLabel(const QString& text) {
    main_.setDeviceLabel(text);
}

void MainDeviceView::setVqElementVisible(bool visible) {
    main_.setVqElementVisible(visible);
}

void MainDeviceView::setOldElementVisible(bool visible) {
    main_.setOldElementVisible(visible);
}

void MainDeviceView::setUnitLine(const QString& mmLine, const QString& pulseLine) {
    main_.setStatusPanel(2, mmLine);
    main_.setStatusPanel(3, pulseLine);
}

void MainDeviceView::setChangeDeviceEnabled(bool enabled) {
    if (auto* button = main_.findChild<QPushButton*>(QStringLiteral("cmdChangeDev")))
        button->setEnabled(enabled);
}

void MainDeviceView::repaintGrids() {
    main_.positionGrid()->viewport()->update();
    main_.programGrid()->viewport()->update();
}

TranceProgress::TranceProgress(AppContext& ctx, FrmMain& main)
    : ctx_(ctx)
    , main_(main) {}

TranceProgress::~TranceProgress() = default;

void TranceProgress::open(int maximum, const QString& text) {
    if (!window_)
        window_ = std::make_unique<FrmTrance>(ctx_, &main_);
    window_->setRange(maximum);
    window_->setProgress(0);
    window_->setExplanation(text);
    window_->show();
    QApplication::processEvents();
}

void TranceProgress::step(int value) {
    if (window_)
        window_->setProgress(value);
}

void TranceProgress::close() {
    window_.reset();
}

void determineDeviceAtStartup(AppContext& ctx, DeviceCatalogue& catalogue, MainProgram& program) {
    FrmMain& main = *program.window;
    main.attachDevices(catalogue);
    MainDeviceView view(main);
    TranceProgress progress(ctx, main);
    DeviceStartupHooks hooks;
    hooks.askSelection = [&ctx, &main] {
        FrmSelection question(ctx, true, &main);
        question.exec();
        return question.answer();
    };
    hooks.changeDevice = [&main] {
        main.cmdChangeDev_Click();
    };
    hooks.parkFocus = [&main] {
        main.focusHolder()->clear();
        main.setFocusDummyTimer()->start();
    };
    hooks.wait = [&ctx](int milliseconds) {
        waitMs(ctx, milliseconds);
    };
    ControllerSession& controller = *program.controller;
    DeviceStartup startup(ctx, catalogue, controller.link, controller.commands, view, progress, hooks);
    startup.run();
}

} // namespace zovi
