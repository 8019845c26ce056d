#pragma once

#include "support/RenderFolder.h"

namespace kvt7::test {

// Shows the window, waits until it is drawn, checks that no control cuts its text and saves
// it as NAME.png in the folder that KVT7_RENDER_DIR names (scripts/screenshots sets it; ctest
// runs the check alone).
inline void SaveShot(QWidget& window, const QString& name)
{
    SaveWindowPicture(window, RenderFolder(), name);
}

}  // namespace kvt7::test
