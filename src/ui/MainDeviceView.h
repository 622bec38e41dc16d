#pragma once

#include "device/DeviceStartup.h"
#include "device/DeviceView.h"

#include <memory>

namespace zovi {

class AppContext;
class DeviceCatalogue;
class FrmMain;
class FrmTrance;
struct MainProgram;

// The main window as the device logic sees it: model name, device marks, unit line, the change
// button and the grids.
class MainDeviceView : public DeviceView {
public:
    explicit MainDeviceView(FrmMain& main)
        : main_(main) {}
    void setDeviceLabel(const QString& text) override;
    void setVqElementVisible(bool visible) override;
    void setOldElementVisible(bool visible) override;
    void setUnitLine(const QString& mmLine, const QString& pulseLine) override;
    void setChangeDeviceEnabled(bool enabled) override;
    void repaintGrids() override;

private:
    FrmMain& main_;
};

// frmTrance while data go to or come from the controller: modeless over the main window.
class TranceProgress : public ProgressView {
public:
    TranceProgress(AppContext& ctx, FrmMain& main);
    ~TranceProgress() override;
    void open(int maximum, const QString& text) override;
    void step(int value) override;
    void close() override;

private:
    AppContext& ctx_;
    FrmMain& main_;
    std::unique_ptr<FrmTrance> window_;
};

// The start-up device determination with its windows: the question frmSelection, frmTrance, the
// controller link of the run and the main window's device change.
void determineDeviceAtStartup(AppContext& ctx, DeviceCatalogue& catalogue, MainProgram& program);

} // namespace zovi
