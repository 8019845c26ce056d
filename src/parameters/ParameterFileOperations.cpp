#include "ParameterFileOperations.h"
#include "base/MessageIds.h"

#include "actuators/ModelDesignation.h"
#include "base/MessageCatalogue.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ActuatorText.h"
#include "parameters/ParameterChecks.h"
#include "parameters/RecordApply.h"
#include "platform/FieldFile.h"

namespace kvt7 {

namespace {

constexpr int kFileTries = 6;
constexpr int kFileRetryWaitMs = 100;
const QString kParameterExtension = QStringLiteral("pmt");

// A file saved or opened goes on top of the recent files.
Outcome NotedWhenDone(Outcome outcome, const QString& path, Dialogs& dialogs)
{
    if (outcome == Outcome::Done)
        dialogs.fileUsed(path);
    return outcome;
}

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

Outcome CheckParametersForSave(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages,
                               const TakeControlsStep& takeControls)
{
    // The controls are taken first: emptiness is a property of the values they hold. The
    // "Actuator" text follows the actuator items, whose own emptiness is what counts.
    if (takeControls)
        takeControls();
    RebuildActuatorTexts(set.editor);
    if (CheckEmptyFields(set.editor)) {
        ShowEmptyFieldsMessage(dialogs, messages);
        return Outcome::Failed;
    }
    if (CheckParameterValues(set.editor) != Outcome::Done) {
        ShowInvalidValueMessage(dialogs, messages);
        return Outcome::Failed;
    }
    return Outcome::Done;
}

Outcome WriteParameterFileWithRetries(ParameterSet& set, const QString& path, Dialogs& dialogs,
                                      const MessageCatalogue& messages)
{
    const bool written = RetryFileOperation(
        [&] { return WriteParameterFile(set.editor, path) == Outcome::Done; }, kFileTries, kFileRetryWaitMs);
    if (!written) {
        dialogs.message(messages.Text(Msg::FailSaveParametersFile), Buttons::Ok, Icon::Critical);
        return Outcome::Failed;
    }
    set.currentFile = path;
    dialogs.message(messages.Text(Msg::CompletedSaveParametersFile), Buttons::Ok,
                    Icon::Information);
    return Outcome::Done;
}

Outcome SaveParameterFile(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages,
                          const TakeControlsStep& takeControls)
{
    if (CheckParametersForSave(set, dialogs, messages, takeControls) != Outcome::Done)
        return Outcome::Failed;
    const auto path = dialogs.saveFileName(ParameterSaveRequest(messages));
    if (!path || path->isEmpty())
        return Outcome::Cancelled;
    return NotedWhenDone(WriteParameterFileWithRetries(set, *path, dialogs, messages), *path, dialogs);
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

Outcome OpenParameterFileAt(ParameterSet& set, const QString& path, Dialogs& dialogs,
                            const MessageCatalogue& messages)
{
    const ParameterFileRead result = ReadParameterFileWithRetries(set, path, dialogs, messages);
    if (result == ParameterFileRead::Failed)
        dialogs.message(messages.Text(Msg::FailOpenParameterFile), Buttons::Ok, Icon::Critical);
    if (result != ParameterFileRead::Ok)
        return Outcome::Failed;
    ApplyRecordToEditorValues(set, RecordSource::File);
    set.currentFile = path;
    return Outcome::Done;
}

Outcome OpenParameterFile(ParameterSet& set, Dialogs& dialogs, const MessageCatalogue& messages)
{
    const auto path = dialogs.openFileName(ParameterOpenRequest(messages));
    if (!path || path->isEmpty())
        return Outcome::Cancelled;
    return NotedWhenDone(OpenParameterFileAt(set, *path, dialogs, messages), *path, dialogs);
}

std::optional<std::array<QString, 4>> ParameterFileModelLabels(const QString& path, Dialogs& dialogs,
                                                               const MessageCatalogue& messages,
                                                               const CatalogueFile& catalogue)
{
    ParameterSet set;
    AxisSettings axes;
    if (OpenParameterFileAt(set, path, dialogs, messages) != Outcome::Done
        || !TakeAxisSettingsFromParameterSet(set, axes))
        return std::nullopt;
    std::array<QString, 4> labels;
    for (int axis = 1; axis <= 4; ++axis) {
        if (axes.Pc(axis).InUse)
            labels[std::size_t(axis - 1)] = ModelLabel(axes.Pc(axis), catalogue);
    }
    return labels;
}

}  // namespace kvt7
