#include "link/CtCommands.h"

#include "link/CtLink.h"
#include "link/ReplyFields.h"

namespace zovi {

namespace {

constexpr int kBlockReplyLength = 23;
constexpr int kPositionReplyLength = 16;

} // namespace

QString CtDevice::modelCode() const {
    const QString strokeText = stroke >= 0 && stroke <= 999
                                   ? QStringLiteral("%1").arg(stroke, 3, 10, QLatin1Char('0'))
                                   : QStringLiteral("X");
    return size + speed + QLatin1Char('-') + strokeText;
}

CtDevice decodeCtDevice(const QByteArray& block14, const QByteArray& block13, const QByteArray& block11) {
    CtDevice device;
    const int sizeNumber = int(hexValue(block14.mid(0, 2)));
    const char speedCode = static_cast<char>(hexValue(block14.mid(2, 2)));
    QString size = QStringLiteral("%1").arg(sizeNumber, 2, 10, QLatin1Char('0'));
    QString speed = QString(QLatin1Char(speedCode));
    if (speed == QLatin1String("E")) {
        size = QLatin1Char('E') + size;
        speed = QStringLiteral("L");
    } else if (size.size() == 2) {
        size = QLatin1Char(' ') + size;
    }
    device.size = size;
    device.speed = speed;
    device.stroke = int(hexValue(block14.mid(4, 4)));
    device.kind = int(hexValue(block14.mid(8, 2)));
    device.lead = int(hexValue(block13.mid(10, 2)));
    device.ppr = int(hexValue(block13.mid(12, 4)));
    device.vertical = hexValue(block11.mid(10, 2)) == 0;
    return device;
}

int CtCommands::ReadCtHomeState() {
    link_.state.TimeoutMsec = 5000;
    int result = -1;
    if (link_.SendCtCommand(QByteArrayLiteral("0RH"), 6) == 0) {
        if (const std::optional<qint64> homed = strictHexField(link_.state.ReplyText, 4, 1)) {
            result = int(*homed);
            move.HomeDoneFlag = result == 1;
        } else {
            link_.refuseUnreadableReply(QByteArrayLiteral("0RH"));
        }
    }
    link_.ReleaseCommPort();
    return result;
}

int CtCommands::ReadCtPositions() {
    for (int position = 1; position <= 3; ++position) {
        link_.state.TimeoutMsec = 5000;
        const QByteArray number = QByteArray::number(position, 16).toUpper();
        if (link_.SendCtCommand(QByteArrayLiteral("0RP"), kPositionReplyLength, number) != 0) {
            link_.ReleaseCommPort();
            return 1;
        }
        const std::optional<qint64> vel = strictHexField(link_.state.ReplyText, 5, 1);
        const std::optional<qint64> pulses = strictHexField(link_.state.ReplyText, 9, 6);
        if (!vel || !pulses)
            return link_.refuseUnreadableReply("0RP" + number);
        move.PosVel[position] = static_cast<qint16>(*vel);
        move.PosPulse[position] = static_cast<qint32>(*pulses);
    }
    return 0;
}

int CtCommands::ReadCtPresentPos() {
    link_.state.TimeoutMsec = 5000;
    if (link_.SendCtCommand(QByteArrayLiteral("0RC"), kPositionReplyLength) != 0) {
        link_.ReleaseCommPort();
        return 1;
    }
    const std::optional<qint64> pulses = strictHexField(link_.state.ReplyText, 9, 6);
    if (!pulses)
        return link_.refuseUnreadableReply(QByteArrayLiteral("0RC"));
    move.PresentPulse = static_cast<qint32>(*pulses);
    return 0;
}

bool CtCommands::readBlock(const char* block, QByteArray* digits) {
    link_.state.TimeoutMsec = 5000;
    if (link_.SendCtCommand(QByteArrayLiteral("0RD"), kBlockReplyLength, QByteArray(block)) != 0) {
        link_.ReleaseCommPort();
        return false;
    }
    *digits = replyChars(link_.state.ReplyText, 6, 16);
    if (!isHexDigits(*digits)) {
        link_.refuseUnreadableReply("0RD" + QByteArray(block));
        return false;
    }
    return true;
}

int CtCommands::ReadCtParaForMove() {
    QByteArray block10, block11, block12;
    if (!readBlock("10", &block10) || !readBlock("11", &block11) || !readBlock("12", &block12))
        return 1;
    move.StrokePulse = static_cast<qint32>(hexValue(block10.mid(0, 6)));
    move.SpeedTable[1] = static_cast<quint16>(hexValue(block11.mid(0, 2)));
    move.SpeedTable[2] = static_cast<quint16>(hexValue(block11.mid(2, 2)));
    move.SpeedTable[3] = static_cast<quint16>(hexValue(block11.mid(4, 2)));
    move.SpeedTable[0] = static_cast<quint16>(hexValue(block11.mid(6, 2)));
    for (int i = 0; i < 6; ++i)
        move.SpeedTable[4 + i] = static_cast<quint16>(hexValue(block12.mid(2 * i, 2)));
    return 0;
}

int CtCommands::ReadCtDevice() {
    QByteArray block14, block13, block11;
    if (!readBlock("14", &block14) || !readBlock("13", &block13) || !readBlock("11", &block11))
        return 1;
    device = decodeCtDevice(block14, block13, block11);
    return 0;
}

} // namespace zovi
