#pragma once

#include "app/MainControls.h"
#include "app/MainView.h"
#include "app/ProgressView.h"

namespace zovi {

// The main window's seams for a run without windows (the command line, the benchmark, the fuzz
// targets): nothing is drawn and nothing is kept.

class QuietMainView : public MainView {
public:
    void setPortLamp(bool) override {}
    void setAlarmLamp(bool) override {}
    void setAlarmNo(const QString&) override {}
    void setErrorComment(const QString&) override {}
    void setHomeLamp(bool) override {}
    void setOutputLamps(bool, bool) override {}
    void greyAllMoveButtons() override {}
    void setStatusPanel(int, const QString&) override {}
    void refreshStatusBar() override {}
};

class QuietControls : public MainControls {
public:
    void CMDBTN_Muko() override {}
    void CMDBTN_Yuko() override {}
    void ToolBar_Muko() override {}
    void ToolBar_Yuko() override {}
    void Menyu_Muko() override {}
    void Menyu_Yuko() override {}
    void CTModeChange_Muko() override {}
    void CTModeChange_Yuko() override {}
    void setResetEnabled(bool) override {}
};

class QuietProgress : public ProgressView {
public:
    void open(int, const QString&) override {}
    void step(int) override {}
    void close() override {}
};

} // namespace zovi
