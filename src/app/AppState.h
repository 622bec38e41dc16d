#pragma once

#include <QPointer>
#include <QString>
#include <QTimer>

namespace zovi {

// Language of this run. A change chosen in the options applies at the next start.
struct LanguageState {
    qint16 LangNo = 2;           // 1 Japanese, 2 English
    qint16 LangOffset = 10000;   // 0 for Japanese, 10000 otherwise
    bool LangChangeFlag = false; // the options chose the other language
};

// What the options dialog edits. PortNo, the flags and the current-down choice live for the run.
struct OptionsState {
    qint16 PortNo = 1;
    bool PortOccupyFlag = false;
    bool PlsPosFlag = false;
    bool MmRoundUpFlag = true;
    bool ParametaShow = false;
    bool BkCdChangeFlag = false;
    qint16 BkCdCode = 0; // 2 = current down carried out, 0 = not
    bool PulsDispChangeFlag = false;
};

// The actuator the program works for, and what follows from it.
struct DeviceState {
    bool IsVqSeries = true;
    QString SeriesText = QStringLiteral("VQ");
    bool IsNewType = true;
    QString NewOldText = QStringLiteral("NEW");
    qint16 DevListKind = 0; // 0 VQ NEW, 1 VQ OLD, 2 JM
    QString DevSize = QStringLiteral(" 28");
    QString DevSpeed = QStringLiteral("L");
    qint16 DevStroke = 100; // mm
    qint16 DevLead = 2;     // mm per revolution
    qint16 DevPPR = 400;    // pulses per revolution
    bool VerticalFlag = true;
    bool VTypeFlag = false;
    QString PrevDevSize = QStringLiteral(" 28");
    QString PrevDevSpeed = QStringLiteral("L");
    qint16 PrevDevStroke = 100;
    QString CtDevice;
    qint32 DevMaxPulse = 0;
    double DevMaxMm = 0.0;
    double MmPerPulse = 2.0 / 400.0;
};

// Flags shared by the commands that talk to the controller and by the shutdown.
struct OperationState {
    bool CtBusyFlag = false;
    qint16 LastPosNo = -1;
    bool MoveDataReadFlag = false;
    bool DataChangeFlag = false;
};

// The wait routine's timer: the main window's mmsecTimer once the window has registered it, and the
// number of times it has expired (a wait ends when the count moves on).
struct WaitState {
    QPointer<QTimer> mmsecTimer;
    quint64 expiries = 0;
};

} // namespace zovi
