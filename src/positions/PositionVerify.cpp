#include "PositionVerify.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "platform/Dialogs.h"
#include "positions/PositionCheck.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionCompare.h"
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
void CompareAndShow(PositionCommandContext& context, const QString& okText)
{
    PositionTable& table = context.table();
    PositionStore& store = *table.store;
    ClearMarks(store);
    table.ResultRowCount = ComparePositions(store, AxesInUse(context), table.SelStartNo, table.SelEndNo);
    if (table.ResultRowCount > 0)
        context.positions.results.showResult(ResultVariant::Verify, MarkedRows(store, table.SelStartNo),
                                             AxesInUse(context));
    else
        context.dialogs().message(okText + QStringLiteral("\r\n\r\n") + context.text(826));
    ClearMarks(store);
    table.ResultRowCount = 0;
}

}  // namespace

void VerifyPositions(PositionCommandContext& context, VerifySourceChooser& chooser)
{
    CommandsLocked locked(context);
    if (!HasRows(context.positions))
        return;
    switch (chooser.chooseVerifySource()) {
    case 1: PosiDataFileShogo2(context); break;
    case 2: PosiDataCtShogo(context); break;
    default: break;
    }
}

int PosiDataFileShogo2(PositionCommandContext& context)
{
    PositionTable& table = context.table();
    table.SelStartNo = table.DispFirstNo;
    table.SelEndNo = table.DispLastNo;
    if (PosiDataCheck3(context.positions.check()) != 0)
        return 1;
    FileRequest request;
    request.title = context.text(350);
    request.filter = context.text(351);
    request.defaultExtension = QStringLiteral("kvd");
    const auto path = context.dialogs().openFileName(request);
    if (!path || path->isEmpty())
        return 1;
    const auto content = ReadPositionFileWithRetries(context, *path);
    if (!content)
        return 1;
    TakeIntoLoadBuffer(*content, table);
    if (ChoosePositionRange(table, context.positions.ranges, VerifyRangeRequest(table)) != 0)
        return 1;
    CompareAndShow(context, context.text(352) + QDir::toNativeSeparators(QFileInfo(*path).absoluteFilePath())
                                + context.text(353));
    return 0;
}

int PosiDataCtShogo(PositionCommandContext& context)
{
    PositionTable& table = context.table();
    if (ChoosePositionRange(table, context.positions.ranges, TableRangeRequest(table)) != 0)
        return 1;
    if (PosiDataCheck3(context.positions.check()) != 0)
        return 1;
    ControllerLink& link = context.controller.link;
    link.SwitchOnlineQuietly();
    if (!link.OpenPortWithAttempts())
        return 1;
    if (LinkCheck(link) != 0) {
        link.ReleasePort();
        return 1;
    }
    if (ReadPosidataFromCt(context) != 0)
        return 1;
    CompareAndShow(context, context.text(354));
    return 0;
}

}  // namespace kvt7
