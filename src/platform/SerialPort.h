#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

class QSerialPort;

namespace kvt7 {

// The serial line to the controller: 9600 baud, 8 data bits, no parity, 1 stop bit,
// no flow control. Arrival of bytes is announced, never polled.
class SerialPort : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~SerialPort() override = default;

    virtual bool open(const QString& device) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;
    virtual bool write(const QByteArray& bytes) = 0;
    virtual QByteArray readAll() = 0;

signals:
    void bytesArrived();
    // Reading failed or the device went away (a USB adapter pulled out).
    void failed();
};

// QSerialPort behind the interface.
class QtSerialLine final : public SerialPort {
    Q_OBJECT
public:
    explicit QtSerialLine(QObject* parent = nullptr);
    ~QtSerialLine() override;

    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override;
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    QSerialPort* port_;
};

}  // namespace kvt7
