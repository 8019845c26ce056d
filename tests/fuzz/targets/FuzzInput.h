#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <cstddef>
#include <cstdint>

namespace kvt7::fuzz {

// The fuzzer's bytes, taken apart the way a target needs them: a few leading choice bytes,
// then the rest, whole or cut into pieces at a separator byte.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size)
        : bytes_(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)))
    {
    }

    // The next byte, 0 once the input is used up.
    uint8_t choice()
    {
        if (at_ >= bytes_.size())
            return 0;
        return uint8_t(bytes_.at(at_++));
    }
    // The bytes not yet taken, as a copy that owns its data.
    QByteArray rest() const { return QByteArray(bytes_.constData() + at_, bytes_.size() - at_); }
    QByteArrayList pieces(char separator) const { return rest().split(separator); }

private:
    QByteArray bytes_;
    qsizetype at_ = 0;
};

}  // namespace kvt7::fuzz
