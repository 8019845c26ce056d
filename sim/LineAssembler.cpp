#include "LineAssembler.h"

namespace kvt7::sim {

QList<QByteArray> LineAssembler::feed(const QByteArray& bytes)
{
    QList<QByteArray> lines;
    for (const char c : bytes) {
        if (c == '\n') {
            if (pendingCr_ && !buffer_.isEmpty())
                lines.append(buffer_);
            buffer_.clear();
            pendingCr_ = false;
            continue;
        }
        if (c == '\r') {
            pendingCr_ = true;
            continue;
        }
        pendingCr_ = false;
        if (buffer_.size() >= kMaxLine)
            buffer_.clear();
        buffer_.append(c);
    }
    return lines;
}

}  // namespace kvt7::sim
