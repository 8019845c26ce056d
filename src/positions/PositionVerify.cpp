#include "PositionVerify.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "link/OperationJournal.h"
#include "platform/Dialogs.h"
#include "positions/PositionCheck.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionCompare.h"
#include "positions/PositionDifferences.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/RangeChooser.h"
#include "positions/TableOperations.h"

#include <QDir>
#include <QFileInfo>

namespace kvt7 {

namespace {

std::array<bool, 4> AxesInUse(const PositionCommandContext& context)
{
    std::array<bool, 4> inUse{};
    for (int axis = 1; axis <= 4; ++axis)
        inUse[std::size_t(axis - 1)] = context.positions.inUse(axis);
    return inUse;
}

// Compares the working range; the result window when something differs, else the OK text.
// True when equal.
bool CompareAndShow(PositionCommandContext& context, const QString& okText)
{
    PositionTable& table = context.table();
    PositionStore& store = *table.store;
    ClearMarks(store);
    table.ResultRowCount = ComparePositions(store, AxesInUse(context), table.SelStartNo, table.SelEndNo);
    // The grid keeps the differing cells coloured after the result window has closed.
    ShowDifferences(context.positions.grid, table);
    if (table.ResultRowCount > 0)
        context.positions.results.showResult(ResultVariant::Verify, MarkedRows(store, table.SelStartNo),
                                             AxesInUse(context));
    else
        context.dialogs().message(okText + QStringLiteral("\r\n\r\n")
                                  + context.text(Msg::ResultVerifyOK));
    ClearMarks(store);
    const bool equal = table.ResultRowCount == 0;
    table.ResultRowCount = 0;
    return equal;
}

}  // namespace

void VerifyPositions(PositionCommandContext& context, VerifySourceChooser& chooser)
{
    CommandsLocked locked(context);
    if (!HasRows(context.positions))
        return;
    switch (chooser.chooseVerifySource()) {
    case 1:
        VerifyPositionsWithFile(context);
        break;
    case 2:
        VerifyPositionsWithController(context);
        break;
    default: break;
    }
}

Outcome VerifyPositionsWithFile(PositionCommandContext& context)
{
    JournalRecord record(context.controller.journal, QStringLiteral("positions verify file"));
    PositionTable& table = context.table();
    table.SelStartNo = table.DispFirstNo;
    table.SelEndNo = table.DispLastNo;
    if (CheckPositionTable(context.positions.check()) != Outcome::Done)
        return Outcome::Failed;
    FileRequest request;
    request.title = context.text(Msg::OpenPositionDataFileVerified);
    request.filter = context.text(Msg::PositionDataKvdKvdAllFiles);
    request.defaultExtension = QStringLiteral("kvd");
    const auto path = context.dialogs().openFileName(request);
    if (!path || path->isEmpty())
        return Outcome::Failed;
    record.setFile(*path);
    const auto content = ReadPositionFileWithRetries(context, *path);
    if (!content)
        return Outcome::Failed;
    TakeIntoLoadBuffer(*content, table);
    if (ChoosePositionRange(table, context.positions.ranges, VerifyRangeRequest(table)) != Outcome::Done) {
        record.cancelUnlessShown();
        return Outcome::Failed;
    }
    record.finish(
            CompareAndShow(context,
                           context.text(Msg::DataIndicatedSavedFile)
                                   + QDir::toNativeSeparators(QFileInfo(*path).absoluteFilePath())
                                   + context.text(Msg::ClosingParenthesis)));
    return Outcome::Done;
}

Outcome VerifyPositionsWithController(PositionCommandContext& context)
{
    PositionTable& table = context.table();
    JournalRecord record(context.controller.journal, QStringLiteral("positions verify"),
                         UnchangedTableFile(table));
    if (ChoosePositionRange(table, context.positions.ranges, TableRangeRequest(table)) != Outcome::Done) {
        record.cancelUnlessShown();
        return Outcome::Failed;
    }
    if (CheckPositionTable(context.positions.check()) != Outcome::Done)
        return Outcome::Failed;
    ControllerLink& link = context.controller.link;
    link.SwitchOnlineQuietly();
    if (!link.OpenPortWithAttempts())
        return Outcome::Failed;
    if (LinkCheck(link) != Outcome::Done) {
        link.ReleasePort();
        return Outcome::Failed;
    }
    if (ReadPositionData(context) != Outcome::Done)
        return Outcome::Failed;
    record.finish(CompareAndShow(context, context.text(Msg::DataIndicatedInsideController)));
    return Outcome::Done;
}

}  // namespace kvt7
