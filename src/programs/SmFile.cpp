#include "programs/ProgramDataFiles.h"

namespace kvt7 {

namespace {

constexpr int kValuesPerStep = 2;

// One program: its number, then a command and a data value for each step.
bool ReadProgram(FieldReader& reader, SmReadBuffer& buffer)
{
    const auto n = NextNumberIn(reader, 1, kSmProgramCount);
    if (!n)
        return false;
    for (int s = 1; s <= kSmStepCount; ++s) {
        const auto command = NextWhole16(reader);
        const auto data = NextWhole16(reader);
        if (!command || !data)
            return false;
        buffer.program(*n).step(s) = {*command, *data};
    }
    return true;
}

}  // namespace

SmFileContent ParseSmFile(const QByteArray& bytes)
{
    // Line 2: steps, values per step and how many programs follow (only the last is used).
    return ParseRecords<SmReadBuffer>(bytes, {QStringLiteral("KV-M8")}, QStringLiteral("SM"), 3, 2, ReadProgram);
}

SmFileContent ReadSmFile(const QString& path)
{
    return ReadProgramFile(path, ParseSmFile);
}

FieldWriter SmFileWriter(const SmTable& table)
{
    FieldWriter writer;
    writer.text(QStringLiteral("KV-M8")).text(QStringLiteral("SM")).endLine();
    writer.number(kSmStepCount).number(kValuesPerStep).number(kSmProgramCount).endLine();
    for (int n = 1; n <= kSmProgramCount; ++n) {
        writer.text(QString::number(n)).endLine();
        for (int s = 1; s <= kSmStepCount; ++s) {
            const SmStep& step = table.program(n).step(s);
            writer.number(step.command).number(step.data).endLine();
        }
    }
    return writer;
}

bool WriteSmFile(const QString& path, const SmTable& table)
{
    return WriteFieldFile(path, SmFileWriter(table));
}

}  // namespace kvt7
