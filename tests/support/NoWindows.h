#pragma once

#include "session/FrameWindows.h"

namespace kvt7::test {

// The windows as the online start sees them, when a test looks only at the operations.
class NoWindows final : public FrameWindows {
public:
    void ShowSplash() override {}
    void ShowMainWindow() override {}
    void DisableEditingCommands() override {}
    void FreezePositionGrid(bool) override {}
    void ShowProcessingWindow() override {}
    void CloseProcessingWindow() override {}
    void BuildPositionGrid() override {}
    void ShowAxisData() override {}
    void ShowVersionStatus(const QString&) override {}
};

}  // namespace kvt7::test
