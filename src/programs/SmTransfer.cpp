#include "SmTransfer.h"

#include "app/OperatingMode.h"
#include "link/ControllerLink.h"
#include "platform/Dialogs.h"
#include "programs/ProgramContext.h"
#include "programs/ProgramExchange.h"
#include "programs/ProgramWire.h"

#include <vector>

namespace kvt7 {

namespace {

constexpr int kReadReplyLength = 39;
constexpr int kReadProgressMaximum = kSmProgramCount;

std::optional<SmReadBuffer> ParseReplies(const std::vector<QString>& replies)
{
    SmReadBuffer buffer;
    for (int n = 1; n <= kSmProgramCount; ++n) {
        const auto program = ParseSmReply(replies.at(std::size_t(n - 1)), n);
        if (!program)
            return std::nullopt;
        buffer.program(n) = *program;
    }
    return buffer;
}


bool CheckPassed(ProgramContext& context, SmData& data)
{
    if (SmDataCheck(data) == 0)
        return true;
    context.dialogs.message(SmCheckMessage(context.messages, data.NGSMNo));
    return false;
}

}  // namespace

int ReadAllSmPrograms(ProgramContext& context, SmReadBuffer& buffer)
{
    ControllerLink& link = context.link;
    Dialogs& dialogs = context.dialogs;
    context.mode.SwitchOnlineQuietly();
    std::vector<QString> replies;
    {
        BusyCursor hourglass(dialogs);
        dialogs.progressOpen(context.text(368), kReadProgressMaximum, false);
        for (int n = 1; n <= kSmProgramCount; ++n) {
            if (ProgramExchange(link, QStringLiteral("0RS"), SmNumberField(n), kReadReplyLength) != 0) {
                link.ReleasePort();
                dialogs.progressClose();
                return 1;
            }
            replies.push_back(link.LastReply());
            dialogs.progressSetValue(n);
        }
        dialogs.progressClose();
        link.ReleasePort();
    }
    const auto read = ParseReplies(replies);
    if (!read) {
        dialogs.message(context.lines({384, 385}));
        return 1;
    }
    buffer = *read;
    return 0;
}

int WriteAllSmPrograms(ProgramContext& context, const SmTable& table)
{
    return WriteRecordsAndStore(context, QStringLiteral("0WS"), kSmProgramCount,
                                [&table](int n) { return SmWriteData(n, table.program(n)); }, QStringLiteral("1"));
}

int ReadSmFromController(ProgramContext& context, SmData& data)
{
    if (context.dialogs.message(context.text(920), Buttons::OkCancel, Icon::Question) != Answer::Ok)
        return 1;
    if (ReadAllSmPrograms(context, data.readBuffer) != 0)
        return 1;
    CopySmReadBufferToTable(data.readBuffer, data.table);
    return 0;
}

int WriteSmToController(ProgramContext& context, SmData& data)
{
    if (!CheckPassed(context, data))
        return 1;
    if (context.dialogs.message(context.text(937), Buttons::YesNo, Icon::Question) != Answer::Yes)
        return 1;
    BusyCursor hourglass(context.dialogs);
    return RunInWriteMode(context, [&] { return WriteAllSmPrograms(context, data.table); });
}

ProgramVerify VerifySmWithController(ProgramContext& context, SmData& data)
{
    if (!CheckPassed(context, data))
        return ProgramVerify::Failed;
    if (ReadAllSmPrograms(context, data.readBuffer) != 0)
        return ProgramVerify::Failed;
    const QString differences = SmDifferenceList(data.table, data.readBuffer);
    context.dialogs.message(SmVerifyMessage(context.messages, differences));
    return differences.isEmpty() ? ProgramVerify::Same : ProgramVerify::Different;
}

}  // namespace kvt7
