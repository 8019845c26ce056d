#include "ParameterFileOperations.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "parameters/ActuatorText.h"
#include "parameters/ParameterChecks.h"
#include "parameters/RecordApply.h"
#include "platform/FieldFile.h"

namespace kvt7 {

namespace {

constexpr int kFileTries = 6;
constexpr int kFileRetryWaitMs = 100;
const QString kParameterExtension = QStringLiteral("pmt");

}  // namespace

FileRequest ParameterSaveRequest(const MessageCatalogue& messages)
{
    FileRequest request;
    request.title = messages.Text(Msg::SaveParameters);
    request.filter = messages.Text(Msg::ParameterPmtPmtAllFiles);
    request.defaultExtension = kParameterExtension;
    request.defaultName = messages.Text(Msg::Kvt7prm1Pmt);
    return request;
}

FileRequest ParameterOpenRequest(const MessageCatalogue& messages, int titleId)
{
    FileRequest request;
    request.title = messages.Text(titleId);
    request.filter = messages.Text(Msg::ParameterPmtPmtAllFiles);
    request.defaultExtension = kParameterExtension;
    return request;
}

int CheckParametersForSave(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages,
                           const TakeControlsStep& takeControls)
{
    // The controls are taken first: emptiness is a property of the values they hold. The
    // "Actuator" text follows the actuator items, whose own emptiness is what counts.
    if (takeControls)
        takeControls();
    RebuildActuatorTexts(set.editor);
    if (CheckEmptyFields(set.editor)) {
        ShowEmptyFieldsMessage(dialogs, messages);
        return 1;
    }
    if (CheckParameterValues(set.editor) != 0) {
        ShowInvalidValueMessage(dialogs, messages);
        return 1;
    }
    return 0;
}

int WriteParameterFileWithRetries(ParameterSet& set, const QString& path, Dialogs& dialogs,
                                  const MessageCatalogue& messages)
{
    const bool written = RetryFileOperation(
        [&] { return WriteParameterFile(set.editor, path) == 0; }, kFileTries, kFileRetryWaitMs);
    if (!written) {
        dialogs.message(messages.Text(Msg::FailSaveParametersFile), Buttons::Ok, Icon::Critical);
        return 1;
    }
    set.currentFile = path;
    dialogs.message(messages.Text(Msg::CompletedSaveParametersFile), Buttons::Ok,
                    Icon::Information);
    return 0;
}

int SaveParameterFile(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages,
                      const TakeControlsStep& takeControls)
{
    if (CheckParametersForSave(set, dialogs, messages, takeControls) != 0)
        return 1;
    const auto path = dialogs.saveFileName(ParameterSaveRequest(messages));
    if (!path || path->isEmpty())
        return 2;
    const int written = WriteParameterFileWithRetries(set, *path, dialogs, messages);
    if (written == 0)
        dialogs.fileUsed(*path);
    return written;
}

ParameterFileRead ReadParameterFileWithRetries(ParameterSet& set, const QString& path,
                                               Dialogs& dialogs, const MessageCatalogue& messages)
{
    ParameterFileRead result = ParameterFileRead::Failed;
    RetryFileOperation(
        [&] {
            result = ReadParameterFile(set, path, dialogs, messages);
            return result != ParameterFileRead::Failed;
        },
        kFileTries, kFileRetryWaitMs);
    return result;
}

int OpenParameterFileAt(ParameterSet& set, const QString& path, Dialogs& dialogs,
                        const MessageCatalogue& messages)
{
    const ParameterFileRead result = ReadParameterFileWithRetries(set, path, dialogs, messages);
    if (result == ParameterFileRead::Failed)
        dialogs.message(messages.Text(Msg::FailOpenParameterFile), Buttons::Ok, Icon::Critical);
    if (result != ParameterFileRead::Ok)
        return 1;
    ApplyRecordToEditorValues(set, RecordSource::File);
    set.currentFile = path;
    return 0;
}

int OpenParameterFile(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages)
{
    const auto path = dialogs.openFileName(ParameterOpenRequest(messages));
    if (!path || path->isEmpty())
        return 2;
    const int opened = OpenParameterFileAt(set, *path, dialogs, messages);
    if (opened == 0)
        dialogs.fileUsed(*path);
    return opened;
}

}  // namespace kvt7
