#include "ProgramFileOperations.h"

#include "base/MessageCatalogue.h"
#include "programs/GroupFile.h"
#include "programs/ProgramContext.h"
#include "programs/SmFile.h"

namespace kvt7 {

namespace {

constexpr int kFileTries = 6;
constexpr int kFileRetryWaitMs = 100;

// Reads with retries; a file of another kind is not tried again.
template <typename Content, typename Reader>
Content ReadWithRetries(const Reader& read)
{
    Content content;
    RetryFileOperation(
        [&] {
            content = read();
            return content.outcome != ProgramFileRead::Failed;
        },
        kFileTries, kFileRetryWaitMs);
    return content;
}

std::optional<GroupReadBuffer> ReadGroups(ProgramFiles files, GroupData& data, const QString& path)
{
    const auto content = ReadWithRetries<GroupFileContent>([&] { return ReadGroupFile(path); });
    if (content.outcome == ProgramFileRead::WrongKind) {
        files.dialogs.message(files.messages.Text(19) + QStringLiteral("\r\n") + files.messages.Text(20));
        return std::nullopt;
    }
    if (content.outcome != ProgramFileRead::Ok) {
        files.dialogs.message(files.messages.Text(484));
        return std::nullopt;
    }
    data.lastFileName = path;
    return content.buffer;
}

std::optional<SmReadBuffer> ReadPrograms(ProgramFiles files, SmData& data, const QString& path)
{
    std::optional<BusyCursor> hourglass(files.dialogs);
    const auto content = ReadWithRetries<SmFileContent>([&] { return ReadSmFile(path); });
    hourglass.reset();
    if (content.outcome != ProgramFileRead::Ok) {
        files.dialogs.message(files.messages.Text(931));
        return std::nullopt;
    }
    data.lastFileName = path;
    return content.buffer;
}

bool GroupsValid(ProgramFiles files, GroupData& data)
{
    if (GroupCheck(data.table) == 0)
        return true;
    files.dialogs.message(GroupCheckMessage(files.messages));
    return false;
}

bool ProgramsValid(ProgramFiles files, SmData& data)
{
    if (SmDataCheck(data) == 0)
        return true;
    files.dialogs.message(SmCheckMessage(files.messages, data.NGSMNo));
    return false;
}

ProgramVerify Result(ProgramFiles files, const QString& differences, const QString& message)
{
    files.dialogs.message(message);
    return differences.isEmpty() ? ProgramVerify::Same : ProgramVerify::Different;
}

FileRequest Request(const MessageCatalogue& messages, int titleId, int filterId, const QString& extension)
{
    FileRequest request;
    request.title = messages.Text(titleId);
    request.filter = messages.Text(filterId);
    request.defaultExtension = extension;
    return request;
}

}  // namespace

FileRequest GroupOpenRequest(const MessageCatalogue& messages, int titleId)
{
    return Request(messages, titleId, titleId == 827 ? 828 : 831, QStringLiteral("grp"));
}

FileRequest GroupSaveRequest(const MessageCatalogue& messages)
{
    FileRequest request = Request(messages, 832, 831, QStringLiteral("grp"));
    request.defaultName = messages.Text(833);
    return request;
}

FileRequest SmOpenRequest(const MessageCatalogue& messages, int titleId)
{
    return Request(messages, titleId, 930, messages.Text(929));
}

FileRequest SmSaveRequest(const MessageCatalogue& messages)
{
    FileRequest request = Request(messages, 933, 930, messages.Text(929));
    request.defaultName = messages.Text(934);
    return request;
}

int OpenGroupFileAt(ProgramFiles files, GroupData& data, const QString& path)
{
    const auto read = ReadGroups(files, data, path);
    if (!read)
        return 1;
    data.readBuffer = *read;
    CopyReadBufferToTable(data.readBuffer, data.table);
    return 0;
}

int OpenGroupFile(ProgramFiles files, GroupData& data)
{
    const auto path = files.dialogs.openFileName(GroupOpenRequest(files.messages));
    if (!path || path->isEmpty())
        return 2;
    return OpenGroupFileAt(files, data, *path);
}

int SaveGroupFileAt(ProgramFiles files, GroupData& data, const QString& path)
{
    if (!GroupsValid(files, data))
        return 1;
    if (!RetryFileOperation([&] { return WriteGroupFile(path, data.table); }, kFileTries, kFileRetryWaitMs)) {
        files.dialogs.message(files.messages.Text(18));
        return 1;
    }
    return 0;
}

int SaveGroupFile(ProgramFiles files, GroupData& data)
{
    if (!GroupsValid(files, data))
        return 1;
    const auto path = files.dialogs.saveFileName(GroupSaveRequest(files.messages));
    if (!path || path->isEmpty())
        return 2;
    return SaveGroupFileAt(files, data, *path);
}

ProgramVerify VerifyGroupsWithFileAt(ProgramFiles files, GroupData& data, const QString& path)
{
    if (!GroupsValid(files, data))
        return ProgramVerify::Failed;
    const auto read = ReadGroups(files, data, path);
    if (!read)
        return ProgramVerify::Failed;
    data.readBuffer = *read;
    const QString differences = GroupDifferenceList(data.table, data.readBuffer);
    return Result(files, differences, GroupVerifyMessage(files.messages, differences));
}

ProgramVerify VerifyGroupsWithFile(ProgramFiles files, GroupData& data)
{
    if (!GroupsValid(files, data))
        return ProgramVerify::Failed;
    const auto path = files.dialogs.openFileName(GroupOpenRequest(files.messages, 834));
    if (!path || path->isEmpty())
        return ProgramVerify::Failed;
    return VerifyGroupsWithFileAt(files, data, *path);
}

int OpenSmFileAt(ProgramFiles files, SmData& data, const QString& path)
{
    const auto read = ReadPrograms(files, data, path);
    if (!read)
        return 1;
    data.readBuffer = *read;
    CopySmReadBufferToTable(data.readBuffer, data.table);
    return 0;
}

int OpenSmFile(ProgramFiles files, SmData& data)
{
    const auto path = files.dialogs.openFileName(SmOpenRequest(files.messages));
    if (!path || path->isEmpty())
        return 2;
    return OpenSmFileAt(files, data, *path);
}

int SaveSmFileAt(ProgramFiles files, SmData& data, const QString& path)
{
    if (!ProgramsValid(files, data))
        return 1;
    std::optional<BusyCursor> hourglass(files.dialogs);
    const bool written =
        RetryFileOperation([&] { return WriteSmFile(path, data.table); }, kFileTries, kFileRetryWaitMs);
    hourglass.reset();
    if (!written) {
        files.dialogs.message(files.messages.Text(935));
        return 1;
    }
    return 0;
}

int SaveSmFile(ProgramFiles files, SmData& data)
{
    if (!ProgramsValid(files, data))
        return 1;
    const auto path = files.dialogs.saveFileName(SmSaveRequest(files.messages));
    if (!path || path->isEmpty())
        return 2;
    return SaveSmFileAt(files, data, *path);
}

ProgramVerify VerifySmWithFileAt(ProgramFiles files, SmData& data, const QString& path)
{
    if (!ProgramsValid(files, data))
        return ProgramVerify::Failed;
    const auto read = ReadPrograms(files, data, path);
    if (!read)
        return ProgramVerify::Failed;
    data.readBuffer = *read;
    const QString differences = SmDifferenceList(data.table, data.readBuffer);
    return Result(files, differences, SmVerifyMessage(files.messages, differences));
}

ProgramVerify VerifySmWithFile(ProgramFiles files, SmData& data)
{
    if (!ProgramsValid(files, data))
        return ProgramVerify::Failed;
    const auto path = files.dialogs.openFileName(SmOpenRequest(files.messages, 936));
    if (!path || path->isEmpty())
        return ProgramVerify::Failed;
    return VerifySmWithFileAt(files, data, *path);
}

}  // namespace kvt7
