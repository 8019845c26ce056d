#pragma once

#include "platform/SerialPort.h"

#include <QByteArrayList>

namespace kvt7::fuzz {

// A serial line that answers each request with the next group of pieces, each announced on
// its own as it would arrive. A piece that begins with the byte 0xFD pulls the line out
// (the device goes away); opening it again succeeds. Once the answers are used up the line
// either stays silent (the exchange times out) or goes away, which ends it at once.
class FuzzSerialPort final : public SerialPort {
public:
    static constexpr char kVanish = '\xfd';

    FuzzSerialPort(QList<QByteArrayList> groups, bool silentAtEnd)
        : groups_(std::move(groups)), silentAtEnd_(silentAtEnd)
    {
    }

    bool open(const QString&) override
    {
        open_ = true;
        return true;
    }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }
    bool write(const QByteArray&) override
    {
        if (!deliverNext() && !silentAtEnd_)
            emit failed();
        return true;
    }
    QByteArray readAll() override
    {
        QByteArray bytes;
        bytes.swap(arrived_);
        return bytes;
    }
    // Delivers the next group, as if it came unasked; false when none is left.
    bool deliverNext()
    {
        if (groups_.isEmpty())
            return false;
        for (const QByteArray& piece : groups_.takeFirst()) {
            if (piece.startsWith(kVanish)) {
                emit failed();
                continue;
            }
            arrived_ += piece;
            emit bytesArrived();
        }
        return true;
    }

private:
    QList<QByteArrayList> groups_;
    QByteArray arrived_;
    bool silentAtEnd_ = false;
    bool open_ = false;
};

}  // namespace kvt7::fuzz
