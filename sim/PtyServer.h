#pragma once

#include "Kvm8Simulator.h"
#include "LineAssembler.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>

class QSocketNotifier;

namespace kvt7::sim {

// Serves a Kvm8Simulator on a pseudo-terminal: the client opens devicePath() as it would a
// serial port. Motion follows real time while serving.
class PtyServer : public QObject {
    Q_OBJECT

public:
    // 9600 baud, 8N1: ten bits a character.
    static constexpr double kCharMs = 10.0 / 9.6;
    static constexpr int kSplitGapMs = 30;
    // How long a vanished device stays away by default.
    static constexpr int kVanishMs = 300;

    explicit PtyServer(Kvm8Simulator& simulator, QObject* parent = nullptr);
    ~PtyServer() override;

    bool open(QString* error = nullptr);
    bool isOpen() const { return master_ >= 0; }
    // The slave side, e.g. /dev/pts/5.
    QString devicePath() const { return device_; }

    // A symbolic link to the device; an existing link of that name is replaced, any other
    // file is left alone and refused.
    bool createLink(const QString& path, QString* error = nullptr);
    void removeLink();
    QString linkPath() const { return link_; }

    // Off: replies go out at once. On: a reply is complete no earlier than the request's and
    // the reply's characters take on a 9600-baud line, counted from the request's arrival.
    void setWireDelay(bool on) { wireDelay_ = on; }
    bool wireDelay() const { return wireDelay_; }

    // Requests beginning with `prefix` are executed at once and answered `ms` later; the
    // replies of later requests wait behind theirs.
    void addReplyDelay(const QByteArray& prefix, int ms) { replyDelays_.append({prefix, ms}); }

    // A vanishing request (a Vanish fault) closes the pseudo-terminal, as an unplugged
    // adapter does; `ms` later a new one opens and the link, if any, names it. A client that
    // opened the device itself rather than the link loses the controller for good.
    void setVanishMs(int ms) { vanishMs_ = ms; }
    int vanishCount() const { return vanishCount_; }

    // Brings the simulator's clock up to real time. Requests do this themselves; call it
    // before looking at the simulator's state (present positions, busy) from outside.
    void catchUp();

signals:
    void served(const QByteArray& request, const QByteArray& reply);
    void vanished();
    void reappeared(const QString& device);

private:
    void onReadable();
    void onWritable();
    void serve(const QByteArray& line, qint64 arrivedNs);
    void schedule(const QByteArray& bytes, qint64 dueNs);
    void sendDue();
    void write(const QByteArray& bytes);
    void hangUp();
    void reappear();
    static qint64 LineNs(qsizetype characters);

    Kvm8Simulator& sim_;
    int master_ = -1;
    int slave_ = -1;  // held open so that a client closing the device does not hang the line up
    QString device_;
    QString link_;
    QSocketNotifier* readNotifier_ = nullptr;
    QSocketNotifier* writeNotifier_ = nullptr;
    QTimer sendTimer_;
    QElapsedTimer clock_;
    qint64 consumedMs_ = 0;
    LineAssembler lines_;
    struct Pending {
        qint64 dueNs;
        QByteArray bytes;
    };
    std::deque<Pending> pending_;
    qint64 lastDueNs_ = 0;
    QByteArray out_;
    bool wireDelay_ = false;
    QList<QPair<QByteArray, int>> replyDelays_;
    int vanishMs_ = kVanishMs;
    int vanishCount_ = 0;
    QString vanishedLink_;
    QTimer reappearTimer_;
};

}  // namespace kvt7::sim
