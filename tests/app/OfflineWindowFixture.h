#pragma once

#include "AppFixture.h"
#include "app/StartSequence.h"
#include "app/ui/MainWindow.h"

#include <QTemporaryDir>
#include <memory>

namespace kvt7::test {

// The main window after the offline start without its splash and questions (the whole start
// has its own test): settings, main window, the stored actuators and the catalogue; English.
struct OfflineWindowFixture : AppFixture {
    QTemporaryDir folder;
    std::unique_ptr<MainWindow> window;

    void SetUp() override
    {
        setStored("Language", "2");
        window = std::make_unique<MainWindow>(program);
        ReadStartSettings(program);
        window->ShowMainWindow();
        window->steps().LoadOfflineActuators();
        window->ShowAxisData();
        dialogs.clear();
    }
    void TearDown() override { window.reset(); }
};

}  // namespace kvt7::test
