#pragma once

#include "platform/UnattendedDialogs.h"

#include <QStringList>

namespace kvt7 {

// The operator of the soak: says yes to every question an operation asks (OK, Yes; No to
// "save the table first?", the only three-way question on the way), cancels nothing, and
// keeps every message it was shown.
class SoakDialogs final : public UnattendedDialogs {
public:
    Answer message(const QString& text, Buttons buttons, Icon icon) override;

    // Messages (boxes with only OK) since the last mark; questions are not counted.
    void mark() { marked_ = shown_.size(); }
    QStringList sinceMark() const { return shown_.mid(marked_); }
    // Forgets what was shown, so that a long soak does not keep it all.
    void forget() { shown_.clear(); marked_ = 0; }
    // Every message also goes to the error stream.
    void setEcho(bool echo) { echo_ = echo; }

private:
    QStringList shown_;
    qsizetype marked_ = 0;
    bool echo_ = false;
};

}  // namespace kvt7
