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

}  // namespace kvt7
