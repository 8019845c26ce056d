#pragma once

#include "platform/Clipboard.h"

namespace kvt7 {

// The desktop's clipboard (QGuiApplication::clipboard()), text only.
class QtClipboard final : public Clipboard {
public:
    QString text() const override;
    void setText(const QString& text) override;
    void clear() override;
};

}  // namespace kvt7
