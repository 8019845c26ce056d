#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

namespace kvt7 {

enum class LampColour { Green, White, Red };

// The picture of a tool-bar button, by its key ("New", "Open", ... "SqMacro").
QIcon ToolBarIcon(const QString& key);
// A round lamp of the given diameter in pixels.
QPixmap LampPixmap(LampColour colour, int size = 16);
// The program's emblem: an actuator with its carriage, for the window icon and the
// splash and version windows.
QPixmap ProgramEmblem(int size);

}  // namespace kvt7
