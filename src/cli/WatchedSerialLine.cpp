#include "WatchedSerialLine.h"

namespace kvt7 {

WatchedSerialLine::WatchedSerialLine(QObject* parent) : SerialPort(parent)
{
    connect(&line_, &SerialPort::bytesArrived, this, &SerialPort::bytesArrived);
    connect(&line_, &SerialPort::failed, this, [this] {
        wentAway_ = true;
        emit failed();
    });
}

bool WatchedSerialLine::open(const QString& device)
{
    const bool opened = line_.open(device);
    lastOpenFailed_ = !opened;
    if (opened)
        wentAway_ = false;
    return opened;
}

}  // namespace kvt7
