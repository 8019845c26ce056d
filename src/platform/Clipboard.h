#pragma once

#include <QString>

namespace kvt7 {

// The system clipboard as the program uses it: plain text only.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual QString text() const = 0;
    virtual void setText(const QString& text) = 0;
    virtual void clear() = 0;
};

// A clipboard of the program's own: the command-line front end and tests use it, so they
// never touch the desktop's.
class MemoryClipboard final : public Clipboard {
public:
    QString text() const override { return text_; }
    void setText(const QString& text) override { text_ = text; }
    void clear() override { text_.clear(); }

private:
    QString text_;
};

}  // namespace kvt7
