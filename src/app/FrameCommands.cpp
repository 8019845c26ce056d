#include "FrameCommands.h"

#include "FrameWindows.h"
#include "Program.h"
#include "platform/Dialogs.h"
#include "platform/SerialPort.h"

#include <QFileInfo>

namespace kvt7 {

void ClosePort(Program& program)
{
    if (program.seams.ClosePort)
        program.seams.ClosePort();
    else if (program.port.isOpen())
        program.port.close();
}

static bool PositionDataChanged(const Program& program)
{
    return program.seams.PositionDataChanged && program.seams.PositionDataChanged();
}

bool AskExit(Program& program)
{
    const MessageCatalogue& texts = program.messages;
    if (!PositionDataChanged(program)) {
        if (program.dialogs.message(texts.Text(390), Buttons::OkCancel, Icon::Question) != Answer::Ok)
            return false;
        ClosePort(program);
        return true;
    }
    switch (program.dialogs.message(texts.Text(391), Buttons::YesNoCancel, Icon::Question)) {
    case Answer::Yes:
        return program.seams.SaveAs && program.seams.SaveAs();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

void FinishExit(Program& program)
{
    ClosePort(program);
    SaveExitSettings(program.section, program.settings);
}

void ChangeToOffline(Program& program, FrameWindows& windows)
{
    windows.DisableEditingCommands();
    windows.FreezePositionGrid(true);
    if (program.mode.isOnline()
        && program.dialogs.message(program.messages.Text(432), Buttons::OkCancel, Icon::Question)
            != Answer::Ok) {
        windows.FreezePositionGrid(false);
        return;
    }
    ClosePort(program);
    program.mode.SetOffline();
    windows.FreezePositionGrid(false);
}

void ShowHelpContents(Program& program, const std::function<bool(const QString&)>& openViewer)
{
    const QString& path = program.helpFilePath;
    // A help file that no viewer can show is as good as none for the operator.
    if (path.isEmpty() || !QFileInfo(path).isFile() || !openViewer || !openViewer(path))
        program.dialogs.message(program.messages.Text(414), Buttons::Ok, Icon::Information);
}

}  // namespace kvt7
