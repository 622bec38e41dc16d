#pragma once

#include "link/SerialPort.h"

#include <functional>

class QSerialPort;

namespace zovi {

// The serial port of this machine. `deviceName` turns a port number into the device to open.
class QtSerialPort : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialPort(std::function<QString(int)> deviceName, QObject* parent = nullptr);
    ~QtSerialPort() override;

    bool open(int portNo) override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    qint64 bytesAvailable() const override;
    QByteArray readAll() override;
    void close() override;
    QString errorString() const override { return error_; }

private:
    void onError(int error);

    std::function<QString(int)> deviceName_;
    QSerialPort* port_;
    QString error_;
};

} // namespace zovi
