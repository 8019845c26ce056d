#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace kvt7::sim::test {

// A plain POSIX client on the slave side of the pseudo-terminal. While it waits it keeps the
// event loop running, so an in-process server goes on serving.
class PtyClient {
public:
    explicit PtyClient(const QString& device) : fd_(::open(device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~PtyClient() { close(); }
    PtyClient(const PtyClient&) = delete;
    PtyClient& operator=(const PtyClient&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    void close()
    {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = -1;
    }

    void send(const QByteArray& bytes)
    {
        started_.start();
        arrivals_.clear();
        if (::write(fd_, bytes.constData(), size_t(bytes.size())) != bytes.size())
            arrivals_.append(-1);
    }

    // What arrives within `timeoutMs`, stopping early once it is `length` characters long
    // (or, with length 0, once it ends with CR LF).
    QByteArray receive(int timeoutMs = 2000, int length = 0)
    {
        QByteArray got;
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < timeoutMs) {
            QCoreApplication::processEvents();
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, 1) <= 0)
                continue;
            char buffer[256];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                continue;
            got.append(buffer, int(n));
            arrivals_.append(started_.nsecsElapsed() / 1e6);
            if (length > 0 ? got.size() >= length : got.endsWith("\r\n"))
                break;
        }
        return got;
    }

    QByteArray exchange(const QByteArray& request, int timeoutMs = 2000)
    {
        send(request + "\r\n");
        return receive(timeoutMs);
    }

    // Milliseconds from the last send() to each piece that arrived since.
    const QList<double>& arrivals() const { return arrivals_; }

private:
    int fd_ = -1;
    QElapsedTimer started_;
    QList<double> arrivals_;
};

}  // namespace kvt7::sim::test
