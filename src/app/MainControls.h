#pragma once

#include <QString>

namespace zovi {

// The main window's groups of controls that are disabled while an exchange with the controller runs.
class MainControls {
public:
    virtual ~MainControls() = default;
    virtual void CMDBTN_Muko() = 0;
    virtual void CMDBTN_Yuko() = 0;
    virtual void ToolBar_Muko() = 0;
    virtual void ToolBar_Yuko() = 0;
    virtual void Menyu_Muko() = 0;
    virtual void Menyu_Yuko() = 0;
    virtual void CTModeChange_Muko() = 0;
    virtual void CTModeChange_Yuko() = 0;
    virtual void setResetEnabled(bool enabled) = 0; // cmdReset
};

// The parameter window's status label, written while the controller is reset.
class ParameterStatusView {
public:
    virtual ~ParameterStatusView() = default;
    virtual void setParaWinStatus(const QString& text) = 0; // lblParaWinStatus
};

} // namespace zovi
