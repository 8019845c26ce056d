#include "MainWindowSize.h"

#include "base/MessageCatalogue.h"

namespace kvt7 {

MainWindowSize MainWindowSizeFor(int screenWidthPixels)
{
    if (screenWidthPixels > 800)
        return {15360, 10755, false, false, false};
    return {12400, 8250, true, true, true};
}

QString LowResolutionWarning(const MessageCatalogue& messages)
{
    return messages.Text(435) + QStringLiteral("\r\n") + messages.Text(436);
}

}  // namespace kvt7
