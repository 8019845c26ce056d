#include "ProgramVersion.h"
#include "base/MessageIds.h"

#include "MessageCatalogue.h"

namespace kvt7 {

QString VersionNumberText()
{
    return QString::number(kVersionMajor) + QLatin1Char('.') + QString::number(kVersionMinor)
        + QString::number(kVersionRevision);
}

QString VersionLabelText()
{
    return QStringLiteral("Version ") + VersionNumberText();
}

QString MainWindowCaption(const MessageCatalogue& messages)
{
    return messages.Text(Msg::KVT7) + QStringLiteral(" Ver") + VersionNumberText();
}

}  // namespace kvt7
