#pragma once

#include "positions/RangeChooser.h"

class QWidget;

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// The range dialogs as windows: ReadRangeDialog, 3 or 4 by the request, modal over the owner.
class QtRangeChooser final : public RangeChooser {
public:
    QtRangeChooser(const MessageCatalogue& messages, Dialogs& dialogs, QWidget* owner = nullptr)
        : messages_(messages), dialogs_(dialogs), owner_(owner) {}

    void setOwner(QWidget* owner) { owner_ = owner; }
    std::optional<PositionRange> chooseRange(const RangeRequest& request) override;

private:
    const MessageCatalogue& messages_;
    Dialogs& dialogs_;
    QWidget* owner_;
};

}  // namespace kvt7
