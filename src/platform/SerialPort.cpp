#include "SerialPort.h"

#include <QSerialPort>

namespace kvt7 {

QtSerialLine::QtSerialLine(QObject* parent) : SerialPort(parent), port_(new QSerialPort(this))
{
    connect(port_, &QSerialPort::readyRead, this, &SerialPort::bytesArrived);
    connect(port_, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error == QSerialPort::ReadError || error == QSerialPort::ResourceError)
            emit failed();
    });
}

QtSerialLine::~QtSerialLine() = default;

bool QtSerialLine::open(const QString& device)
{
    if (port_->isOpen())
        return true;
    port_->setPortName(device);
    if (!port_->open(QIODevice::ReadWrite))
        return false;
    const bool configured = port_->setBaudRate(QSerialPort::Baud9600)
                            && port_->setDataBits(QSerialPort::Data8)
                            && port_->setParity(QSerialPort::NoParity)
                            && port_->setStopBits(QSerialPort::OneStop)
                            && port_->setFlowControl(QSerialPort::NoFlowControl);
    if (!configured) {
        port_->close();
        return false;
    }
    return true;
}

void QtSerialLine::close()
{
    if (port_->isOpen())
        port_->close();
}

bool QtSerialLine::isOpen() const
{
    return port_->isOpen();
}

bool QtSerialLine::write(const QByteArray& bytes)
{
    if (!port_->isOpen())
        return false;
    return port_->write(bytes) == bytes.size();
}

QByteArray QtSerialLine::readAll()
{
    return port_->readAll();
}

}  // namespace kvt7
