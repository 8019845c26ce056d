#include "FrameCommands.h"
#include "base/MessageIds.h"

#include "Program.h"
#include "ProgramSteps.h"
#include "StartSequence.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"
#include "session/FrameWindows.h"

#include <QFileInfo>

namespace kvt7 {

bool AskExit(Program& program, ProgramSteps& steps)
{
    const MessageCatalogue& texts = program.messages;
    if (!steps.PositionDataChanged()) {
        if (program.dialogs.message(texts.Text(Msg::FinishKVT7), Buttons::OkCancel, Icon::Question)
            != Answer::Ok)
            return false;
        steps.ClosePort();
        return true;
    }
    switch (program.dialogs.message(texts.Text(Msg::DataChangedSaveDataFileBeforeFinish),
                                    Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        return steps.SaveAs();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void FinishExit(Program& program, ProgramSteps& steps)
{
    steps.ClosePort();
    SaveExitSettings(program.section, program.settings);
}

void ChangeToOffline(Program& program, FrameWindows& windows, ProgramSteps& steps)
{
    windows.DisableEditingCommands();
    windows.FreezePositionGrid(true);
    if (program.mode.isOnline()
        && program.dialogs.message(program.messages.Text(Msg::YouChangeSoftwareOfflineOnline),
                                   Buttons::OkCancel, Icon::Question)
                != Answer::Ok) {
        windows.FreezePositionGrid(false);
        return;
    }
    steps.ClosePort();
    program.mode.SetOffline();
    windows.FreezePositionGrid(false);
}

void ShowHelpContents(Program& program, const std::function<bool(const QString&)>& openViewer)
{
    // A document that no viewer can show is as good as none for the operator.
    const auto shown = [&openViewer](const QString& path) {
        return !path.isEmpty() && QFileInfo(path).isFile() && openViewer && openViewer(path);
    };
    // The guide in the program's language; the other one rather than none.
    const QString japanese = ProgramFilePath(program.programFolder, kJapaneseGuideFileName);
    const QString english = ProgramFilePath(program.programFolder, kGuideFileName);
    const bool inJapanese = program.messages.isJapanese();
    if (shown(program.helpFilePath) || shown(inJapanese ? japanese : english)
        || shown(inJapanese ? english : japanese))
        return;
    program.dialogs.message(program.messages.Text(Msg::NotIndicateHelpFileNoHelpFilesRelated),
                            Buttons::Ok, Icon::Information);
}

}  // namespace kvt7
