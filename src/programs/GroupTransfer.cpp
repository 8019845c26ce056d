#include "GroupTransfer.h"
#include "base/MessageIds.h"

#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramWire.h"

namespace kvt7 {

namespace {

constexpr int kReadReplyLength = 13;

}  // namespace

Outcome ReadAllGroups(ProgramContext& context, GroupReadBuffer& buffer)
{
    const RecordRead read{QStringLiteral("0RG"), kGroupCount, GroupNumberField, kReadReplyLength, 0, true, false};
    return ReadRecordsInto(context, read, buffer, ParseGroupReply,
                           [](GroupReadBuffer& groups, int g) -> GroupRange& { return groups.group(g); });
}

Outcome WriteAllGroups(ProgramContext& context, const GroupTable& table)
{
    return WriteRecordsAndStore(context, QStringLiteral("0WG"), kGroupCount,
                                [&table](int g) { return GroupWriteData(g, table.group(g)); }, QStringLiteral("3"));
}

Outcome ReadGroupsFromController(ProgramContext& context, GroupData& data)
{
    if (context.dialogs.message(context.text(Msg::ReadGroupDataControllerOK), Buttons::OkCancel,
                                Icon::Question)
        != Answer::Ok)
        return Outcome::Failed;
    const Outcome read = ReadAllGroups(context, data.readBuffer);
    if (read == Outcome::Cancelled)
        context.dialogs.message(context.text(Msg::ReadingDataStopped));
    if (read != Outcome::Done)
        return Outcome::Failed;
    CopyReadBufferToTable(data.readBuffer, data.table);
    return Outcome::Done;
}

Outcome WriteGroupsToController(ProgramContext& context, GroupData& data)
{
    if (GroupCheck(data.table) != Outcome::Done) {
        context.dialogs.message(GroupWriteCheckMessage(context.messages));
        return Outcome::Failed;
    }
    if (context.dialogs.message(context.text(Msg::GroupDataTransmittedControllerYes),
                                Buttons::YesNo, Icon::Question)
        != Answer::Yes)
        return Outcome::Failed;
    return RunInWriteMode(context, [&] { return WriteAllGroups(context, data.table); }) == WriteEnd::Failed ? Outcome::Failed : Outcome::Done;
}

ProgramVerify VerifyGroupsWithController(ProgramContext& context, GroupData& data)
{
    if (!PassesCheck(context.dialogs, context.messages, data))
        return ProgramVerify::Failed;
    const Outcome read = ReadAllGroups(context, data.readBuffer);
    if (read == Outcome::Cancelled)
        context.dialogs.message(context.text(Msg::ReadingDataStopped));
    if (read != Outcome::Done)
        return ProgramVerify::Failed;
    return ShowComparison(context.dialogs, context.messages, data);
}

}  // namespace kvt7
