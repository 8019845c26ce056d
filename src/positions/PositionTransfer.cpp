#include "PositionTransfer.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "link/OperationJournal.h"
#include "parameters/ControllerAxisSettings.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"
#include "positions/GridPresentation.h"
#include "positions/PositionCheck.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionUndo.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionWire.h"
#include "positions/RangeChooser.h"
#include "positions/TableOperations.h"
#include "positions/TransferAxisCheck.h"

#include <vector>

namespace kvt7 {

namespace {

constexpr int kReplyTimeoutMs = 1000;
constexpr int kReadReplyLength = 48;
constexpr int kWriteReplyLength = 8;

Outcome Exchange(ControllerLink& link, const QString& command, const QString& data, int length)
{
    link.setReplyTimeoutMs(kReplyTimeoutMs);
    LinkBusyScope busy(link);
    return link.SendCommandWithRetry(command, data, length);
}

// After a read that did not happen the grid keeps its rows (and the operator's edits in
// them); they take the colours of the axes as they are now set.
void RestoreDisplayedRange(PositionCommandContext& context)
{
    PositionTable& table = context.table();
    table.DispFirstNo = table.PrevFirstNo;
    table.DispLastNo = table.PrevLastNo;
    table.DispCount = table.DispLastNo - table.DispFirstNo + 1;
    if (context.positions.grid.hasPositionRows())
        ColourRows(context.positions, table.DispFirstNo, table.DispLastNo);
}

// The replies of a read, parsed; nullopt when one of them is not readable.
std::optional<std::vector<PositionStore::Row>> ParseReplies(const PositionStore& store, int from, int to)
{
    std::vector<PositionStore::Row> rows;
    for (int n = from; n <= to; ++n) {
        auto row = ParsePositionReply(store.TransferText[std::size_t(n - 1)]);
        if (!row)
            return std::nullopt;
        rows.push_back(*row);
    }
    return rows;
}

void TakeReadIntoTable(PositionCommandContext& context, TableStep& step)
{
    PositionContext& positions = context.positions;
    PositionTable& table = positions.table;
    LoadIntoTable(positions, table.SelStartNo, table.SelEndNo);
    ShowRange(positions, table.DispFirstNo, table.DispLastNo);
    table.TableName = context.text(Msg::InsideCT);
    table.TablePath.clear();
    emit positions.events.tableNameShown(table.TableName);
    step.commit(context.text(Msg::ReadStep));
    table.ClearChanged();
}

// Sends the mode command "00" up to six times 100 ms apart; message 377 and false when none
// took.
bool EndWriteMode(PositionCommandContext& context)
{
    for (int attempt = 1; attempt <= 6; ++attempt) {
        if (SetControllerMode(context.controller.link, 0) == Outcome::Done)
            return true;
        if (attempt < 6)
            WaitMs(100);
    }
    context.dialogs().message(context.text(Msg::CommunicationErrorOccurred));
    return false;
}

// The steps of a write before the positions go out; false when the write must not happen.
bool PrepareWrite(PositionCommandContext& context)
{
    PositionTable& table = context.table();
    if (!HasRows(context.positions))
        return false;
    if (ChoosePositionRange(table, context.positions.ranges, TableRangeRequest(table)) != Outcome::Done)
        return false;
    if (CheckPositionTable(context.positions.check()) != Outcome::Done)
        return false;
    if (context.dialogs().message(context.text(Msg::DataTransmittedControllerYes),
                                  Buttons::OkCancel, Icon::Question)
        != Answer::Ok)
        return false;
    table.TransferCancel = false;
    context.controller.link.SwitchOnlineQuietly();
    const Readiness ready = ReadyQuery(context.controller.link);
    if (ready == Readiness::Failed)
        return false;
    if (ready == Readiness::Busy) {
        context.dialogs().message(context.text(Msg::WritingDataNotMadeDuringMovement));
        return false;
    }
    if (SetControllerMode(context.controller.link, 1) != Outcome::Done) {
        context.dialogs().message(context.text(Msg::CommunicationErrorOccurred));
        return false;
    }
    return true;
}

}  // namespace

QString UnchangedTableFile(const PositionTable& table)
{
    if (table.PosiChanged || table.TablePath.isEmpty()
        || table.TableName != TableNameOfFile(table.TablePath))
        return {};
    return table.TablePath;
}

Outcome ReadPositionData(PositionCommandContext& context)
{
    PositionTable& table = context.table();
    PositionStore& store = *table.store;
    Dialogs& dialogs = context.dialogs();
    table.TransferCancel = false;
    context.controller.link.SwitchOnlineQuietly();
    dialogs.progressOpen(context.text(Msg::ReadingDataController),
                         table.SelEndNo - table.SelStartNo + 2, true);
    int done = 0;
    for (int n = table.SelStartNo; n <= table.SelEndNo; ++n) {
        if (dialogs.progressCancelRequested())
            table.TransferCancel = true;
        if (table.TransferCancel)
            break;
        if (Exchange(context.controller.link, QStringLiteral("0RP"), PositionNumberField(n), kReadReplyLength) != Outcome::Done) {
            context.controller.link.ReleasePort();
            dialogs.progressClose();
            return Outcome::Failed;
        }
        store.TransferText[std::size_t(n - 1)] = context.controller.link.LastReply();
        dialogs.progressSetValue(++done);
    }
    dialogs.progressClose();
    context.controller.link.ReleasePort();
    if (table.TransferCancel)
        return Outcome::Cancelled;
    const auto rows = ParseReplies(store, table.SelStartNo, table.SelEndNo);
    if (!rows) {
        context.controller.link.ReportUnusableReply();
        return Outcome::Failed;
    }
    for (int n = table.SelStartNo; n <= table.SelEndNo; ++n) {
        const auto& row = (*rows)[std::size_t(n - table.SelStartNo)];
        for (int column = 1; column <= kSmColumn; ++column)
            store.PosiLoadBuffer[std::size_t(n)][std::size_t(column)] = row[std::size_t(column)];
    }
    return Outcome::Done;
}

Outcome ReadPositionsFromController(PositionCommandContext& context)
{
    CommandsLocked locked(context);
    PositionTable& table = context.table();
    Dialogs& dialogs = context.dialogs();
    if (HasAnyData(*table.store)) {
        const Answer save
                = dialogs.message(context.text(Msg::SaveEditingDataBeforeReadingDataInMain),
                                  Buttons::YesNoCancel, Icon::Question);
        if (save == Answer::Cancel)
            return Outcome::Failed;
        if (save == Answer::Yes)
            SavePositionAs(context);
    }
    // Undoing the read gives back the table as it was before it, ranges included.
    TableStep step(context.positions, TableScope::WholeTable());
    if (ChoosePositionRange(table, context.positions.ranges,
                            ReadRangeRequest(table, context.positions.grid.hasPositionRows())) != Outcome::Done)
        return Outcome::Failed;
    if (dialogs.message(context.text(Msg::ReadDataControllerOK), Buttons::OkCancel, Icon::Question)
        != Answer::Ok)
        return Outcome::Failed;
    table.TransferCancel = false;
    table.PrevFirstNo = table.DispFirstNo;
    table.PrevLastNo = table.DispLastNo;
    table.DispFirstNo = table.SelStartNo;
    table.DispLastNo = table.SelEndNo;
    table.DispCount = table.DispLastNo - table.DispFirstNo + 1;
    // The grid still shows the earlier range until the read succeeded.
    if (!SettleAxesBeforeRead(context)) {
        RestoreDisplayedRange(context);
        return Outcome::Failed;
    }
    const Outcome read = ReadPositionData(context);
    if (read != Outcome::Done) {
        if (read == Outcome::Cancelled)
            dialogs.message(context.text(Msg::ReadingDataStopped));
        RestoreDisplayedRange(context);
        return Outcome::Failed;
    }
    TakeReadIntoTable(context, step);
    return Outcome::Done;
}

Outcome WritePositionData(PositionCommandContext& context)
{
    PositionTable& table = context.table();
    PositionStore& store = *table.store;
    Dialogs& dialogs = context.dialogs();
    for (int n = table.SelStartNo; n <= table.SelEndNo; ++n)
        if (!store.PosiSkip[std::size_t(n)])
            store.TransferText[std::size_t(n - 1)] = PositionWriteData(store.PosiValue[std::size_t(n)], n);
    dialogs.progressOpen(context.text(Msg::SendingDataController),
                         table.SelEndNo - table.SelStartNo + 1, false);
    int done = 0;
    for (int n = table.SelStartNo; n <= table.SelEndNo; ++n) {
        if (!store.PosiSkip[std::size_t(n)]) {
            const QString data = store.TransferText[std::size_t(n - 1)];
            if (Exchange(context.controller.link, QStringLiteral("0WP"), data, kWriteReplyLength) != Outcome::Done) {
                context.controller.link.ReleasePort();
                dialogs.progressClose();
                return Outcome::Failed;
            }
            if (context.controller.link.LastReply().left(6) != (QStringLiteral("0WP") + data).left(6)) {
                context.controller.link.ReportUnusableReply();
                context.controller.link.ReleasePort();
                dialogs.progressClose();
                return Outcome::Failed;
            }
        }
        dialogs.progressSetValue(++done);
    }
    dialogs.progressClose();
    context.controller.link.ReleasePort();
    return Outcome::Done;
}

WriteEnd WritePositionsToController(PositionCommandContext& context)
{
    CommandsLocked locked(context);
    JournalRecord record(context.controller.journal, QStringLiteral("positions write"),
                         UnchangedTableFile(context.table()));
    if (!PrepareWrite(context)) {
        if (context.table().RangeDialogCancelled)
            record.cancelUnlessShown();
        return WriteEnd::Failed;
    }
    // From here the controller is in write mode; a refusal returns it to normal.
    const auto refuse = [&context, &record] {
        if (!context.controller.link.CommFailed())
            SetControllerMode(context.controller.link, 0);
        context.controller.link.ReleasePort();
        record.finish(false);
        return WriteEnd::Failed;
    };
    if (!AxesMatchForWrite(context))
        return refuse();
    if (ReadControllerAxisSettings(context.controller.link, context.positions.axes) != Outcome::Done) {
        context.dialogs().message(context.text(Msg::CommunicationErrorOccurred));
        return refuse();
    }
    if (CheckParametersBeforePositionWrite(context) != Outcome::Done)
        return refuse();
    if (WritePositionData(context) != Outcome::Done)
        return refuse();
    const bool normal = EndWriteMode(context);
    context.controller.link.ReleasePort();
    context.dialogs().message(context.text(Msg::CompletedDataTransmit));
    // Stored with the controller left in write mode counts as a failure: 377 was shown.
    record.finish(normal);
    return normal ? WriteEnd::Stored : WriteEnd::StoredModeLeft;
}

}  // namespace kvt7
