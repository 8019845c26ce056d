#include "JsonFacts.h"

#include "CliContext.h"

#include <QCryptographicHash>
#include <QFile>

namespace kvt7 {

QJsonObject FileFacts(const QString& path)
{
    QJsonObject facts{{QStringLiteral("file"), path}};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return facts;
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file))
        return facts;
    facts.insert(QStringLiteral("bytes"), file.size());
    facts.insert(QStringLiteral("sha256"), QString::fromLatin1(hash.result().toHex()));
    return facts;
}

void SetTransferResult(CliContext& cli, const QString& kind, int count, const QString& path)
{
    QJsonObject result = FileFacts(path);
    result.insert(QStringLiteral("kind"), kind);
    result.insert(QStringLiteral("count"), count);
    result.insert(QStringLiteral("seconds"), cli.elapsedSeconds());
    cli.result() = result;
}

}  // namespace kvt7
