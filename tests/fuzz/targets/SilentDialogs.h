#pragma once

#include "platform/UnattendedDialogs.h"

namespace kvt7::fuzz {

// Dialogs that show nothing and give the first answer of every question: a fuzz target
// must run to its end without an operator.
class SilentDialogs final : public UnattendedDialogs {
public:
    Answer message(const QString&, Buttons buttons, Icon) override
    {
        return buttons == Buttons::Ok || buttons == Buttons::OkCancel ? Answer::Ok : Answer::Yes;
    }
};

}  // namespace kvt7::fuzz
