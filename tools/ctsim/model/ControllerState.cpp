#include "model/ControllerState.h"

namespace ctsim {

void ControllerState::restart() {
    commMode = false;
    homed = false;
    lastPosNo = -1;
    outputBits = 0;
    alarm = emergencyInput ? alarm::EmergencyStop : alarm::None;
}

void ControllerState::setOutputCode(int code) {
    outputBits = quint8((outputBits & ~(Out1Bit | Out2Bit)) | ((code & 3) << 1));
}

std::optional<quint8> ControllerState::readRegister(QByteArrayView number) const {
    if (number == "105") // high digit bit 1: HOME LS
        return quint8(homeSensorActive() ? 0xEF : 0xFF);
    if (number == "106") // low digit bits 1, 2, 4: POSI1, POSI2, POSI4
        return quint8(0xFF & ~(positionInputs & 7));
    if (number == "107") // high digit bit 2: EMG STOP input; low digit: outputs
        return quint8((emergencyInput ? 0xD0 : 0xF0) | (outputBits & 0xF));
    return std::nullopt;
}

} // namespace ctsim
