#pragma once

#include "base/Outcome.h"
#include "parameters/ParameterSet.h"

#include <QByteArray>
#include <QString>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

enum class ParameterFileRead {
    Ok,
    Failed,            // unreadable or damaged; worth another try
    NotParameterFile,  // the header is not "KV-M8","PRM"; already reported (22/20)
};

// The file's text: 34 lines of the parameter layout, every row for all four axes; "Actuator"
// rebuilt from the actuator items; an empty value written as 0.
QString ParameterFileText(const EditorValues& values);
// Failed on any failure (the previous file stays as it was).
Outcome WriteParameterFile(const EditorValues& values, const QString& path);

// Parses a parameter file into `record` (item 0 of axis 1 = fileName). `record` is left
// alone unless the result is Ok. Nothing is shown.
ParameterFileRead ParseParameterFile(const QByteArray& bytes, const QString& fileName,
                                     ParameterRecord& record);

// Reads a file into the set's parameter record; the record changes only when the whole file
// was good. A file that is not a parameter file is reported with messages 22 and 20.
ParameterFileRead ReadParameterFile(ParameterSet& set, const QString& path, Dialogs& dialogs,
                                    const MessageCatalogue& messages);

}  // namespace kvt7
