#pragma once

#include "platform/PrintPreview.h"

namespace kvt7::test {

// A print preview that is closed at once: nothing printed.
struct NoPreview final : PrintPreview {
    PrintOutcome show(const PrintJob&) override { return PrintOutcome::Closed; }
    void pageSetup() override {}
};

}  // namespace kvt7::test
