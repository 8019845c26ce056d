#include "ProgramFileOperations.h"

#include "base/MessageCatalogue.h"
#include "base/MessageIds.h"
#include "link/OperationJournal.h"
#include "programs/ProgramContext.h"

#include <type_traits>

namespace kvt7 {

namespace {

constexpr int kFileTries = 6;
constexpr int kFileRetryWaitMs = 100;

// The hourglass until it is reset, where the kind shows one.
class Hourglass {
public:
    Hourglass(const ProgramFileTexts& texts, Dialogs& dialogs)
    {
        if (texts.hourglass)
            cursor_.emplace(dialogs);
    }
    void reset() { cursor_.reset(); }

private:
    std::optional<BusyCursor> cursor_;
};

// Reads with retries (a file of another kind is not tried again) into the read buffer and
// remembers the file; false when it could not be read (shown).
template <typename Data>
bool ReadIntoBuffer(ProgramFiles files, Data& data, const QString& path)
{
    const auto& kind = FileKindOf(data);
    decltype(kind.read(path)) content;
    Hourglass hourglass(kind.texts, files.dialogs);
    RetryFileOperation(
        [&] {
            content = kind.read(path);
            return content.outcome != ProgramFileRead::Failed;
        },
        kFileTries, kFileRetryWaitMs);
    hourglass.reset();
    if (content.outcome != ProgramFileRead::Ok) {
        files.dialogs.message(kind.texts.readFault(files.messages, content.outcome));
        return false;
    }
    data.lastFileName = path;
    data.readBuffer = content.buffer;
    return true;
}

template <typename Data>
bool Valid(ProgramFiles files, Data& data)
{
    return PassesCheck(files.dialogs, files.messages, data);
}

// The file the operator picks in the kind's dialog; nullopt when it was cancelled.
template <typename Data>
std::optional<QString> PickedFile(ProgramFiles files, const Data& data, FileDialogIds ProgramFileTexts::*dialog)
{
    const ProgramFileTexts& texts = FileKindOf(data).texts;
    const FileRequest request = texts.request(files.messages, texts.*dialog);
    const std::optional<QString> path = dialog == &ProgramFileTexts::save ? files.dialogs.saveFileName(request)
                                                                          : files.dialogs.openFileName(request);
    if (!path || path->isEmpty())
        return std::nullopt;
    return path;
}

// The journal's name of a verification against a file.
template <typename Data> QString FileVerifyName(const Data&)
{
    return std::is_same_v<Data, SmData> ? QStringLiteral("S/M verify file")
                                        : QStringLiteral("groups verify file");
}

}  // namespace

template <typename Data>
Outcome OpenProgramFileAt(ProgramFiles files, Data& data, const QString& path)
{
    if (!ReadIntoBuffer(files, data, path))
        return Outcome::Failed;
    RecordValueStep(*data.undo, files.messages.Text(Msg::FileOpenStep), StepData(data),
                    [&data] { FileKindOf(data).copyRead(data.readBuffer, data.table); });
    files.dialogs.fileUsed(path);
    return Outcome::Done;
}

template <typename Data>
Outcome OpenProgramFile(ProgramFiles files, Data& data)
{
    const auto path = PickedFile(files, data, &ProgramFileTexts::open);
    return path ? OpenProgramFileAt(files, data, *path) : Outcome::Cancelled;
}

template <typename Data>
Outcome SaveProgramFileAt(ProgramFiles files, Data& data, const QString& path)
{
    if (!Valid(files, data))
        return Outcome::Failed;
    const auto& kind = FileKindOf(data);
    Hourglass hourglass(kind.texts, files.dialogs);
    const bool written =
        RetryFileOperation([&] { return kind.write(path, data.table); }, kFileTries, kFileRetryWaitMs);
    hourglass.reset();
    if (!written) {
        files.dialogs.message(files.messages.Text(kind.texts.writeFailed));
        return Outcome::Failed;
    }
    files.dialogs.fileUsed(path);
    return Outcome::Done;
}

template <typename Data>
Outcome SaveProgramFile(ProgramFiles files, Data& data)
{
    if (!Valid(files, data))
        return Outcome::Failed;
    const auto path = PickedFile(files, data, &ProgramFileTexts::save);
    return path ? SaveProgramFileAt(files, data, *path) : Outcome::Cancelled;
}

template <typename Data>
ProgramVerify VerifyWithFileAt(ProgramFiles files, Data& data, const QString& path)
{
    JournalRecord record(files.journal, FileVerifyName(data), path);
    if (!Valid(files, data) || !ReadIntoBuffer(files, data, path))
        return ProgramVerify::Failed;
    const ProgramVerify verdict = ShowComparison(files.dialogs, files.messages, data);
    record.finish(verdict == ProgramVerify::Same);
    return verdict;
}

template <typename Data>
ProgramVerify VerifyWithFile(ProgramFiles files, Data& data)
{
    JournalRecord record(files.journal, FileVerifyName(data));
    if (!Valid(files, data))
        return ProgramVerify::Failed;
    const auto path = PickedFile(files, data, &ProgramFileTexts::verify);
    if (!path)
        return ProgramVerify::Failed;
    record.setFile(*path);
    const ProgramVerify verdict = VerifyWithFileAt(files, data, *path);
    record.finish(verdict == ProgramVerify::Same);
    return verdict;
}

// The operations exist for the two kinds.
#define KVT7_PROGRAM_FILE_OPERATIONS(Data)                                          \
    template Outcome OpenProgramFileAt(ProgramFiles, Data&, const QString&);        \
    template Outcome OpenProgramFile(ProgramFiles, Data&);                          \
    template Outcome SaveProgramFileAt(ProgramFiles, Data&, const QString&);        \
    template Outcome SaveProgramFile(ProgramFiles, Data&);                          \
    template ProgramVerify VerifyWithFileAt(ProgramFiles, Data&, const QString&);   \
    template ProgramVerify VerifyWithFile(ProgramFiles, Data&);

KVT7_PROGRAM_FILE_OPERATIONS(GroupData)
KVT7_PROGRAM_FILE_OPERATIONS(SmData)

#undef KVT7_PROGRAM_FILE_OPERATIONS

}  // namespace kvt7
