// kvt7ctl params read | write | verify | check: the controller's parameters and .pmt files.

#include "CliCommands.h"
#include "CliContext.h"
#include "DataDifferences.h"
#include "JsonFacts.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "parameters/ParameterChecks.h"
#include "parameters/ParameterComparison.h"
#include "parameters/ParameterEditorCommands.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/ParameterWriteCommand.h"
#include "parameters/RecordApply.h"
#include "base/MessageIds.h"

#include <optional>
#include <QJsonArray>

namespace kvt7 {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

void Show(CliContext& context, std::initializer_list<int> ids)
{
    QStringList texts;
    for (const int id : ids)
        texts << context.catalogue().Text(id);
    context.dialogs().message(texts.join(kNewLine));
}

// The axes the set's AXIS has in use: the count of a parameter transfer.
int AxisCount(const ParameterSet& set)
{
    int count = 0;
    for (int axis = 1; axis <= kAxisCount; ++axis)
        count += set.editor.axisInUse(axis) ? 1 : 0;
    return count;
}

// The file's values become the editor values; the failure has been shown.
bool LoadFile(CliContext& context, ParameterSet& set, const QString& path)
{
    return OpenParameterFileAt(set, path, context.dialogs(), context.catalogue()) == Outcome::Done;
}

int Read(CliContext& context, const QStringList& arguments)
{
    if (arguments.size() != 2 || arguments.at(0) != QLatin1String("-o") || arguments.at(1).isEmpty())
        return kExitUsage;
    ControllerLink& link = context.link();
    ParameterSet set;
    AxisSettings axes;
    context.mode().SwitchOnlineQuietly();
    if (OpenPortOrReport(link) != Outcome::Done)
        return context.failureExit();
    if (ReadAxisMask(link, set, axes) != Outcome::Done) {
        Show(context, {Msg::FailedGetAxisSetting});
        return context.failureExit();
    }
    if (ReadAllParameters(context.controller(), set) != Outcome::Done)
        return context.failureExit();
    ApplyRecordToEditorValues(set, RecordSource::Controller);
    if (WriteParameterFileWithRetries(set, arguments.at(1), context.dialogs(), context.catalogue()) != Outcome::Done)
        return kExitFileFailure;
    SetTransferResult(context, QStringLiteral("parameters"), AxisCount(set), arguments.at(1));
    return kExitSuccess;
}

// The start of a write and a verification: one file, read, then the port opened. The exit
// status when it cannot go on.
std::optional<int> LoadFileAndOpenPort(CliContext& context, const QStringList& arguments,
                                       ParameterSet& set)
{
    if (arguments.size() != 1)
        return kExitUsage;
    if (!LoadFile(context, set, arguments.at(0)))
        return kExitFileFailure;
    context.mode().SwitchOnlineQuietly();
    if (OpenPortOrReport(context.link()) != Outcome::Done)
        return context.failureExit();
    return std::nullopt;
}

int Write(CliContext& context, const QStringList& arguments)
{
    ParameterSet set;
    if (const auto stopped = LoadFileAndOpenPort(context, arguments, set))
        return *stopped;
    AxisSettings axes;
    // The same write as the editor's; without an operator the file's AXIS wins.
    const WriteOutcome outcome =
        WriteParameterSet(context.controller(), set, axes, [] { return AxisSource::PcSoft; });
    if (outcome == WriteOutcome::Stopped)
        return context.failureExit();
    if (outcome != WriteOutcome::Failed)
        SetTransferResult(context, QStringLiteral("parameters"), AxisCount(set), arguments.at(0));
    if (outcome == WriteOutcome::WrittenModeLeft)
        return context.writeExit(WriteEnd::StoredModeLeft);
    Show(context,
         {outcome == WriteOutcome::Written ? Msg::CompletedWritingParameters
                                           : Msg::FailWriteParameters});
    if (outcome == WriteOutcome::Written)
        return kExitSuccess;
    // Failed without a failed exchange: the controller was moving.
    const int failure = context.failureExit();
    return failure == kExitFailure ? kExitControllerRefused : failure;
}

int Verify(CliContext& context, const QStringList& arguments)
{
    ParameterSet set;
    if (const auto stopped = LoadFileAndOpenPort(context, arguments, set))
        return *stopped;
    // The editor's verification; its result goes to the output instead of a box.
    const auto differences = CompareWithController(context.controller(), set);
    if (!differences)
        return context.failureExit();
    context.print(VerificationMessage(*differences, context.catalogue()));
    context.result() = DifferencesObject(ParameterDifferenceList(set), QStringLiteral("file"),
                                         QStringLiteral("controller"));
    return differences->none() ? kExitSuccess : kExitFailure;
}

int Check(CliContext& context, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return kExitUsage;
    ParameterSet set;
    if (!LoadFile(context, set, arguments.at(0)))
        return kExitFileFailure;
    const QStringList problems = ParameterProblems(set.editor);
    context.result() = {{QStringLiteral("valid"), problems.isEmpty()},
                        {QStringLiteral("problems"), QJsonArray::fromStringList(problems)}};
    if (problems.isEmpty())
        return kExitSuccess;
    Show(context, {Msg::InvalidValueParameters, Msg::ConfirmValueTryAgain});
    context.print(problems.join(QLatin1Char('\n')));
    return kExitFailure;
}

}  // namespace

void AddParameterCommands(CliCommandTable& table)
{
    const QString params = QStringLiteral("params");
    table.append({{params, QStringLiteral("read")}, QStringLiteral("-o FILE"),
                  QStringLiteral("read the controller's parameters into a .pmt file"), false, Read});
    table.append({{params, QStringLiteral("write")}, QStringLiteral("FILE"),
                  QStringLiteral("check a .pmt file and write it into the controller"), false, Write});
    table.append({{params, QStringLiteral("verify")}, QStringLiteral("FILE"),
                  QStringLiteral("compare a .pmt file with the controller (exit 1: different)"), false,
                  Verify});
    table.append({{params, QStringLiteral("check")}, QStringLiteral("FILE"),
                  QStringLiteral("list the values of a .pmt file that are out of range"), false, Check});
}

}  // namespace kvt7
