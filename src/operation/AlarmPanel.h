#pragma once

#include "operation/AlarmList.h"

#include <QByteArray>
#include <QString>

namespace zovi {

class AppContext;
class MainView;

// The main window's alarm panel: lamp, alarm number and the explanation from the alarm list.
class AlarmPanel {
public:
    AlarmPanel(AppContext& ctx, MainView& view)
        : ctx_(ctx)
        , view_(view) {}

    // Reads "error.lst" beside the program; a missing or malformed list is reported once here and
    // again at every alarm.
    void Get_ErrorList();
    // Shows the alarm of a status line "0%%nn...".
    void DispAlarmState(const QByteArray& statusText);
    // Turns off the home and output lamps and greys the move buttons before an alarm is shown.
    void ClearStateLamps();
    // Back to "No Error": after every successful exchange.
    void clearAlarm();
    // The advice shown when homing did not find the home sensor (alarm "0B").
    void Disp_ZeroB_Error();

    bool ErrListMissingFlag = false;
    bool AlarmKnownFlag = false;
    QString AlarmNoText;
    QString AlarmComment;
    const AlarmList& list() const { return list_; }

private:
    void reportMissingList();

    AppContext& ctx_;
    MainView& view_;
    AlarmList list_;
};

} // namespace zovi
