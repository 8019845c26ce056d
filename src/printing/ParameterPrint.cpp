#include "printing/ParameterPrint.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "parameters/ParameterChecks.h"
#include "parameters/RecordApply.h"
#include "platform/Dialogs.h"

#include <QFileInfo>

namespace kvt7 {

PrintJob ParameterPrintJob(const ParameterListing& listing, const MessageCatalogue& messages)
{
    return {messages.Text(Msg::Parameters), QStringLiteral("kvt7prm1.pdf"),
            [listing, &messages](PageCanvas& canvas) { LayoutParameterListing(canvas, listing, messages); }};
}

Outcome PrintShownParameters(PrintContext& context, ParameterSet& set, const TakeControlsStep& takeControls)
{
    if (takeControls)
        takeControls();
    const MessageCatalogue& m = context.messages;
    if (CheckEmptyFields(set.editor)) {
        ShowEmptyFieldsMessage(context.dialogs, m);
        return Outcome::Failed;
    }
    if (CheckParameterValues(set.editor) != Outcome::Done) {
        context.dialogs.message(m.Text(Msg::InvalidValueParametersInOnlineDevice)
                                        + QStringLiteral("\r\n")
                                        + m.Text(Msg::ConfirmValueTryAgainInOnlineDevice),
                                Buttons::Ok, Icon::Warning);
        return Outcome::Failed;
    }
    if (context.dialogs.message(m.Text(Msg::PrintingParametersIndicatedDisplay), Buttons::OkCancel,
                                Icon::Question)
        != Answer::Ok)
        return Outcome::Cancelled;
    return ShowListing(context, ParameterPrintJob(ParameterListing{set.editor, QString()}, m));
}

std::optional<ParameterListing> ReadParameterListing(Dialogs& dialogs, const MessageCatalogue& messages,
                                                     const QString& path)
{
    // The program's set and its record stay as they are: the file goes into a scratch set.
    ParameterSet scratch;
    const ParameterFileRead read = ReadParameterFileWithRetries(scratch, path, dialogs, messages);
    if (read == ParameterFileRead::NotParameterFile)
        return std::nullopt;
    if (read != ParameterFileRead::Ok) {
        dialogs.message(messages.Text(Msg::FailOpenParameterFile), Buttons::Ok, Icon::Critical);
        return std::nullopt;
    }
    ApplyRecordToEditorValues(scratch, RecordSource::File);
    return ParameterListing{scratch.editor, QFileInfo(path).fileName()};
}

Outcome PrintParameterFileAt(PrintContext& context, const QString& path)
{
    const std::optional<ParameterListing> listing = ReadParameterListing(context.dialogs, context.messages, path);
    if (!listing)
        return Outcome::Failed;
    return ShowListing(context, ParameterPrintJob(*listing, context.messages));
}

Outcome PrintParameterFile(PrintContext& context)
{
    const MessageCatalogue& m = context.messages;
    if (context.dialogs.message(m.Text(Msg::PrintingParametersSavedFile), Buttons::OkCancel,
                                Icon::Question)
        != Answer::Ok)
        return Outcome::Cancelled;
    const std::optional<QString> path
            = context.dialogs.openFileName(ParameterOpenRequest(m, Msg::OpenParameterFilePrinted));
    if (!path)
        return Outcome::Cancelled;
    return PrintParameterFileAt(context, *path);
}

ParameterPrintCommands ParameterEditorPrinting(PrintContext& context)
{
    return {[&context](ParameterSet& set) { return PrintShownParameters(context, set); },
            [&context] { return PrintParameterFile(context); }};
}

}  // namespace kvt7
