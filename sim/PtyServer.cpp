#include "PtyServer.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <limits>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace kvt7::sim {

namespace {

QString SystemError(const char* what)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(std::strerror(errno)));
}

}  // namespace

PtyServer::PtyServer(Kvm8Simulator& simulator, QObject* parent) : QObject(parent), sim_(simulator)
{
    sendTimer_.setSingleShot(true);
    sendTimer_.setTimerType(Qt::PreciseTimer);
    connect(&sendTimer_, &QTimer::timeout, this, &PtyServer::sendDue);
    reappearTimer_.setSingleShot(true);
    connect(&reappearTimer_, &QTimer::timeout, this, &PtyServer::reappear);
}

PtyServer::~PtyServer()
{
    removeLink();
    delete readNotifier_;
    delete writeNotifier_;
    if (master_ >= 0)
        ::close(master_);
    if (slave_ >= 0)
        ::close(slave_);
}

bool PtyServer::open(QString* error)
{
    if (isOpen())
        return true;
    int master = -1, slave = -1;
    if (::openpty(&master, &slave, nullptr, nullptr, nullptr) != 0) {
        if (error)
            *error = SystemError("openpty");
        return false;
    }
    termios tio{};
    ::tcgetattr(slave, &tio);
    ::cfmakeraw(&tio);
    ::cfsetspeed(&tio, B9600);
    ::tcsetattr(slave, TCSANOW, &tio);
    ::fcntl(master, F_SETFL, ::fcntl(master, F_GETFL) | O_NONBLOCK);
    ::fcntl(master, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave, F_SETFD, FD_CLOEXEC);
    char name[256] = {};
    if (::ptsname_r(master, name, sizeof name) != 0) {
        if (error)
            *error = SystemError("ptsname");
        ::close(master);
        ::close(slave);
        return false;
    }
    master_ = master;
    slave_ = slave;
    device_ = QString::fromLocal8Bit(name);
    readNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Read);
    connect(readNotifier_, &QSocketNotifier::activated, this, &PtyServer::onReadable);
    writeNotifier_ = new QSocketNotifier(master_, QSocketNotifier::Write);
    writeNotifier_->setEnabled(false);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &PtyServer::onWritable);
    clock_.start();
    consumedMs_ = 0;
    return true;
}

bool PtyServer::createLink(const QString& path, QString* error)
{
    const QFileInfo existing(path);
    if (existing.isSymLink()) {
        QFile::remove(path);
    } else if (existing.exists()) {
        if (error)
            *error = QStringLiteral("%1 exists and is not a symbolic link").arg(path);
        return false;
    }
    if (!QFile::link(device_, path)) {
        if (error)
            *error = QStringLiteral("cannot create the link %1").arg(path);
        return false;
    }
    link_ = path;
    return true;
}

void PtyServer::removeLink()
{
    if (!link_.isEmpty() && QFileInfo(link_).isSymLink())
        QFile::remove(link_);
    link_.clear();
}

void PtyServer::catchUp()
{
    if (!isOpen())
        return;
    const qint64 elapsed = clock_.elapsed();
    sim_.advance(int(std::min<qint64>(elapsed - consumedMs_, std::numeric_limits<int>::max())));
    consumedMs_ = elapsed;
}

qint64 PtyServer::LineNs(qsizetype characters)
{
    return qint64(std::ceil(double(characters) * kCharMs * 1e6));
}

void PtyServer::onReadable()
{
    char buffer[512];
    for (;;) {
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        if (n <= 0)
            break;
        const qint64 arrived = clock_.nsecsElapsed();
        for (const QByteArray& line : lines_.feed(QByteArray(buffer, int(n)))) {
            serve(line, arrived);
            if (!isOpen())
                return;  // the device vanished; what else came is lost with it
        }
    }
}

void PtyServer::serve(const QByteArray& line, qint64 arrivedNs)
{
    catchUp();
    const Response response = sim_.respond(line);
    emit served(line, response.reply);
    if (response.vanish) {
        hangUp();
        return;
    }
    if (response.reply.isEmpty())
        return;
    const qsizetype requestChars = line.size() + 2;
    qint64 startNs = wireDelay_ ? arrivedNs + LineNs(requestChars) : arrivedNs;
    for (const auto& [prefix, ms] : replyDelays_) {
        if (line.startsWith(prefix)) {
            startNs += qint64(ms) * 1000000;
            break;
        }
    }
    const auto lineNs = [this](qsizetype chars) { return wireDelay_ ? LineNs(chars) : 0; };
    switch (response.delivery) {
    case Delivery::Whole:
        schedule(response.reply, startNs + lineNs(response.reply.size()));
        break;
    case Delivery::Double:
        schedule(response.reply + response.reply, startNs + lineNs(2 * response.reply.size()));
        break;
    case Delivery::Split: {
        const qsizetype half = response.reply.size() / 2;
        const qint64 firstNs = startNs + lineNs(half);
        schedule(response.reply.left(half), firstNs);
        schedule(response.reply.mid(half), firstNs + qint64(kSplitGapMs) * 1000000 + lineNs(response.reply.size() - half));
        break;
    }
    }
}

void PtyServer::schedule(const QByteArray& bytes, qint64 dueNs)
{
    // Replies leave in the order their requests came, whatever their delays.
    dueNs = std::max(dueNs, lastDueNs_);
    lastDueNs_ = dueNs;
    pending_.push_back({dueNs, bytes});
    sendDue();
}

void PtyServer::sendDue()
{
    const qint64 now = clock_.nsecsElapsed();
    while (!pending_.empty() && pending_.front().dueNs <= now) {
        write(pending_.front().bytes);
        pending_.pop_front();
    }
    if (pending_.empty())
        return;
    // A timer may fire a little early; round up so that a reply is never early.
    const qint64 waitNs = pending_.front().dueNs - now;
    sendTimer_.start(int(std::max<qint64>(1, (waitNs + 999999) / 1000000)));
}

void PtyServer::write(const QByteArray& bytes)
{
    out_ += bytes;
    onWritable();
}

void PtyServer::onWritable()
{
    if (!isOpen())
        return;
    while (!out_.isEmpty()) {
        const ssize_t n = ::write(master_, out_.constData(), size_t(out_.size()));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        out_.remove(0, n);
    }
    writeNotifier_->setEnabled(!out_.isEmpty());
}

}  // namespace kvt7::sim

namespace kvt7::sim {

void PtyServer::hangUp()
{
    ++vanishCount_;
    vanishedLink_ = link_;
    removeLink();
    sendTimer_.stop();
    pending_.clear();
    lastDueNs_ = 0;
    out_.clear();
    lines_ = LineAssembler();
    // Called from the read notifier's own signal: the notifiers go when control is back.
    for (QSocketNotifier* notifier : {readNotifier_, writeNotifier_}) {
        notifier->setEnabled(false);
        notifier->deleteLater();
    }
    readNotifier_ = writeNotifier_ = nullptr;
    ::close(master_);
    ::close(slave_);
    master_ = slave_ = -1;
    emit vanished();
    reappearTimer_.start(vanishMs_);
}

void PtyServer::reappear()
{
    if (!open())
        return;
    if (!vanishedLink_.isEmpty())
        createLink(vanishedLink_);
    vanishedLink_.clear();
    emit reappeared(device_);
}

}  // namespace kvt7::sim
