#pragma once

#include "platform/SerialPort.h"

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <deque>
#include <functional>

namespace kvt7::test {

// A serial line whose far end is a script. Each request line written may be answered by a
// list of pieces, each arriving as a separate read; an empty list is silence.
class FakeSerialPort final : public SerialPort {
    Q_OBJECT
public:
    using Pieces = QList<QByteArray>;
    using Responder = std::function<Pieces(const QByteArray& line)>;

    explicit FakeSerialPort(QObject* parent = nullptr) : SerialPort(parent) {}

    // Script
    int openFailures = 0;   // this many open attempts fail before one succeeds (-1: all fail)
    bool writeFails = false;
    // Answers the next request line (without CR LF); used before the responder.
    void queueReply(Pieces pieces) { queued_.push_back(std::move(pieces)); }
    void queueReply(const QByteArray& whole) { queued_.push_back({whole}); }
    void queueSilence() { queued_.push_back({}); }
    // Answers every request line that the queue does not cover.
    void setResponder(Responder responder) { responder_ = std::move(responder); }
    // Bytes that arrive without a request.
    void arrive(const QByteArray& bytes);
    // The line reports a read error (device unplugged).
    void fail();

    // Record
    QList<QByteArray> writes;      // every write as it was made
    QStringList requests() const;  // the request lines without CR LF
    int openAttempts = 0;
    int closes = 0;
    // When set, every request line is added as written (without CR LF); the dialogs add the
    // messages they show to the same list, so a test sees which came first.
    QStringList* journal = nullptr;
    QString openedDevice;

    // SerialPort
    bool open(const QString& device) override;
    void close() override;
    bool isOpen() const override { return open_; }
    bool write(const QByteArray& bytes) override;
    QByteArray readAll() override;

private:
    void deliver(const Pieces& pieces);
    std::deque<Pieces> queued_;
    Responder responder_;
    QByteArray inbound_;
    QByteArray outbound_;
    bool open_ = false;
};

}  // namespace kvt7::test
