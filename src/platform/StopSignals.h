#pragma once

#include <QObject>
#include <memory>

class QSocketNotifier;

namespace kvt7 {

// SIGINT and SIGTERM as an event-loop notification while the object lives, so that a command
// in a nested wait can end its exchange and stop the machine before it exits. The signals
// are blocked and read from a signal descriptor: no handler, hence no process-wide state
// beside the signal mask, which is put back on destruction.
class StopSignals : public QObject {
    Q_OBJECT
public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    bool active() const { return fd_ >= 0; }
    bool received() const { return received_; }

signals:
    void stopRequested(int signalNumber);

private:
    void onReadable();

    int fd_ = -1;
    bool received_ = false;
    std::unique_ptr<QSocketNotifier> notifier_;
    struct Mask;
    std::unique_ptr<Mask> previous_;
};

}  // namespace kvt7
