#include "PositionFileCommands.h"
#include "base/MessageIds.h"

#include "link/CommandGroups.h"

#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSettingRules.h"
#include "actuators/AxisSettingStore.h"
#include "actuators/ModelDesignation.h"
#include "actuators/UnitConversion.h"
#include "base/MessageCatalogue.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/FactoryDefaults.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/RecordApply.h"
#include "platform/Dialogs.h"
#include "platform/FieldFile.h"
#include "platform/Wait.h"

#include <QScopeGuard>
#include "positions/GridPresentation.h"
#include "positions/PositionCheck.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionUndo.h"
#include "positions/RangeChooser.h"
#include "positions/TableOperations.h"

namespace kvt7 {

namespace {

constexpr int kAttempts = 6;
constexpr int kAttemptPauseMs = 100;

FileRequest PositionFileRequest(const PositionCommandContext& context, int titleId)
{
    FileRequest request;
    request.title = context.text(titleId);
    request.filter = context.text(Msg::PositionDataKvdKvdAllFiles);
    request.defaultExtension = QStringLiteral("kvd");
    return request;
}

// The axis settings as the file records them, on a copy of the program's; nullopt when a
// model text cannot be used (its messages have been shown).
std::optional<AxisSettings> RecordedFromFile(PositionCommandContext& context,
                                             const PositionFileContent& content)
{
    AxisSettings candidate = context.positions.axes;
    for (int axis = 1; axis <= 4; ++axis) {
        const std::size_t i = std::size_t(axis - 1);
        const bool inFile = !content.modelTexts[i].isEmpty();
        AxisSetting& recorded = candidate.Recorded(axis);
        recorded.InUse = inFile;
        if (inFile && !ParseModelDesignation(recorded, content.modelTexts[i], content.typeTexts[i],
                                             context.positions.catalogue))
            return std::nullopt;
    }
    return candidate;
}

bool RecordedDiffers(const AxisSettings& candidate)
{
    for (int axis = 1; axis <= 4; ++axis)
        if (candidate.Recorded(axis).InUse != candidate.Pc(axis).InUse)
            return true;
    return FileActuatorsDifferFromPc(candidate);
}

// Message 46: the file's actuators with their factory-default parameters.
void TakeFileActuatorsWithDefaults(PositionCommandContext& context, AxisSettings& candidate)
{
    AdoptFileActuators(candidate);
    TakeLeadAndPprFromCatalogue(candidate.pc, context.positions.catalogue);
    const FactoryDefaultsRequest request{context.programFolder, candidate.recorded, std::nullopt};
    if (ApplyFactoryDefaults(context.parameters, context.defaultLists, request, context.dialogs(),
                             context.messages()) != Outcome::Done)
        return;
    if (TakeAxisSettingsFromParameterSet(context.parameters, candidate))
        SaveAxisSettingsToStore(context.section, candidate);
}

// Message 47: the axes and actuators of a parameter file. False when the open ended.
bool TakeParameterFileActuators(PositionCommandContext& context, AxisSettings& candidate)
{
    const auto path = context.dialogs().openFileName(ParameterOpenRequest(context.messages()));
    if (!path || path->isEmpty()) {
        context.dialogs().message(context.text(Msg::ReadingStopped));
        return false;
    }
    const ParameterFileRead read = ReadParameterFileWithRetries(context.parameters, *path, context.dialogs(),
                                                                context.messages());
    if (read == ParameterFileRead::NotParameterFile)
        return false;
    if (read != ParameterFileRead::Ok) {
        context.dialogs().message(context.text(Msg::ErrorOccurredReadingFile));
        return false;
    }
    ApplyRecordToEditorValues(context.parameters, RecordSource::File);
    if (!TakeAxisSettingsFromParameterSet(context.parameters, candidate)) {
        context.dialogs().message(
                context.lines({Msg::DeviceTypeNotSelected, Msg::SelectDeviceTypeAgain}));
        return false;
    }
    return true;
}

// The three-choice question when the file's actuators differ from the program's.
bool SettleActuators(PositionCommandContext& context, AxisSettings& candidate)
{
    const int choice = context.dialogs().choice(
            context.text(Msg::Select), context.text(Msg::ActuatorSettingRecordedPositionalData),
            {context.text(Msg::PositionalDataOpenedActuatorSettingPc),
             context.text(Msg::AfterDefaultParameterActuatorRecorded),
             context.text(Msg::AfterParameterFileReadPositionalData)},
            true);
    switch (choice) {
    case 0:
        RecordPcActuators(candidate);
        return true;
    case 1:
        TakeFileActuatorsWithDefaults(context, candidate);
        return true;
    case 2:
        return TakeParameterFileActuators(context, candidate);
    default:
        return false;
    }
}

void ShowOpenedTable(PositionCommandContext& context, const PositionFileContent& content, const QString& path,
                     TableStep& step)
{
    PositionContext& positions = context.positions;
    PositionTable& table = positions.table;
    ShowFileRange(positions, content);
    ComputeMaxMm(positions.axes.pc);
    ShowUnitsLineOfFirstAxis(positions);
    table.TableName = TableNameOfFile(path);
    table.TablePath = path;
    emit positions.events.tableNameShown(table.TableName);
    step.commit(context.text(Msg::FileOpenStep));
    table.ClearChanged();
}

Outcome WriteWithRetries(PositionCommandContext& context, const QString& path)
{
    const PositionTable& table = context.table();
    const bool written = RetryFileOperation(
        [&] { return WritePositionFile(context, path, table.SelStartNo, table.SelEndNo) == Outcome::Done; }, kAttempts,
        kAttemptPauseMs);
    if (!written) {
        context.dialogs().message(context.text(Msg::ErrorOccurredSavingData));
        return Outcome::Failed;
    }
    context.dialogs().fileUsed(path);
    return Outcome::Done;
}

bool HasNoFileYet(const PositionCommandContext& context)
{
    const QString name = context.table().TableName.left(3);
    return context.table().TablePath.isEmpty() || name == context.text(Msg::NewData).left(3)
            || name == context.text(Msg::InsideCT).left(3);
}

}  // namespace

void ShowFileRange(PositionContext& positions, const PositionFileContent& content)
{
    PositionTable& table = positions.table;
    TakeIntoLoadBuffer(content, table);
    table.DispFirstNo = table.SelStartNo = table.FileFirstNo;
    table.DispLastNo = table.SelEndNo = table.FileLastNo;
    table.DispCount = table.DispLastNo - table.DispFirstNo + 1;
    RefreshAxisHeadings(positions);
    LoadIntoTable(positions, table.DispFirstNo, table.DispLastNo);
    ShowRange(positions, table.DispFirstNo, table.DispLastNo);
}

// After the lock is taken: read, settle the actuators the file was written for, show.
static Outcome OpenChosenFile(PositionCommandContext& context, const QString& path)
{
    // Undoing the open gives back the table as it was before.
    TableStep step(context.positions, TableScope::WholeTable());
    const auto content = ReadPositionFileWithRetries(context, path);
    if (!content)
        return Outcome::Failed;
    auto candidate = RecordedFromFile(context, *content);
    if (!candidate) {
        context.dialogs().message(context.text(Msg::ErrorOccurredReadingFile));
        return Outcome::Failed;
    }
    if (RecordedDiffers(*candidate) && !SettleActuators(context, *candidate))
        return Outcome::Failed;
    context.positions.axes = *candidate;
    ShowOpenedTable(context, *content, path, step);
    context.dialogs().fileUsed(path);
    return Outcome::Done;
}

FileReadResult ReadPositionFile(PositionCommandContext& context, const QString& path,
                                PositionFileContent& content)
{
    ParsedPositionFile parsed = ReadPositionFileAt(path);
    if (!parsed.content) {
        if (parsed.error != PositionFileError::NotPositionFile)
            return FileReadResult::Fault;
        context.dialogs().message(
                context.lines({Msg::NotPositionDataFileKVT7, Msg::OpeningFileCanceled}));
        return FileReadResult::Stopped;
    }
    if (parsed.content->records.empty())
        return FileReadResult::Fault;  // a file without a single position is a damaged one
    content = std::move(*parsed.content);
    return FileReadResult::Read;
}

std::optional<PositionFileContent> ReadPositionFileWithRetries(PositionCommandContext& context,
                                                               const QString& path)
{
    PositionFileContent content;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        switch (ReadPositionFile(context, path, content)) {
        case FileReadResult::Read: return content;
        case FileReadResult::Stopped: return std::nullopt;
        case FileReadResult::Fault: break;
        }
        if (attempt < kAttempts)
            WaitMs(kAttemptPauseMs);
    }
    context.dialogs().message(context.text(Msg::ErrorOccurredReadingFile));
    return std::nullopt;
}

Outcome WritePositionFile(PositionCommandContext& context, const QString& path, int from, int to)
{
    PositionContext& positions = context.positions;
    if (!WritePositionFileAt(path, *positions.table.store, FileHeaderOf(positions), from, to))
        return Outcome::Failed;
    PositionTable& table = positions.table;
    table.TableName = TableNameOfFile(path);
    table.TablePath = path;
    emit positions.events.tableNameShown(table.TableName);
    table.ClearChanged();
    return Outcome::Done;
}

Outcome OpenPositionFile(PositionCommandContext& context)
{
    CommandsLocked locked(context);
    const auto path = context.dialogs().openFileName(
            PositionFileRequest(context, Msg::OpenPositionDataFile));
    if (!path) {
        context.dialogs().message(context.text(Msg::ReadingStopped));
        return Outcome::Failed;
    }
    if (path->isEmpty())
        return Outcome::Failed;
    return OpenChosenFile(context, *path);
}

Outcome OpenPositionFileAt(PositionCommandContext& context, const QString& path)
{
    CommandsLocked locked(context);
    return OpenChosenFile(context, path);
}

Outcome SavePosition(PositionCommandContext& context)
{
    const bool ownFreeze = !context.groups.locked() && context.freezeGrid;
    if (ownFreeze)
        context.freezeGrid(true);
    const auto unfreeze = qScopeGuard([&context, ownFreeze] {
        if (ownFreeze)
            context.freezeGrid(false);
    });
    if (!HasRows(context.positions)) {
        context.dialogs().message(context.text(Msg::ErrorOccurredSavingData));
        return Outcome::Failed;
    }
    if (CheckPositionTable(context.positions.check()) != Outcome::Done)
        return Outcome::Failed;
    QString path = context.table().TablePath;
    if (HasNoFileYet(context)) {
        FileRequest request = PositionFileRequest(context, Msg::SavePositionDataInPositions);
        request.defaultName = context.text(Msg::Kvt7posiKvd);
        const auto chosen = context.dialogs().saveFileName(request);
        if (!chosen || chosen->isEmpty()) {
            context.table().saveCancelled = true;
            return Outcome::Cancelled;
        }
        path = *chosen;
    }
    return WriteWithRetries(context, path);
}

Outcome SavePositionAs(PositionCommandContext& context)
{
    CommandsLocked locked(context);
    PositionTable& table = context.table();
    if (!HasRows(context.positions))
        return Outcome::Failed;
    if (ChoosePositionRange(table, context.positions.ranges, TableRangeRequest(table)) != Outcome::Done)
        return Outcome::Failed;
    if (CheckPositionTable(context.positions.check()) != Outcome::Done)
        return Outcome::Failed;
    if (context.dialogs().message(context.text(Msg::WriteDataFileYes), Buttons::OkCancel,
                                  Icon::Question)
        != Answer::Ok)
        return Outcome::Failed;
    FileRequest request = PositionFileRequest(context, Msg::SavePositionData);
    request.defaultName = context.text(Msg::Kvt7posiKvd);
    const auto chosen = context.dialogs().saveFileName(request);
    if (!chosen || chosen->isEmpty()) {
        table.saveCancelled = true;
        return Outcome::Cancelled;
    }
    return WriteWithRetries(context, *chosen);
}

}  // namespace kvt7
