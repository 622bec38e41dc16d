#pragma once

#include "app/QuietViews.h"
#include "device/DeviceView.h"
#include "operation/MoveView.h"
#include "parameter/ParameterCommands.h"
#include "position/PositionFiles.h"

namespace zovi::cli {

// The window's seams for a run without windows. Nothing is drawn; what the command line reports (the
// alarm panel, the model name) is kept.

class CliMainView : public QuietMainView {
public:
    void setAlarmNo(const QString& text) override { alarmNo = text; }
    void setErrorComment(const QString& text) override { errorComment = text; }

    QString alarmNo; // empty while no alarm is shown
    QString errorComment;
};

class CliDeviceView : public DeviceView {
public:
    void setDeviceLabel(const QString& text) override { label = text; }
    void setVqElementVisible(bool) override {}
    void setOldElementVisible(bool) override {}
    void setUnitLine(const QString&, const QString&) override {}
    void setChangeDeviceEnabled(bool) override {}
    void repaintGrids() override {}

    // What the main window's lblDeviceType would show: the model name a position file records.
    QString label;
};

class CliMoveView : public MoveView {
public:
    void setButtonPicture(int, int) override {}
    void setCompletedPosition(const QString&) override {}
};

class CliParameterWindow : public ParameterWindowView {
public:
    void showModel() override {}
    void setParaWinStatus(const QString&) override {}
};

class CliFileView : public PositionFileView {
public:
    explicit CliFileView(CliDeviceView& device)
        : device_(device) {}
    QString deviceTypeName() const override { return device_.label; }
    void setWaitCursor(bool) override {}
    DeviceView& deviceView() override { return device_; }

private:
    CliDeviceView& device_;
};

} // namespace zovi::cli
