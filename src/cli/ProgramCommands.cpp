// kvt7ctl groups read | write | verify | check and sm read | write | verify | check: group
// data and S/M programs between files and the controller, through the windows' operations.

#include "CliCommands.h"
#include "CliContext.h"
#include "DataDifferences.h"
#include "JsonFacts.h"
#include "link/CommandGroups.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "link/OperationJournal.h"
#include "programs/ProgramTransfers.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramFileOperations.h"

#include <QJsonArray>
#include <optional>

namespace kvt7 {

namespace {

// The facilities of the operations, on the command line's link and console.
struct CliPrograms {
    explicit CliPrograms(CliContext& cli)
        : cli(cli), context{cli.link(),      cli.mode(), cli.dialogs(),
                            cli.catalogue(), commands,   &cli.session().journal}
    {
    }
    ProgramFiles files() const { return {cli.dialogs(), cli.catalogue()}; }
    // The journal's name of the kind's operation: "groups write", "S/M verify".
    static QString what(const char* kind, const char* verb)
    {
        return (qstrcmp(kind, "sm") == 0 ? QStringLiteral("S/M") : QString::fromLatin1(kind))
                + QLatin1Char(' ') + QLatin1String(verb);
    }
    // Online quietly and the port open (109/110 when it cannot be).
    bool connect()
    {
        cli.mode().SwitchOnlineQuietly();
        return OpenPortOrReport(cli.link()) == Outcome::Done;
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

// The check before a write or a verification; its message when the data fails it.
template <typename Data>
using Refusal = std::optional<QString> (*)(Data& data, const MessageCatalogue& messages);

// The group data or the S/M programs, as the commands below handle either: the kind's file
// and its transfers.
template <typename Data, typename Table = decltype(Data::table), typename Buffer = decltype(Data::readBuffer)>
struct ProgramKind {
    using DataType = Data;
    const ProgramFileKind<Data>& file;
    Outcome (*readAll)(ProgramContext& context, Buffer& buffer);
    Outcome (*writeAll)(ProgramContext& context, const Table& table);
    Differences (*differenceItems)(const Table& table, const Buffer& buffer);
    Refusal<Data> writeRefusal;
    // One printed line a fault, as the file holds it.
    QStringList (*faultLines)(const Data& data);
    const char* kind;  // as the JSON document names it
    int count;         // groups or programs a transfer moves
};

std::optional<QString> GroupWriteRefusal(GroupData& data, const MessageCatalogue& messages)
{
    return GroupCheck(data.table) == Outcome::Done ? std::nullopt : std::optional(GroupWriteCheckMessage(messages));
}

QStringList GroupFaultLines(const GroupData& data)
{
    QStringList lines;
    for (int g : FaultyGroups(data.table)) {
        const GroupRange& range = data.table.group(g);
        lines << QStringLiteral("group %1: %2-%3").arg(g).arg(range.start).arg(range.end);
    }
    return lines;
}

QStringList SmFaultLines(const SmData& data)
{
    QStringList lines;
    for (const SmFault& fault : SmFaults(data.table))
        lines << QStringLiteral("sm %1 step %2: %3,%4")
                     .arg(fault.program)
                     .arg(fault.step)
                     .arg(fault.value.command)
                     .arg(fault.value.data);
    return lines;
}

template <typename Kind>
int ReadCommand(const Kind& kind, CliContext& cli, const QStringList& arguments)
{
    const QString file = OutputFile(arguments);
    if (file.isEmpty())
        return kExitUsage;
    CliPrograms programs(cli);
    typename Kind::DataType data;
    if (!programs.connect() || kind.readAll(programs.context, data.readBuffer) != Outcome::Done)
        return cli.failureExit();
    kind.file.copyRead(data.readBuffer, data.table);
    if (SaveProgramFileAt(programs.files(), data, file) != Outcome::Done)
        return kExitFileFailure;
    SetTransferResult(cli, QLatin1String(kind.kind), kind.count, file);
    return kExitSuccess;
}

// The commands on one file: the file as File Open takes it, then `refusal` (when given) with
// its message, then `body` on it.
template <typename Data, typename Body>
int FileCommand(CliContext& cli, const QStringList& arguments, Refusal<Data> refusal, const Body& body)
{
    if (!OneFile(arguments))
        return kExitUsage;
    CliPrograms programs(cli);
    Data data;
    if (OpenProgramFileAt(programs.files(), data, arguments.at(0)) != Outcome::Done)
        return kExitFileFailure;
    if (refusal) {
        if (const std::optional<QString> refused = refusal(data, cli.catalogue())) {
            cli.dialogs().message(*refused);
            return kExitFailure;
        }
    }
    return body(programs, data);
}

template <typename Kind>
int WriteCommand(const Kind& kind, CliContext& cli, const QStringList& arguments)
{
    return FileCommand<typename Kind::DataType>(cli, arguments, kind.writeRefusal, [&kind, &cli, &arguments](CliPrograms& programs, auto& data) {
        if (!programs.connect())
            return cli.failureExit();
        const WriteEnd written = RunInWriteMode(
                programs.context, [&] { return kind.writeAll(programs.context, data.table); },
                CliPrograms::what(kind.kind, "write"), arguments.at(0));
        if (written != WriteEnd::Failed)
            SetTransferResult(cli, QLatin1String(kind.kind), kind.count, arguments.at(0));
        return cli.writeExit(written);
    });
}

template <typename Kind>
int VerifyCommand(const Kind& kind, CliContext& cli, const QStringList& arguments)
{
    return FileCommand<typename Kind::DataType>(
            cli, arguments, kind.file.refusal,
            [&kind, &cli, &arguments](CliPrograms& programs, auto& data) {
                JournalRecord record(programs.context.journal,
                                     CliPrograms::what(kind.kind, "verify"), arguments.at(0));
                if (!programs.connect() || kind.readAll(programs.context, data.readBuffer) != Outcome::Done)
                    return cli.failureExit();
                const QString differences = kind.file.differences(data.table, data.readBuffer);
                record.finish(differences.isEmpty());
                cli.print(kind.file.verifyMessage(cli.catalogue(), differences));
                cli.result()
                        = DifferencesObject(kind.differenceItems(data.table, data.readBuffer),
                                            QStringLiteral("file"), QStringLiteral("controller"));
                return differences.isEmpty() ? kExitSuccess : kExitFailure;
            });
}

template <typename Kind>
int CheckCommand(const Kind& kind, CliContext& cli, const QStringList& arguments)
{
    return FileCommand<typename Kind::DataType>(cli, arguments, nullptr, [&kind, &cli](CliPrograms&, auto& data) {
        // The faults are listed as the file holds them, before the check clears the ends.
        const QStringList faults = kind.faultLines(data);
        const std::optional<QString> refused = kind.writeRefusal(data, cli.catalogue());
        cli.result() = {{QStringLiteral("valid"), !refused},
                        {QStringLiteral("problems"), QJsonArray::fromStringList(faults)}};
        if (!refused)
            return kExitSuccess;
        cli.dialogs().message(*refused);
        for (const QString& fault : faults)
            cli.print(fault);
        return kExitFailure;
    });
}

struct KindSummaries {
    const char* read;
    const char* write;
    const char* verify;
    const char* check;
};

template <typename Kind>
void AddKind(CliCommandTable& table, const QString& noun, const Kind& kind, const KindSummaries& summary)
{
    const auto command = [kind](int (*run)(const Kind&, CliContext&, const QStringList&)) {
        return [kind, run](CliContext& cli, const QStringList& arguments) { return run(kind, cli, arguments); };
    };
    table.append({{noun, QStringLiteral("read")}, QStringLiteral("-o FILE"), QString::fromLatin1(summary.read), true,
                  command(ReadCommand<Kind>)});
    table.append({{noun, QStringLiteral("write")}, QStringLiteral("FILE"), QString::fromLatin1(summary.write), true,
                  command(WriteCommand<Kind>)});
    table.append({{noun, QStringLiteral("verify")}, QStringLiteral("FILE"), QString::fromLatin1(summary.verify), true,
                  command(VerifyCommand<Kind>)});
    table.append({{noun, QStringLiteral("check")}, QStringLiteral("FILE"), QString::fromLatin1(summary.check), true,
                  command(CheckCommand<Kind>)});
}

}  // namespace

void AddProgramCommands(CliCommandTable& table)
{
    const ProgramKind<GroupData> groups{GroupFileKind(), ReadAllGroups,     WriteAllGroups, GroupDifferences,
                                        GroupWriteRefusal, GroupFaultLines, "groups",       kGroupCount};
    AddKind(table, QStringLiteral("groups"), groups,
            {"read groups 1-99 from the controller into a .grp file",
             "check a .grp file and write its groups into the controller",
             "compare a .grp file with the controller (exit 1: different)", "list the invalid groups of a .grp file"});
    const ProgramKind<SmData> sm{SmFileKind(),         ReadAllSmPrograms, WriteAllSmPrograms, SmDifferences,
                                 SmFileKind().refusal, SmFaultLines,      "sm",               kSmProgramCount};
    AddKind(table, QStringLiteral("sm"), sm,
            {"read S/M programs 1-20 from the controller into a .smd file",
             "check a .smd file and write its programs into the controller",
             "compare a .smd file with the controller (exit 1: different)", "list the invalid steps of a .smd file"});
}

}  // namespace kvt7
