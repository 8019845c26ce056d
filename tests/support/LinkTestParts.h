#pragma once

#include "app/AppSettings.h"
#include "app/MessageCatalogue.h"
#include "app/OperatingMode.h"
#include "link/ControllerStatus.h"
#include "platform/SettingsStore.h"
#include "support/FakeSerialPort.h"
#include "support/ScriptedDialogs.h"

namespace kvt7::test {

// What a controller link works with beside its serial line: the operating mode, scripted
// dialogs, the catalogue in English, an empty settings store and the controller's status. Link fixtures derive from
// it and build their link on their own line.
struct LinkTestParts {
    LinkTestParts() { catalogue.setLanguage(kEnglish); }
    QString text(int id) const { return catalogue.Text(id); }
    // The link's message after a time-out.
    QString timeoutText() const
    {
        const QString gap = QStringLiteral("\r\n\r\n");
        return text(100) + gap + text(101) + gap + text(102) + gap + text(103);
    }

    // From now on the line's requests and the messages shown go into `journal`, in the order
    // they happened.
    void keepJournal(FakeSerialPort& port)
    {
        port.journal = &journal;
        dialogs.journal = &journal;
    }

    QStringList journal;
    OperatingMode mode;
    ScriptedDialogs dialogs;
    MessageCatalogue catalogue = MessageCatalogue::Builtin();
    MemorySettingsStore store;
    SettingsSection section{store};
    AppSettings settings;
    ControllerStatus status;
};

}  // namespace kvt7::test
