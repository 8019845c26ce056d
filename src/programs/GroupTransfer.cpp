#include "GroupTransfer.h"

#include "app/OperatingMode.h"
#include "link/ControllerLink.h"
#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramWire.h"

#include <vector>

namespace kvt7 {

namespace {

constexpr int kReadReplyLength = 13;
constexpr int kReadProgressMaximum = kGroupCount - 1;

std::optional<GroupReadBuffer> ParseReplies(const std::vector<QString>& replies)
{
    GroupReadBuffer buffer;
    for (int g = 1; g <= kGroupCount; ++g) {
        const auto range = ParseGroupReply(replies.at(std::size_t(g - 1)), g);
        if (!range)
            return std::nullopt;
        buffer.group(g) = *range;
    }
    return buffer;
}


}  // namespace

int ReadAllGroups(ProgramContext& context, GroupReadBuffer& buffer)
{
    ControllerLink& link = context.link;
    Dialogs& dialogs = context.dialogs;
    context.mode.SwitchOnlineQuietly();
    bool cancelled = false;
    std::vector<QString> replies;
    dialogs.progressOpen(context.text(368), kReadProgressMaximum, true);
    for (int g = 1; g <= kGroupCount; ++g) {
        if (dialogs.progressCancelRequested()) {
            cancelled = true;
            break;
        }
        if (ProgramExchange(link, QStringLiteral("0RG"), GroupNumberField(g), kReadReplyLength) != 0) {
            dialogs.progressClose();
            link.ReleasePort();
            return 1;
        }
        replies.push_back(link.LastReply());
        dialogs.progressSetValue(g - 1);
    }
    dialogs.progressClose();
    link.ReleasePort();
    if (cancelled)
        return 2;
    const auto read = ParseReplies(replies);
    if (!read) {
        dialogs.message(context.lines({384, 385}));
        return 1;
    }
    buffer = *read;
    return 0;
}

int WriteAllGroups(ProgramContext& context, const GroupTable& table)
{
    return WriteRecordsAndStore(context, QStringLiteral("0WG"), kGroupCount,
                                [&table](int g) { return GroupWriteData(g, table.group(g)); }, QStringLiteral("3"));
}

int ReadGroupsFromController(ProgramContext& context, GroupData& data)
{
    if (context.dialogs.message(context.text(835), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return 1;
    const int read = ReadAllGroups(context, data.readBuffer);
    if (read == 2)
        context.dialogs.message(context.text(425));
    if (read != 0)
        return 1;
    CopyReadBufferToTable(data.readBuffer, data.table);
    return 0;
}

int WriteGroupsToController(ProgramContext& context, GroupData& data)
{
    if (GroupCheck(data.table) != 0) {
        context.dialogs.message(GroupWriteCheckMessage(context.messages));
        return 1;
    }
    if (context.dialogs.message(context.text(839), Buttons::YesNo, Icon::Question) != Answer::Yes)
        return 1;
    return RunInWriteMode(context, [&] { return WriteAllGroups(context, data.table); });
}

ProgramVerify VerifyGroupsWithController(ProgramContext& context, GroupData& data)
{
    if (GroupCheck(data.table) != 0) {
        context.dialogs.message(GroupCheckMessage(context.messages));
        return ProgramVerify::Failed;
    }
    const int read = ReadAllGroups(context, data.readBuffer);
    if (read == 2)
        context.dialogs.message(context.text(425));
    if (read != 0)
        return ProgramVerify::Failed;
    const QString differences = GroupDifferenceList(data.table, data.readBuffer);
    context.dialogs.message(GroupVerifyMessage(context.messages, differences));
    return differences.isEmpty() ? ProgramVerify::Same : ProgramVerify::Different;
}

}  // namespace kvt7
