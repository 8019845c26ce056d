#include "StopSignals.h"

#include <QSocketNotifier>
#include <csignal>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace kvt7 {

struct StopSignals::Mask {
    sigset_t set;
};

StopSignals::StopSignals(QObject* parent) : QObject(parent), previous_(std::make_unique<Mask>())
{
    sigset_t stops;
    sigemptyset(&stops);
    sigaddset(&stops, SIGINT);
    sigaddset(&stops, SIGTERM);
    if (pthread_sigmask(SIG_BLOCK, &stops, &previous_->set) != 0)
        return;
    fd_ = signalfd(-1, &stops, SFD_NONBLOCK | SFD_CLOEXEC);
    if (fd_ < 0) {
        pthread_sigmask(SIG_SETMASK, &previous_->set, nullptr);
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(fd_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &StopSignals::onReadable);
}

StopSignals::~StopSignals()
{
    notifier_.reset();
    if (fd_ < 0)
        return;
    ::close(fd_);
    pthread_sigmask(SIG_SETMASK, &previous_->set, nullptr);
}

void StopSignals::onReadable()
{
    signalfd_siginfo info;
    while (::read(fd_, &info, sizeof info) == ssize_t(sizeof info)) {
        received_ = true;
        emit stopRequested(int(info.ssi_signo));
    }
}

}  // namespace kvt7
