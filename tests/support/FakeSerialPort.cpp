#include "FakeSerialPort.h"

#include <QTimer>

namespace kvt7::test {

QStringList FakeSerialPort::requests() const
{
    QStringList lines;
    for (QByteArray write : writes) {
        if (write.endsWith("\r\n"))
            write.chop(2);
        lines << QString::fromLatin1(write);
    }
    return lines;
}

bool FakeSerialPort::open(const QString& device)
{
    ++openAttempts;
    if (openFailures < 0)
        return false;
    if (openFailures > 0) {
        --openFailures;
        return false;
    }
    open_ = true;
    openedDevice = device;
    return true;
}

void FakeSerialPort::close()
{
    if (open_)
        ++closes;
    open_ = false;
}

bool FakeSerialPort::write(const QByteArray& bytes)
{
    if (!open_ || writeFails)
        return false;
    writes << bytes;
    outbound_ += bytes;
    int end;
    while ((end = outbound_.indexOf("\r\n")) >= 0) {
        const QByteArray line = outbound_.left(end);
        outbound_.remove(0, end + 2);
        if (journal)
            *journal << QString::fromLatin1(line);
        if (!queued_.empty()) {
            Pieces pieces = queued_.front();
            queued_.pop_front();
            deliver(pieces);
        } else if (responder_) {
            deliver(responder_(line));
        }
    }
    return true;
}

void FakeSerialPort::deliver(const Pieces& pieces)
{
    int delay = 0;
    for (const QByteArray& piece : pieces) {
        QTimer::singleShot(delay, this, [this, piece] { arrive(piece); });
        delay += 2;
    }
}

void FakeSerialPort::arrive(const QByteArray& bytes)
{
    if (!open_)
        return;
    inbound_ += bytes;
    emit bytesArrived();
}

void FakeSerialPort::fail()
{
    emit failed();
}

QByteArray FakeSerialPort::readAll()
{
    QByteArray bytes;
    bytes.swap(inbound_);
    return bytes;
}

}  // namespace kvt7::test
