#include "BlockExchange.h"

#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

constexpr int kBlockReplyLength = 38;
constexpr int kWriteReplyLength = 6;
constexpr int kBlockTimeoutMs = 1000;
constexpr int kCommitTimeoutMs = 2000;
const QString kRead = QStringLiteral("0RD");
const QString kWrite = QStringLiteral("0WD");
const QString kCommit = QStringLiteral("0WE");
const QString kCommitParameters = QStringLiteral("2");

BlockWrite Exchange(ControllerLink& link, const QString& command, const QString& data,
                    int timeoutMs, const QString& echo)
{
    Outcome result;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(timeoutMs);
        result = link.SendCommandWithRetry(command, data, kWriteReplyLength);
    }
    if (result != Outcome::Done)
        return BlockWrite::Failed;
    if (!link.LastReply().startsWith(echo)) {
        link.MarkCommFailed();
        ShowTransmitDataError(link);
        link.ReleasePort();
        return BlockWrite::WrongEcho;
    }
    return BlockWrite::Done;
}

}  // namespace

void GoOnlineQuietly(ControllerLink& link)
{
    link.SwitchOnlineQuietly();
}

bool OpenPortAndCheckLink(ControllerLink& link)
{
    return link.OpenPortWithAttempts() && LinkCheck(link) == Outcome::Done;
}

std::optional<BlockItems> ReadParameterBlock(ControllerLink& link, int block, bool quiet)
{
    Outcome result;
    {
        LinkBusyScope busy(link);
        link.setReplyTimeoutMs(kBlockTimeoutMs);
        result = quiet ? link.SendCommandQuiet(kRead, BlockId(block), kBlockReplyLength)
                       : link.SendCommandWithRetry(kRead, BlockId(block), kBlockReplyLength);
    }
    if (result != Outcome::Done)
        return std::nullopt;
    const auto items = ParseBlockReply(link.LastReply(), block);
    if (!items && !quiet)
        ShowTransmitDataError(link);
    return items;
}

BlockWrite WriteParameterBlock(ControllerLink& link, int block, const QString& hexItems)
{
    const QString id = BlockId(block);
    return Exchange(link, kWrite, id + hexItems, kBlockTimeoutMs, kWrite + id);
}

BlockWrite CommitParameterBlocks(ControllerLink& link)
{
    return Exchange(link, kCommit, kCommitParameters, kCommitTimeoutMs,
                    kCommit + kCommitParameters);
}

void ShowTransmitDataError(ControllerLink& link)
{
    link.ReportUnusableReply();
}

}  // namespace kvt7
