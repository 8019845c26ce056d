#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

namespace kvt7::sim {

enum class FaultKind {
    Error,   // answer with `reply` (an error reply) instead of executing the request
    Silent,  // the request is lost: not executed, not answered
    Garble,  // the reply's first characters are wrong, its length is right
    Split,   // the reply goes out in two pieces 30 ms apart
    Double,  // the reply goes out twice in one write
    WrongEcho,  // a data character of the reply is changed; echo code and length are kept
    Reply,   // answer with `reply`, whatever it is, instead of executing the request
    Vanish,  // the request is lost and the device disappears, to come back shortly
};

struct Fault {
    FaultKind kind = FaultKind::Error;
    QByteArray prefix;   // requests beginning with this (station digit included: "0RP")
    QByteArray reply;    // Error and Reply only, without CR LF
    int remaining = -1;  // requests it still applies to; -1 for ever
};

// The faults a test or the command line injected, looked up request by request.
class FaultSet {
public:
    void add(const Fault& fault);
    void clear();
    const QList<Fault>& faults() const { return faults_; }
    // The first fault of `kind` whose prefix begins `request`; one of its uses is spent.
    std::optional<Fault> take(FaultKind kind, const QByteArray& request);

private:
    QList<Fault> faults_;
};

}  // namespace kvt7::sim
