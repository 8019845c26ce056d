#include "GroupTransfer.h"
#include "base/MessageIds.h"

#include "link/OperationJournal.h"
#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramWire.h"

namespace kvt7 {

namespace {

constexpr int kReadReplyLength = 13;
const QString kGroupsWrite = QStringLiteral("groups write");

}  // namespace

int ReadAllGroups(ProgramContext& context, GroupReadBuffer& buffer)
{
    const RecordRead read{QStringLiteral("0RG"), kGroupCount, GroupNumberField, kReadReplyLength, 0, true, false};
    return ReadRecordsInto(context, read, buffer, ParseGroupReply,
                           [](GroupReadBuffer& groups, int g) -> GroupRange& { return groups.group(g); });
}

int WriteAllGroups(ProgramContext& context, const GroupTable& table)
{
    return WriteRecordsAndStore(context, QStringLiteral("0WG"), kGroupCount,
                                [&table](int g) { return GroupWriteData(g, table.group(g)); }, QStringLiteral("3"));
}

int ReadGroupsFromController(ProgramContext& context, GroupData& data)
{
    if (context.dialogs.message(context.text(Msg::ReadGroupDataControllerOK), Buttons::OkCancel,
                                Icon::Question)
        != Answer::Ok)
        return 1;
    const int read = ReadAllGroups(context, data.readBuffer);
    if (read == 2)
        context.dialogs.message(context.text(Msg::ReadingDataStopped));
    if (read != 0)
        return 1;
    RecordValueStep(*data.undo, context.text(Msg::ReadStep), StepData(data),
                    [&data] { CopyReadBufferToTable(data.readBuffer, data.table); });
    return 0;
}

int WriteGroupsToController(ProgramContext& context, GroupData& data)
{
    JournalRecord record(context.journal, kGroupsWrite, data.lastFileName);
    if (GroupCheck(data.table) != 0) {
        context.dialogs.message(GroupWriteCheckMessage(context.messages));
        return 1;
    }
    if (context.dialogs.message(context.text(Msg::GroupDataTransmittedControllerYes),
                                Buttons::YesNo, Icon::Question)
        != Answer::Yes)
        return 1;
    const WriteEnd end = RunInWriteMode(
            context, [&] { return WriteAllGroups(context, data.table); }, kGroupsWrite,
            data.lastFileName);
    record.finish(end == WriteEnd::Stored);
    return end == WriteEnd::Failed ? 1 : 0;
}

ProgramVerify VerifyGroupsWithController(ProgramContext& context, GroupData& data)
{
    JournalRecord record(context.journal, QStringLiteral("groups verify"), data.lastFileName);
    if (!PassesCheck(context.dialogs, context.messages, data))
        return ProgramVerify::Failed;
    const int read = ReadAllGroups(context, data.readBuffer);
    if (read == 2)
        context.dialogs.message(context.text(Msg::ReadingDataStopped));
    if (read != 0)
        return ProgramVerify::Failed;
    const ProgramVerify verdict = ShowComparison(context.dialogs, context.messages, data);
    record.finish(verdict == ProgramVerify::Same);
    return verdict;
}

}  // namespace kvt7
