// kvt7ctl groups read | write | verify | check and sm read | write | verify | check: group
// data and S/M programs between files and the controller, through the windows' operations.

#include "CliCommands.h"
#include "CliContext.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "programs/GroupTransfer.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramFileOperations.h"
#include "programs/SmTransfer.h"

namespace kvt7 {

namespace {

// The facilities of the operations, on the command line's link and console.
struct CliPrograms {
    explicit CliPrograms(CliContext& cli)
        : cli(cli), context{cli.link(), cli.mode(), cli.dialogs(), cli.catalogue(), commands}
    {
    }
    ProgramFiles files() const { return {cli.dialogs(), cli.catalogue()}; }
    // Online quietly and the port open (109/110 when it cannot be).
    bool connect()
    {
        cli.mode().SwitchOnlineQuietly();
        return OpenPortOrReport(cli.link()) == 0;
    }

    CliContext& cli;
    NoCommandGroups commands;
    ProgramContext context;
};

// "-o FILE"; empty when the arguments are not that.
QString OutputFile(const QStringList& arguments)
{
    if (arguments.size() != 2 || arguments.at(0) != QLatin1String("-o") || arguments.at(1).isEmpty())
        return {};
    return arguments.at(1);
}

bool OneFile(const QStringList& arguments)
{
    return arguments.size() == 1 && !arguments.at(0).isEmpty() && !arguments.at(0).startsWith(QLatin1Char('-'));
}

int ExitOf(int result)
{
    return result == 0 ? kExitSuccess : kExitFailure;
}

int GroupsRead(CliContext& cli, const QStringList& arguments)
{
    const QString file = OutputFile(arguments);
    if (file.isEmpty())
        return kExitUsage;
    CliPrograms programs(cli);
    GroupData data;
    if (!programs.connect() || ReadAllGroups(programs.context, data.readBuffer) != 0)
        return kExitFailure;
    CopyReadBufferToTable(data.readBuffer, data.table);
    return ExitOf(SaveGroupFileAt(programs.files(), data, file));
}

int GroupsWrite(CliContext& cli, const QStringList& arguments)
{
    if (!OneFile(arguments))
        return kExitUsage;
    CliPrograms programs(cli);
    GroupData data;
    if (OpenGroupFileAt(programs.files(), data, arguments.at(0)) != 0)
        return kExitFailure;
    if (GroupCheck(data.table) != 0) {
        cli.dialogs().message(GroupWriteCheckMessage(cli.catalogue()));
        return kExitFailure;
    }
    if (!programs.connect())
        return kExitFailure;
    return ExitOf(RunInWriteMode(programs.context, [&] { return WriteAllGroups(programs.context, data.table); }));
}

int GroupsVerify(CliContext& cli, const QStringList& arguments)
{
    if (!OneFile(arguments))
        return kExitUsage;
    CliPrograms programs(cli);
    GroupData data;
    if (OpenGroupFileAt(programs.files(), data, arguments.at(0)) != 0)
        return kExitFailure;
    if (GroupCheck(data.table) != 0) {
        cli.dialogs().message(GroupCheckMessage(cli.catalogue()));
        return kExitFailure;
    }
    if (!programs.connect() || ReadAllGroups(programs.context, data.readBuffer) != 0)
        return kExitFailure;
    const QString differences = GroupDifferenceList(data.table, data.readBuffer);
    cli.print(GroupVerifyMessage(cli.catalogue(), differences));
    return differences.isEmpty() ? kExitSuccess : kExitFailure;
}

int GroupsCheck(CliContext& cli, const QStringList& arguments)
{
    if (!OneFile(arguments))
        return kExitUsage;
    CliPrograms programs(cli);
    GroupData data;
    if (OpenGroupFileAt(programs.files(), data, arguments.at(0)) != 0)
        return kExitFailure;
    const QList<int> faulty = FaultyGroups(data.table);
    if (faulty.isEmpty())
        return kExitSuccess;
    cli.dialogs().message(GroupWriteCheckMessage(cli.catalogue()));
    for (int g : faulty) {
        const GroupRange& range = data.table.group(g);
        cli.print(QStringLiteral("group %1: %2-%3").arg(g).arg(range.start).arg(range.end));
    }
    return kExitFailure;
}

int SmRead(CliContext& cli, const QStringList& arguments)
{
    const QString file = OutputFile(arguments);
    if (file.isEmpty())
        return kExitUsage;
    CliPrograms programs(cli);
    SmData data;
    if (!programs.connect() || ReadAllSmPrograms(programs.context, data.readBuffer) != 0)
        return kExitFailure;
    CopySmReadBufferToTable(data.readBuffer, data.table);
    return ExitOf(SaveSmFileAt(programs.files(), data, file));
}

// The file as File Open takes it, then the check; its message when refused.
bool LoadCheckedSm(CliPrograms& programs, SmData& data, const QString& file)
{
    if (OpenSmFileAt(programs.files(), data, file) != 0)
        return false;
    if (SmDataCheck(data) == 0)
        return true;
    programs.cli.dialogs().message(SmCheckMessage(programs.cli.catalogue(), data.NGSMNo));
    return false;
}

int SmWrite(CliContext& cli, const QStringList& arguments)
{
    if (!OneFile(arguments))
        return kExitUsage;
    CliPrograms programs(cli);
    SmData data;
    if (!LoadCheckedSm(programs, data, arguments.at(0)) || !programs.connect())
        return kExitFailure;
    return ExitOf(RunInWriteMode(programs.context, [&] { return WriteAllSmPrograms(programs.context, data.table); }));
}

int SmVerify(CliContext& cli, const QStringList& arguments)
{
    if (!OneFile(arguments))
        return kExitUsage;
    CliPrograms programs(cli);
    SmData data;
    if (!LoadCheckedSm(programs, data, arguments.at(0)) || !programs.connect()
        || ReadAllSmPrograms(programs.context, data.readBuffer) != 0)
        return kExitFailure;
    const QString differences = SmDifferenceList(data.table, data.readBuffer);
    cli.print(SmVerifyMessage(cli.catalogue(), differences));
    return differences.isEmpty() ? kExitSuccess : kExitFailure;
}

int SmCheck(CliContext& cli, const QStringList& arguments)
{
    if (!OneFile(arguments))
        return kExitUsage;
    CliPrograms programs(cli);
    SmData data;
    if (OpenSmFileAt(programs.files(), data, arguments.at(0)) != 0)
        return kExitFailure;
    const QList<SmFault> faults = SmFaults(data.table);
    if (SmDataCheck(data) == 0)
        return kExitSuccess;
    cli.dialogs().message(SmCheckMessage(cli.catalogue(), data.NGSMNo));
    for (const SmFault& fault : faults)
        cli.print(QStringLiteral("sm %1 step %2: %3,%4")
                      .arg(fault.program)
                      .arg(fault.step)
                      .arg(fault.value.command)
                      .arg(fault.value.data));
    return kExitFailure;
}

}  // namespace

void AddProgramCommands(CliCommandTable& table)
{
    const QString groups = QStringLiteral("groups");
    table.append({{groups, QStringLiteral("read")}, QStringLiteral("-o FILE"),
                  QStringLiteral("read groups 1-99 from the controller into a .grp file"), true, GroupsRead});
    table.append({{groups, QStringLiteral("write")}, QStringLiteral("FILE"),
                  QStringLiteral("check a .grp file and write its groups into the controller"), true, GroupsWrite});
    table.append({{groups, QStringLiteral("verify")}, QStringLiteral("FILE"),
                  QStringLiteral("compare a .grp file with the controller (exit 1: different)"), true, GroupsVerify});
    table.append({{groups, QStringLiteral("check")}, QStringLiteral("FILE"),
                  QStringLiteral("list the invalid groups of a .grp file"), true, GroupsCheck});
    const QString sm = QStringLiteral("sm");
    table.append({{sm, QStringLiteral("read")}, QStringLiteral("-o FILE"),
                  QStringLiteral("read S/M programs 1-20 from the controller into a .smd file"), true, SmRead});
    table.append({{sm, QStringLiteral("write")}, QStringLiteral("FILE"),
                  QStringLiteral("check a .smd file and write its programs into the controller"), true, SmWrite});
    table.append({{sm, QStringLiteral("verify")}, QStringLiteral("FILE"),
                  QStringLiteral("compare a .smd file with the controller (exit 1: different)"), true, SmVerify});
    table.append({{sm, QStringLiteral("check")}, QStringLiteral("FILE"),
                  QStringLiteral("list the invalid steps of a .smd file"), true, SmCheck});
}

}  // namespace kvt7
