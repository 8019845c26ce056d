#pragma once

#include "link/CommandGroups.h"
#include "printing/PrintContext.h"
#include "printing/ProgramListingReaders.h"
#include "programs/ProgramContext.h"
#include "support/RecordingCanvas.h"
#include "support/TransferFixture.h"

namespace kvt7::test {

class RecordingCommands final : public CommandGroups {
public:
    void setCommandsEnabled(bool enabled) override { calls << (enabled ? "enable" : "disable"); }
    void disableEditingCommands() override { calls << "editing-off"; }
    void setResetEnabled(bool) override {}
    QStringList calls;
};

// The transfer fixture with what the group and S/M operations and their listings work with;
// the port is closed after each operation.
class ProgramFixture : public TransferFixture {
protected:
    ProgramFixture() { settings.PortOccupy = false; }

    RecordingCommands commands;
    ProgramContext context{link, mode, dialogs, catalogue, commands};
    ScriptedPreview preview;
    PrintContext print{dialogs, catalogue, preview, {}};
};

}  // namespace kvt7::test
