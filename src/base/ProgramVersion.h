#pragma once

#include <QString>

namespace kvt7 {

class MessageCatalogue;

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 5;
constexpr int kVersionRevision = 0;

// "1.50": the minor version and the revision are written side by side.
QString VersionNumberText();
// "Version 1.50" (splash and version windows).
QString VersionLabelText();
// Message 201 followed by " Ver1.50" (main window caption).
QString MainWindowCaption(const MessageCatalogue& messages);

}  // namespace kvt7
