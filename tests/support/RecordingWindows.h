#pragma once

#include "session/FrameWindows.h"

#include <QStringList>

namespace kvt7::test {

// The windows as the frame's operations see them, recording every call.
struct RecordingWindows : FrameWindows {
    QStringList calls;
    bool frozen = false;
    void ShowSplash() override { calls << QStringLiteral("splash"); }
    void ShowMainWindow() override { calls << QStringLiteral("main"); }
    void DisableEditingCommands() override { calls << QStringLiteral("edit-off"); }
    void FreezePositionGrid(bool freeze) override
    {
        frozen = freeze;
        calls << (freeze ? QStringLiteral("freeze") : QStringLiteral("unfreeze"));
    }
    void ShowProcessingWindow() override { calls << QStringLiteral("processing"); }
    void CloseProcessingWindow() override { calls << QStringLiteral("processing-off"); }
    void BuildPositionGrid() override { calls << QStringLiteral("grid"); }
    void ShowAxisData() override { calls << QStringLiteral("axis-data"); }
    void ShowVersionStatus(const QString& text) override { calls << QStringLiteral("version:") + text; }
};

}  // namespace kvt7::test
