#pragma once

#include <QJsonObject>
#include <QString>

namespace kvt7 {

class CliContext;

// A file a command read or wrote, as the JSON document names it: "file" (the path as given),
// "bytes" and "sha256" (lower-case hex); only "file" when it cannot be read.
QJsonObject JsonFileFacts(const QString& path);

// What a transfer moved: "kind", "count", the file's facts and "seconds" since the command began.
void SetTransferResult(CliContext& cli, const QString& kind, int count, const QString& path);

}  // namespace kvt7
