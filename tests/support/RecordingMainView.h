#pragma once

#include "app/MainControls.h"
#include "app/MainView.h"

#include <QMap>
#include <QStringList>

namespace zovi::test {

// Keeps what the logic last showed on the main window, and counts the enabling calls.
class RecordingMainView : public MainView, public MainControls, public ParameterStatusView {
public:
    void setPortLamp(bool on) override { portLamp = on; }
    void setAlarmLamp(bool on) override { alarmLamp = on; }
    void setAlarmNo(const QString& text) override { alarmNo = text; }
    void setErrorComment(const QString& text) override { errorComment = text; }
    void setHomeLamp(bool on) override { homeLamp = on; }
    void setOutputLamps(bool o1, bool o2) override {
        out1 = o1;
        out2 = o2;
    }
    void greyAllMoveButtons() override { ++greyed; }
    void setStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    void refreshStatusBar() override {}

    void CMDBTN_Muko() override { calls << QStringLiteral("CMDBTN_Muko"); }
    void CMDBTN_Yuko() override { calls << QStringLiteral("CMDBTN_Yuko"); }
    void ToolBar_Muko() override { calls << QStringLiteral("ToolBar_Muko"); }
    void ToolBar_Yuko() override { calls << QStringLiteral("ToolBar_Yuko"); }
    void Menyu_Muko() override { calls << QStringLiteral("Menyu_Muko"); }
    void Menyu_Yuko() override { calls << QStringLiteral("Menyu_Yuko"); }
    void CTModeChange_Muko() override { calls << QStringLiteral("CTModeChange_Muko"); }
    void CTModeChange_Yuko() override { calls << QStringLiteral("CTModeChange_Yuko"); }
    void setResetEnabled(bool enabled) override {
        calls << (enabled ? QStringLiteral("reset on") : QStringLiteral("reset off"));
    }
    void setParaWinStatus(const QString& text) override { paraWinStatus << text; }

    bool portLamp = false;
    bool alarmLamp = false;
    QString alarmNo;
    QString errorComment = QStringLiteral("No Error");
    bool homeLamp = true;
    bool out1 = true;
    bool out2 = true;
    int greyed = 0;
    QMap<int, QString> panels;
    QStringList calls;
    QStringList paraWinStatus;
};

} // namespace zovi::test
