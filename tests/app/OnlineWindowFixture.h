#pragma once

#include "AppFixture.h"
#include "Kvm8Simulator.h"
#include "PtyServer.h"
#include "app/StartSequence.h"
#include "app/ui/MainWindow.h"
#include "platform/JournalFile.h"
#include "platform/SerialPort.h"

#include <QTemporaryDir>
#include <memory>

namespace kvt7::test {

// The program Online in English with the simulated controller (axis 1 " 28L-100", axis 2
// " 42D-050") on a pseudo-terminal given as the port device; `home` is a folder of the test,
// which holds the journal.
class OnlineWindowFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QString error;
        ASSERT_TRUE(server.open(&error)) << error.toStdString();
        store.setValue("KVT7V150", "Settings", "Language", "2");
        program = std::make_unique<Program>(
                SessionOutside{store, dialogs, port, &journal, "window"}, ProgramDir(),
                server.devicePath());
        window = std::make_unique<MainWindow>(*program);
        dialogs.answerChoice(0);
        RunStartSequence(*program, *window, window->steps());
        ASSERT_TRUE(program->mode.isOnline()) << dialogs.texts().join('|').toStdString();
        dialogs.clear();
    }
    void TearDown() override
    {
        window.reset();
        if (program)
            program->link.ClosePort();
    }

    MemorySettingsStore store;
    ScriptedDialogs dialogs;
    QtSerialLine port;
    sim::Kvm8Simulator controller;
    sim::PtyServer server{controller};
    std::unique_ptr<Program> program;
    std::unique_ptr<MainWindow> window;
    QTemporaryDir home;
    JournalFile journal{home.filePath("journal.jsonl")};
};

}  // namespace kvt7::test
