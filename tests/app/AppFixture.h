#pragma once

#include "support/FakeSerialPort.h"
#include "support/QStringPrinting.h"
#include "support/ScriptedDialogs.h"
#include "support/TestPaths.h"
#include "support/RecordingWindows.h"
#include "app/Program.h"
#include "app/ProgramSteps.h"
#include "platform/SettingsStore.h"

#include <QApplication>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <functional>
#include <optional>

namespace kvt7::test {

// The start and end steps of the subsystems, recording every call; the port is closed on
// ClosePort, the online start ends as `online` says.
struct RecordingSteps : ProgramSteps {
    explicit RecordingSteps(FakeSerialPort& line) : port(line) {}
    FakeSerialPort& port;
    QStringList calls;
    std::function<OnlineStartResult(FrameWindows&)> online;
    bool changed = false;
    bool saveAsSucceeds = false;
    int saveAsCalls = 0;

    void ClearParameterSet() override { calls << QStringLiteral("clear-parameters"); }
    void LoadAlarmList() override { calls << QStringLiteral("alarm-list"); }
    void PreparePositionGrid() override { calls << QStringLiteral("prepare-grid"); }
    OnlineStartResult ConnectOnline(FrameWindows& windows) override
    {
        calls << QStringLiteral("online");
        return online ? online(windows) : OnlineStartResult::ContinueOffline;
    }
    void LoadOfflineActuators() override { calls << QStringLiteral("offline-actuators"); }
    bool ChooseActuatorsAtStart() override
    {
        calls << QStringLiteral("actuator-window");
        return true;
    }
    void ClosePort() override
    {
        calls << QStringLiteral("close-port");
        port.close();
    }
    bool PositionDataChanged() const override { return changed; }
    bool SaveAs() override
    {
        ++saveAsCalls;
        return saveAsSucceeds;
    }
};

// A program with an in-memory store, scripted dialogs and a scripted serial line.
struct AppFixture : ::testing::Test {
    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    FakeSerialPort port;
    Program program{store, dialogs, port, ProgramDir()};
    RecordingSteps steps{port};

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

// Runs the action on the next modal window as soon as it is shown.
inline void WhenModalShown(std::function<void(QWidget*)> action)
{
    QTimer::singleShot(0, [action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            WhenModalShown(action);
            return;
        }
        action(modal);
    });
}

}  // namespace kvt7::test
