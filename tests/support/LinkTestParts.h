#pragma once

#include "base/AppSettings.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerStatus.h"
#include "platform/SettingsStore.h"
#include "support/ScriptedDialogs.h"

namespace kvt7::test {

// What a controller link works with beside its serial line: the operating mode, scripted
// dialogs, the catalogue in English, an empty settings store and the controller's status. Link fixtures derive from
// it and build their link on their own line.
struct LinkTestParts {
    LinkTestParts() { catalogue.setLanguage(kEnglish); }
    QString text(int id) const { return catalogue.Text(id); }

    OperatingMode mode;
    ScriptedDialogs dialogs;
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
    MemorySettingsStore store;
    SettingsSection section{store};
    AppSettings settings;
    ControllerStatus status;
};

}  // namespace kvt7::test
