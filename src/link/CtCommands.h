#pragma once

#include <QString>
#include <array>

namespace zovi {

class CtLink;

// What a move needs to know of the controller to estimate how long it may take.
struct MoveData {
    bool HomeDoneFlag = false;
    qint32 StrokePulse = 0;
    std::array<quint16, 10> SpeedTable{}; // 0 homing speed setting, 1 to 9 the speed settings
    std::array<qint16, 4> PosVel{};       // positions 1 to 3
    std::array<qint32, 4> PosPulse{};
    qint32 PresentPulse = 0;
};

// The actuator the controller says it drives, from parameter blocks 14, 13 and 11.
struct CtDevice {
    QString size;   // " 28", or "E35" for a size sent with the speed letter "E"
    QString speed;  // one letter
    int stroke = 0; // mm
    int kind = 0;   // 0 VQ NEW, 1 VQ OLD, 2 JM
    bool vertical = false;
    int lead = 0;
    int ppr = 0;
    QString modelCode() const; // size + speed + "-" + stroke in three digits ("X" when wider)
};

// The single-command exchanges that several commands share. Each releases the port after a failed
// exchange (ReadCtHomeState after every exchange). A reply whose numbers hold a character that is not
// a hexadecimal digit is a failed exchange too, told to the operator; nothing of it is stored.
class CtCommands {
public:
    explicit CtCommands(CtLink& link)
        : link_(link) {}

    MoveData move;
    CtDevice device;

    int ReadCtHomeState();   // 1 homed, 0 not, -1 failed
    int ReadCtPositions();   // 0 or 1
    int ReadCtPresentPos();  // 0 or 1
    int ReadCtParaForMove(); // 0 or 1
    int ReadCtDevice();      // 0 or 1; fills `device`

private:
    // "0RD" for one parameter block; the reply's 16 digits, or false after a failure.
    bool readBlock(const char* block, QByteArray* digits);

    CtLink& link_;
};

// Block "14", "13" and "11" digits (16 each) to the controller's actuator.
CtDevice decodeCtDevice(const QByteArray& block14, const QByteArray& block13, const QByteArray& block11);

} // namespace zovi
