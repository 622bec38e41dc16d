#pragma once

#include "model/Output.h"

#include <QRandomGenerator>
#include <QString>

#include <optional>

namespace ctsim {

// Misbehaviour the controller can be told to show. Each reply fault either lasts until cleared or, when set
// "once", applies to the next reply only (the next line the controller answers; "0CM3", empty lines and other
// stations' lines get no reply and leave it pending). Stray lines are never shaped.
class FaultSet {
public:
    void setSilent(bool once);                       // the reply is not sent
    void setSplit(int pieces, int gapMs, bool once); // the reply in `pieces` writes, gapMs apart
    void setWrongEcho(bool once);                    // the third character of the reply is wrong
    void setLengthError(int delta, bool once);       // +1: one character too many, -1: one too few
    void setDelay(int delayMs, bool once);           // the reply starts delayMs later
    void setAlarmOnce(quint8 number);                // the next command is refused with this alarm
    void setHomeSensorFail();                        // the next homing does not find the home sensor
    void setGarbleNext(int count, quint32 seed);     // `count` random bytes put into the next reply
    void setHangUp(int kept);                        // the next reply cut after `kept` characters ...
    void clear();

    // ... and from then on nothing crosses the line either way, as with a pulled cable, until clear().
    bool lineCut() const { return m_lineCut; }

    std::optional<quint8> takeAlarmOnce();
    bool takeHomeSensorFail();

    // The writes that carry a reply line, starting at atMs; consumes the "once" faults that apply.
    Outputs shape(const QByteArray& reply, qint64 atMs);

    QString describe() const; // "none" or the active faults, comma separated

private:
    struct Fault {
        bool active = false;
        bool once = false;
        int value = 0;
        int extra = 0;
    };
    static void arm(Fault& fault, bool once, int value = 0, int extra = 0);
    static bool take(Fault& fault);

    Fault m_silent;
    Fault m_split;
    Fault m_wrongEcho;
    Fault m_length;
    Fault m_delay;
    Fault m_garble; // value: how many bytes, extra: the seed
    Fault m_hangUp; // value: the characters kept
    bool m_lineCut = false;
    std::optional<quint8> m_alarmOnce;
    bool m_homeSensorFail = false;
};

// `count` bytes of any value (noise on the line), drawn from `generator`.
QByteArray randomBytes(QRandomGenerator& generator, qsizetype count);

} // namespace ctsim
