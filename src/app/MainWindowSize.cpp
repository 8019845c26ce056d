#include "MainWindowSize.h"
#include "base/MessageIds.h"

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
    return messages.Text(Msg::SinceResolutionScreenLowErrorMayOccur) + QStringLiteral("\r\n")
            + messages.Text(Msg::UseResolutionScreenMoreX768);
}

}  // namespace kvt7
