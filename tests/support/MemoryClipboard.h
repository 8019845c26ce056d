#pragma once

#include "platform/Clipboard.h"

namespace kvt7::test {

// A clipboard of its own for every test, so tests never touch the desktop's.
class MemoryClipboard final : public Clipboard {
public:
    QString text() const override { return text_; }
    void setText(const QString& text) override { text_ = text; }
    void clear() override { text_.clear(); }

private:
    QString text_;
};

}  // namespace kvt7::test
