#include "programs/ProgramDataFiles.h"

namespace kvt7 {

namespace {

constexpr int kFieldsPerGroup = 3;

// One group: its number (0..99), start and end.
bool ReadGroup(FieldReader& reader, GroupReadBuffer& buffer)
{
    const auto g = NextNumberIn(reader, 0, kGroupCount);
    const auto start = NextWhole16(reader);
    const auto end = NextWhole16(reader);
    if (!g || !start || !end)
        return false;
    buffer.group(*g) = {*start, *end};
    return true;
}

}  // namespace

GroupFileContent ParseGroupFile(const QByteArray& bytes)
{
    // Line 2: how many groups follow, then a number that is ignored.
    return ParseRecords<GroupReadBuffer>(bytes, {QStringLiteral("KV-M8"), QStringLiteral("KV-M6")},
                                         QStringLiteral("GRP"), 2, 0, ReadGroup);
}

GroupFileContent ReadGroupFile(const QString& path)
{
    return ReadProgramFile(path, ParseGroupFile);
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
