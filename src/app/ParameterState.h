#pragma once

#include <QString>
#include <QVariant>
#include <array>

namespace zovi {

// The controller's 24 numbered parameters as the program holds them: the working copy that the
// parameter window edits, the files keep and the controller receives. parameter/ParameterTable.h
// describes each of them (limits, label, window field, place in the controller's blocks).
struct ParameterSet {
    qint32 Stroke = 0;       // 1: soft stroke limit in pulses
    qint32 HomeOffset = 0;   // 2
    qint16 HomeOsikomi = 0;  // 3: pushing amount at homing
    qint16 GentenModori = 0; // 4: homing velocity
    qint16 GentenHanten = 0; // 5: speed of the offset move after homing
    qint16 KasokuSet1 = 0;   // 6 to 14: the nine selectable speeds
    qint16 KasokuSet2 = 0;
    qint16 KasokuSet3 = 0;
    qint16 KasokuSet4 = 0;
    qint16 KasokuSet5 = 0;
    qint16 KasokuSet6 = 0;
    qint16 KasokuSet7 = 0;
    qint16 KasokuSet8 = 0;
    qint16 KasokuSet9 = 0;
    qint16 Jog1 = 0; // 15 to 17: jog speeds
    qint16 Jog2 = 0;
    qint16 Jog3 = 0;
    qint16 Vsiyou = 0;   // 18: 0 pushing homing, 1 sensor homing
    qint16 Lead = 0;     // 19: mm per revolution
    qint16 Pulse = 0;    // 20: pulses per revolution
    qint32 Type = 0;     // 21: 0 VQ NEW, 1 VQ OLD, 2 JM
    QString Actuator;    // 22: size (3 characters) + speed letter + "-" + stroke in three digits
    qint16 EmgWay = 0;   // 23: emergency-stop input, 0 reset, 1 hold
    qint16 EmgLogic = 0; // 24: emergency-stop logic, 0 logic B, 1 logic A
    QString ActSize;     // the parts of the actuator code
    QString ActSpeed;
    qint32 ActStroke = 0;
};

// The staging table through which a parameter file, the controller's blocks and the verification
// pass: slot 0 the file title of the last file read, slots 1 to 24 the parameters as read (numbers,
// slot 22 text), 25 to 27 size, speed and stroke of slot 22.
inline constexpr int kParaFileSlots = 36;
using ParaSlots = std::array<QVariant, kParaFileSlots>;

struct ParameterState {
    ParameterSet set;
    ParaSlots ParaFileData;
    bool ParaChangeFlag = false; // a parameter text field was edited since the last read or save
    QString InvalidParaList;     // "3,20,": parameters the value check refused
    QString UnmatchedParaList;   // "1,6,": parameters a verification found different
    QString OverStrokeList;      // "2,": controller positions beyond a new stroke
    qint16 ParaItemCount = 0;    // values read from the last parameter file, plus one
};

} // namespace zovi
