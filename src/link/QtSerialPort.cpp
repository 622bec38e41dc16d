#include "link/QtSerialPort.h"

#include <QSerialPort>

namespace zovi {

QtSerialPort::QtSerialPort(std::function<QString(int)> deviceName, QObject* parent)
    : SerialPort(parent)
    , deviceName_(std::move(deviceName))
    , port_(new QSerialPort(this)) {
    connect(port_, &QSerialPort::readyRead, this, &SerialPort::readyRead);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError e) { onError(e); });
}

QtSerialPort::~QtSerialPort() = default;

bool QtSerialPort::open(int portNo) {
    error_.clear();
    port_->setPortName(deviceName_(portNo));
    if (!port_->open(QIODevice::ReadWrite)) {
        error_ = port_->errorString();
        return false;
    }
    // Line settings after opening. A pseudo-terminal refuses the modem-line calls that some of these
    // make; only a port that is no longer open after them is a failure.
    const bool configured =
        port_->setBaudRate(QSerialPort::Baud9600) && port_->setDataBits(QSerialPort::Data8) &&
        port_->setParity(QSerialPort::NoParity) && port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured || !port_->isOpen()) {
        error_ = port_->errorString();
        port_->close();
        return false;
    }
    // Characters left from before the port was opened do not belong to any reply of ours.
    port_->clear(QSerialPort::Input);
    port_->readAll();
    return true;
}

bool QtSerialPort::isOpen() const {
    return port_->isOpen();
}

void QtSerialPort::write(const QByteArray& bytes) {
    if (port_->isOpen())
        port_->write(bytes);
}

qint64 QtSerialPort::bytesAvailable() const {
    return port_->isOpen() ? port_->bytesAvailable() : 0;
}

QByteArray QtSerialPort::readAll() {
    return port_->isOpen() ? port_->readAll() : QByteArray();
}

void QtSerialPort::close() {
    if (port_->isOpen())
        port_->close();
}

// A far end that hangs up leaves the port open with its notifier spinning; closing it stops that.
// The waiting transaction then ends by its time-out.
void QtSerialPort::onError(int error) {
    switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError:
        error_ = port_->errorString();
        if (port_->isOpen())
            port_->close();
        break;
    default:
        break;
    }
}

} // namespace zovi
