#include "WholeControllerCommands.h"
#include "base/MessageIds.h"

#include "MainWindowBinding.h"
#include "app/Program.h"
#include "backup/ComparisonListing.h"
#include "backup/ui/BackupComparisonWindow.h"
#include "backup/ui/JournalWindow.h"
#include "MainWindow.h"
#include "link/ControllerVersion.h"
#include "positions/PositionCommandContext.h"

#include <QDateTime>

namespace kvt7 {

using C = CommandId;

WholeControllerCommands::WholeControllerCommands(MainWindow& window, Program& program,
                                                 MainWindowBinding& binding)
    : QObject(&window), window_(window), program_(program), binding_(binding),
      progress_(program.dialogs),
      parts_(program, progress_), whole_{parts_.parts(),  program.dialogs,
                                         progress_,       program.messages,
                                         program.journal, [this] { return origin(); }},
      preview_(program.dialogs, &window)
{
    binding.bind(C::mnuFileBackup, [this] { backup(); });
    binding.bind(C::mnuFileRestore, [this] { restore(); });
    binding.bind(C::mnuFileCompare, [this] { compare(); });
    binding.bind(C::mnuHelpJournal, [this] { showJournal(); });
}

WholeControllerCommands::~WholeControllerCommands() = default;

// The controller's version is asked for when the run has not read it (a start Offline).
BackupOrigin WholeControllerCommands::origin()
{
    ControllerVersionInfo& version = program_.status.version();
    if (version.ControllerVersion.isEmpty())
        ReadControllerVersion(program_.link, version);
    return {QStringLiteral("kvt7"), program_.link.portDevice(), version.ControllerVersion, {},
            QDateTime::currentDateTime()};
}

std::optional<QString> WholeControllerCommands::askFolder(int titleId)
{
    FileRequest request;
    request.title = program_.messages.Text(titleId);
    return program_.dialogs.folderName(request);
}

void WholeControllerCommands::backup()
{
    CommandsLocked locked(binding_.positionCommands());
    if (const auto folder = askFolder(Msg::FolderBackup))
        BackupController(whole_, *folder);
}

void WholeControllerCommands::restore()
{
    CommandsLocked locked(binding_.positionCommands());
    if (const auto folder = askFolder(Msg::BackupFolderRestore))
        RestoreController(whole_, *folder);
}

void WholeControllerCommands::compare()
{
    std::optional<ComparisonReport> report;
    {
        CommandsLocked locked(binding_.positionCommands());
        if (const auto folder = askFolder(Msg::BackupFolderCompare))
            report = CompareController(whole_, *folder);
    }
    if (!report)
        return;
    const MessageCatalogue& messages = program_.messages;
    const auto print = [this, &messages, report = *report] {
        preview_.show(PrintJob{messages.Text(Msg::CompareBackup), QStringLiteral("kvt7compare.pdf"),
                               [&messages, report](PageCanvas& canvas) {
                                   LayOutComparison(canvas, report, messages);
                               }});
    };
    BackupComparisonWindow window(*report, messages, print, &window_);
    window.exec();
}

void WholeControllerCommands::showJournal()
{
    JournalWindow window(program_.journal.store(), program_.messages, &window_);
    window.exec();
}

}  // namespace kvt7
