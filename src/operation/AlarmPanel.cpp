#include "operation/AlarmPanel.h"

#include "app/AppContext.h"
#include "app/MainView.h"

namespace zovi {

void AlarmPanel::Get_ErrorList() {
    if (!list_.load(ctx_.folder.file(QStringLiteral("error.lst")))) {
        reportMissingList();
        ErrListMissingFlag = true;
    }
}

void AlarmPanel::reportMissingList() {
    // The file is named with its fault, so that the operator knows which file to put back.
    ctx_.op.message(ctx_.texts.joined({477, 478}) + kParagraph +
                    listProblemText(ctx_.texts, list_.problem()));
}

void AlarmPanel::DispAlarmState(const QByteArray& statusText) {
    AlarmKnownFlag = false;
    if (ErrListMissingFlag) {
        reportMissingList();
        return;
    }
    const QString number = QString::fromLatin1(statusText.left(5).mid(3, 2));
    view_.setAlarmNo(number);
    AlarmNoText = number;
    bool ok = false;
    int alarm = number.toInt(&ok, 16);
    if (!ok)
        alarm = -1; // matches no record
    view_.setAlarmLamp(true);
    if (AlarmNoText == QLatin1String("0E"))
        view_.setHomeLamp(false);
    if (ctx_.lang.LangNo != 1 && alarm >= 0)
        alarm += 100;
    if (const auto text = list_.find(alarm)) {
        view_.setErrorComment(*text);
        AlarmComment = *text;
        AlarmKnownFlag = true;
    } else {
        view_.setErrorComment(ctx_.msg(576));
    }
}

void AlarmPanel::ClearStateLamps() {
    view_.setHomeLamp(false);
    view_.setOutputLamps(false, false);
    view_.greyAllMoveButtons();
}

void AlarmPanel::clearAlarm() {
    view_.setAlarmLamp(false);
    view_.setErrorComment(ctx_.msg(29));
    view_.setAlarmNo(QString());
}

void AlarmPanel::Disp_ZeroB_Error() {
    ctx_.op.message(ctx_.texts.joined({449, 450, 451, 452, 453, 454, 455}));
}

} // namespace zovi
