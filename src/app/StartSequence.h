#pragma once

#include <QString>

namespace kvt7 {

struct AxisSettings;
struct Program;
class FrameWindows;
class ProgramSteps;

inline const QString kHelpFileName = QStringLiteral("kvt7hlp.chm");

// A file beside the program: the folder, a "/" unless it already ends with one, the name.
QString ProgramFilePath(const QString& folder, const QString& fileName);

// Every axis without a chosen actuator, named "KV", in all three copies.
void GiveAxesStartValues(AxisSettings& axes);

// Reads the start settings in their order and fixes the language of the texts.
void ReadStartSettings(Program& program);

// The start: splash, settings, main window, the Online/Offline question, then the online or
// the offline start. It always ends with the main window waiting for the operator.
void RunStartSequence(Program& program, FrameWindows& windows, ProgramSteps& steps);

}  // namespace kvt7
