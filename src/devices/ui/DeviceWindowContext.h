#pragma once

#include "devices/DeviceWrite.h"

#include <functional>

namespace kvt7 {

class CatalogueFile;
class Dialogs;
class MessageCatalogue;

// What the offline actuator window and the calculator need.
struct DeviceWindowContext {
    const MessageCatalogue& messages;
    Dialogs& dialogs;
    const CatalogueFile& catalogue;
};

// What the online actuator window needs besides: the write's facilities.
struct OnlineDeviceWindowContext {
    DeviceWindowContext window;
    DeviceWriteContext write;
    // Detail Edit after OK's steps: asks the main window for the parameter editor.
    std::function<void()> detailEdit = {};
};

}  // namespace kvt7
