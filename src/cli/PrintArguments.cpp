#include "PrintArguments.h"
#include "base/MessageIds.h"

#include "CliCommands.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/print/PdfOutput.h"

#include <QRegularExpression>

namespace kvt7 {

std::optional<PrintArguments> ParsePrintArguments(const QStringList& arguments, const QString& rangeOption,
                                                  int min, int max)
{
    PrintArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (!rangeOption.isEmpty() && word == rangeOption && hasValue) {
            const auto match = QRegularExpression(QStringLiteral("^(\\d{1,3})-(\\d{1,3})$")).match(arguments.at(++i));
            if (!match.hasMatch())
                return std::nullopt;
            const int first = match.captured(1).toInt();
            const int last = match.captured(2).toInt();
            if (first < min || last > max || first > last)
                return std::nullopt;
            parsed.range = std::pair{first, last};
        } else if (word == QLatin1String("-o") && hasValue) {
            parsed.output = arguments.at(++i);
        } else if (parsed.input.isEmpty() && !word.startsWith(QLatin1Char('-'))) {
            parsed.input = word;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.input.isEmpty() || parsed.output.isEmpty())
        return std::nullopt;
    return parsed;
}

int WriteListingPdf(Dialogs& dialogs, const MessageCatalogue& messages, const QString& output,
                    const PrintJob& job)
{
    if (!WritePdfFile(output, job.layout, DefaultPdfPageLayout(), job.title)) {
        dialogs.message(messages.Text(Msg::PrintingDataCanceled), Buttons::Ok, Icon::Critical);
        return kExitFileFailure;
    }
    return kExitSuccess;
}

}  // namespace kvt7
