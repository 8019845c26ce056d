#include "SmFile.h"

namespace kvt7 {

namespace {

constexpr int kValuesPerStep = 2;

}  // namespace

SmFileContent ParseSmFile(const QByteArray& bytes)
{
    SmFileContent content;
    auto reader = FieldReader::FromBytes(bytes);
    if (!reader)
        return content;
    if (!HeaderMatches(*reader, {QStringLiteral("KV-M8")}, QStringLiteral("SM"))) {
        content.outcome = ProgramFileRead::WrongKind;
        return content;
    }
    std::optional<int> announced;
    for (int i = 0; i < 3; ++i) {
        announced = NextWhole16(*reader);
        if (!announced)
            return content;
    }
    SmReadBuffer buffer;
    int records = 0;
    for (; !reader->atEnd(); ++records) {
        const auto n = NextWhole16(*reader);
        if (!n || *n < 1 || *n > kSmProgramCount)
            return content;
        for (int s = 1; s <= kSmStepCount; ++s) {
            const auto command = NextWhole16(*reader);
            const auto data = NextWhole16(*reader);
            if (!command || !data)
                return content;
            buffer.program(*n).step(s) = {*command, *data};
        }
    }
    // Fewer programs than line 2 announces (its third number): a file cut short.
    if (records < *announced)
        return content;
    content.outcome = ProgramFileRead::Ok;
    content.buffer = buffer;
    return content;
}

SmFileContent ReadSmFile(const QString& path)
{
    const auto bytes = ReadFileBytes(path);
    if (!bytes)
        return {};
    return ParseSmFile(*bytes);
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
