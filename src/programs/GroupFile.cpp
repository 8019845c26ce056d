#include "GroupFile.h"

namespace kvt7 {

namespace {

constexpr int kFieldsPerGroup = 3;

}  // namespace

GroupFileContent ParseGroupFile(const QByteArray& bytes)
{
    GroupFileContent content;
    auto reader = FieldReader::FromBytes(bytes);
    if (!reader)
        return content;
    if (!HeaderMatches(*reader, {QStringLiteral("KV-M8"), QStringLiteral("KV-M6")}, QStringLiteral("GRP"))) {
        content.outcome = ProgramFileRead::WrongKind;
        return content;
    }
    const auto announced = NextWhole16(*reader);
    if (!announced || !NextWhole16(*reader))
        return content;
    GroupReadBuffer buffer;
    int records = 0;
    for (; !reader->atEnd(); ++records) {
        const auto g = NextWhole16(*reader);
        if (!g || *g < 0 || *g > kGroupCount)
            return content;
        const auto start = NextWhole16(*reader);
        const auto end = NextWhole16(*reader);
        if (!start || !end)
            return content;
        buffer.group(*g) = {*start, *end};
    }
    // Fewer groups than line 2 announces: a file cut short, not one that lists only some.
    if (records < *announced)
        return content;
    content.outcome = ProgramFileRead::Ok;
    content.buffer = buffer;
    return content;
}

GroupFileContent ReadGroupFile(const QString& path)
{
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return {};
    return ParseGroupFile(*bytes);
}

FieldWriter GroupFileWriter(const GroupTable& table)
{
    FieldWriter writer;
    writer.text(QStringLiteral("KV-M8")).text(QStringLiteral("GRP")).endLine();
    writer.number(kGroupCount).number(kFieldsPerGroup).endLine();
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupRange& range = table.group(g);
        writer.text(QString::number(g)).number(range.start).number(range.end).endLine();
    }
    return writer;
}

bool WriteGroupFile(const QString& path, const GroupTable& table)
{
    return WriteFieldFile(path, GroupFileWriter(table));
}

}  // namespace kvt7
