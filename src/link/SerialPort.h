#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

namespace zovi {

// The one serial port to the controller: numbered ports opened at 9600 baud, 8 data bits, no parity,
// 1 stop bit, no flow control. readyRead fires when characters have arrived.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // False when the port cannot be opened or configured; errorString() tells why.
    virtual bool open(int portNo) = 0;
    virtual bool isOpen() const = 0;
    virtual void write(const QByteArray& bytes) = 0;
    virtual qint64 bytesAvailable() const = 0;
    virtual QByteArray readAll() = 0;
    virtual void close() = 0;
    virtual QString errorString() const = 0;

signals:
    void readyRead();
};

} // namespace zovi
