#pragma once

#include "support/FakeSerialPort.h"
#include "QStringPrinting.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"
#include "app/FrameWindows.h"
#include "app/Program.h"
#include "platform/SettingsStore.h"

#include <QStringList>
#include <gtest/gtest.h>
#include <optional>

namespace kvt7::test {

// A program with an in-memory store, scripted dialogs and a scripted serial line.
struct AppFixture : ::testing::Test {
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    FakeSerialPort port;
    Program program{store, dialogs, port, ProgramDir()};

    void setStored(const QString& key, const QString& value)
    {
        store.setValue(QStringLiteral("KVT7V150"), QStringLiteral("Settings"), key, value);
    }
    std::optional<QString> stored(const QString& key) const
    {
        return store.value(QStringLiteral("KVT7V150"), QStringLiteral("Settings"), key);
    }
    void useLanguage(int language) { program.messages.setLanguage(language); }
    QString text(int id) const { return program.messages.Text(id); }
};

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
};

}  // namespace kvt7::test
