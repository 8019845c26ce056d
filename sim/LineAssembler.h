#pragma once

#include <QByteArray>
#include <QList>

namespace kvt7::sim {

// Cuts the bytes arriving from the line into request lines ended by CR LF. Line noise is
// dropped rather than answered: a LF without its CR throws away what was collected, a CR not
// followed by LF is forgotten, empty lines are skipped, and a run without any line end is
// cut off at kMaxLine characters.
class LineAssembler {
public:
    static constexpr int kMaxLine = 512;

    // The complete lines (without CR LF) that `bytes` finished, in order.
    QList<QByteArray> feed(const QByteArray& bytes);
    bool hasPartialLine() const { return !buffer_.isEmpty() || pendingCr_; }

private:
    QByteArray buffer_;
    bool pendingCr_ = false;
};

}  // namespace kvt7::sim
