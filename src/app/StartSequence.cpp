#include "StartSequence.h"
#include "base/MessageIds.h"

#include "Program.h"
#include "ProgramSteps.h"
#include "platform/Dialogs.h"
#include "session/FrameWindows.h"

#include <QFileInfo>

namespace kvt7 {

QString ProgramFilePath(const QString& folder, const QString& fileName)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder + fileName;
    return folder + QLatin1Char('/') + fileName;
}

DataFileKind KindOfDataFile(const QString& path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("pmt"))
        return DataFileKind::Parameters;
    if (suffix == QLatin1String("grp"))
        return DataFileKind::Groups;
    if (suffix == QLatin1String("smd"))
        return DataFileKind::Sm;
    return DataFileKind::Positions;
}

void GiveAxesStartValues(AxisSettings& axes)
{
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        axes.Pc(axis) = AxisSetting{};
        axes.Recorded(axis) = AxisSetting{};
        axes.Controller(axis) = AxisSetting{};
    }
}

void ReadStartSettings(Program& program)
{
    // DispMmUnit comes first, then the axes, then the rest; only the store reads have an order.
    GiveAxesStartValues(program.axes);
    ReadStartPreferences(program.section, program.settings);
    program.messages.setLanguage(program.settings.Language);
}

static bool AskForOnline(Program& program)
{
    const MessageCatalogue& texts = program.messages;
    const int answer = program.dialogs.choice(
            texts.Text(Msg::Select), texts.Text(Msg::PCSoftwareUsedBetweenLineOffLine),
            {texts.Text(Msg::Online), texts.Text(Msg::Offline)}, true);
    return answer == 0;
}

void RunStartSequence(Program& program, FrameWindows& windows, ProgramSteps& steps)
{
    program.helpFilePath = ProgramFilePath(program.programFolder, kHelpFileName);

    windows.ShowSplash();

    steps.ClearParameterSet();
    program.settings.LanguageChangePending = false;
    ReadStartSettings(program);

    windows.ShowMainWindow();

    OnlineStartResult result = OnlineStartResult::ContinueOffline;
    if (AskForOnline(program))
        result = steps.ConnectOnline(windows);
    else
        program.mode.SetOffline();

    if (result == OnlineStartResult::ContinueOffline)
        steps.LoadOfflineActuators();
    if (result != OnlineStartResult::OnlineReached && !program.mode.isOnline())
        steps.ChooseActuatorsAtStart();

    windows.ShowAxisData();
    windows.DisableEditingCommands();
}

}  // namespace kvt7
