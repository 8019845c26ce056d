#include "JsonFacts.h"

#include "CliContext.h"
#include "platform/FolderFiles.h"


namespace kvt7 {

QJsonObject JsonFileFacts(const QString& path)
{
    QJsonObject facts{{QStringLiteral("file"), path}};
    if (const std::optional<FileFacts> read = ReadFileFacts(path)) {
        facts.insert(QStringLiteral("bytes"), read->size);
        facts.insert(QStringLiteral("sha256"), QString::fromLatin1(read->sha256));
    }
    return facts;
}

void SetTransferResult(CliContext& cli, const QString& kind, int count, const QString& path)
{
    QJsonObject result = JsonFileFacts(path);
    result.insert(QStringLiteral("kind"), kind);
    result.insert(QStringLiteral("count"), count);
    result.insert(QStringLiteral("seconds"), cli.elapsedSeconds());
    cli.result() = result;
}

}  // namespace kvt7
