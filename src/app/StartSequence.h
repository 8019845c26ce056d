#pragma once

#include <QString>

namespace kvt7 {

struct AxisSettings;
struct Program;
class FrameWindows;
class ProgramSteps;

inline const QString kHelpFileName = QStringLiteral("kvt7hlp.chm");
// The user guide, under the folder of the data files (a build folder or the installed share).
inline const QString kGuideFileName = QStringLiteral("guide/guide.html");
inline const QString kJapaneseGuideFileName = QStringLiteral("guide/guide-ja.html");

// What a file given on the command line holds, by its extension. Anything that is not a
// parameter, group or S/M file is opened as positions, as File > Open would try it.
enum class DataFileKind { Positions, Parameters, Groups, Sm };
DataFileKind KindOfDataFile(const QString& path);

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
