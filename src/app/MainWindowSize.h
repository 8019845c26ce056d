#pragma once

#include <QString>

namespace kvt7 {

class MessageCatalogue;

// The main window's size in twips for a screen of the given width in pixels.
struct MainWindowSize {
    int widthTwips = 0;
    int heightTwips = 0;
    bool maximized = false;
    bool fixedBorder = false;
    bool lowResolution = false;  // the operator is warned that the screen is too small
};

constexpr int kMainWindowMinHeightTwips = 5600;
constexpr int kMainWindowMinWidthTwips = 12400;

MainWindowSize MainWindowSizeFor(int screenWidthPixels);

// Messages 435 and 436.
QString LowResolutionWarning(const MessageCatalogue& messages);

}  // namespace kvt7
