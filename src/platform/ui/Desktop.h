#pragma once

#include <QString>

namespace kvt7 {

// Opens a document with the desktop's viewer; false when none could be started.
bool OpenWithDesktopViewer(const QString& path);
// Width of the primary screen in pixels.
int ScreenWidthPixels();
// Starts the first system-information tool found on this machine; false when there is none.
bool StartSystemInformationTool();
// Pixels for a length in twips (1/1440 inch, 15 twips a pixel at the usual density).
constexpr int Twips(int twips) { return twips / 15; }

}  // namespace kvt7
