#pragma once

#include "platform/SerialPort.h"

#include <functional>

namespace kvt7 {

// kvt7ctl's serial line: the real one, telling whether the last attempt to open it failed and
// whether it went away, so that the exit status can say that no controller was reached.
class WatchedSerialLine final : public SerialPort {
    Q_OBJECT
public:
    explicit WatchedSerialLine(QObject* parent = nullptr);

    bool open(const QString& device) override;
    void close() override { line_.close(); }
    bool isOpen() const override { return line_.isOpen(); }
    bool write(const QByteArray& bytes) override { return line_.write(bytes); }
    QByteArray readAll() override { return line_.readAll(); }

    bool lastOpenFailed() const { return lastOpenFailed_; }
    bool wentAway() const { return wentAway_; }

private:
    QtSerialLine line_;
    bool lastOpenFailed_ = false;
    bool wentAway_ = false;
};

}  // namespace kvt7
