#pragma once

#include <QByteArray>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace kvt7 {

// The simulated controller kvm8-sim as a child process: it serves a pseudo-terminal and
// prints the terminal's device path on its first output line. Ended (SIGTERM, then kill)
// when this object goes.
class SimulatorProcess : public QObject {
    Q_OBJECT
public:
    explicit SimulatorProcess(QObject* parent = nullptr);
    ~SimulatorProcess() override;

    // kvm8-sim beside the running program.
    static QString DefaultProgram();

    // Starts the program with the extra arguments and waits (events running) up to
    // timeoutMs for the device line. False with errorText() set when it cannot be started,
    // ends early or says nothing in time.
    bool start(const QStringList& arguments = {}, const QString& program = DefaultProgram(),
               int timeoutMs = 10000);
    QString devicePath() const { return device_; }
    QString errorText() const { return error_; }
    bool running() const { return process_.state() != QProcess::NotRunning; }
    qint64 processId() const { return process_.processId(); }
    // SIGTERM, then kill after a grace period; safe to call more than once.
    void stop();

private:
    void collectOutput();

    QProcess process_;
    QByteArray firstLine_;
    bool haveLine_ = false;
    QString device_;
    QString error_;
};

}  // namespace kvt7
