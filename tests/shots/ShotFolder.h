#pragma once

#include "support/RenderFolder.h"

namespace kvt7::test {

// Shows the window, waits until it is drawn and saves it as NAME.png in the folder that
// KVT7_RENDER_DIR names (scripts/screenshots sets it).
inline void SaveShot(QWidget& window, const QString& name)
{
    const QString folder = RenderFolder();
    ASSERT_FALSE(folder.isEmpty()) << "KVT7_RENDER_DIR names the folder for the pictures";
    SaveWindowPicture(window, folder, name);
}

}  // namespace kvt7::test
