#pragma once

#include <QString>

namespace zovi {

// The main window's lamps, labels and status-bar panels as the logic writes them.
class MainView {
public:
    virtual ~MainView() = default;
    virtual void setPortLamp(bool on) = 0;                           // imgPortGreen
    virtual void setAlarmLamp(bool on) = 0;                          // imgAlarmLed
    virtual void setAlarmNo(const QString& text) = 0;                // lblAlarmNo
    virtual void setErrorComment(const QString& text) = 0;           // lblErrorComment
    virtual void setHomeLamp(bool on) = 0;                           // imgHomeGreen
    virtual void setOutputLamps(bool out1, bool out2) = 0;           // imgOut1Green, imgOut2Green
    virtual void greyAllMoveButtons() = 0;                           // AllSelectMoveButtonChange2Glay
    virtual void setStatusPanel(int panel, const QString& text) = 0; // sbStatusBar panels 1 to 3
    virtual void refreshStatusBar() = 0;
};

} // namespace zovi
