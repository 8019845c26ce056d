#pragma once

#include "platform/Clipboard.h"

namespace kvt7::test {

using kvt7::MemoryClipboard;

}  // namespace kvt7::test
