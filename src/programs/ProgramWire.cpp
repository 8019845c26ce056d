#include "ProgramWire.h"

#include "link/HexField.h"

namespace kvt7 {

namespace {

// A whole field of hex digits; nullopt when any character is not one.
std::optional<int> HexAt(const QString& text, int from, int width)
{
    if (from + width > text.size())
        return std::nullopt;
    int value = 0;
    for (int i = from; i < from + width; ++i) {
        const char16_t c = text.at(i).unicode();
        int digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else if (c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else
            return std::nullopt;
        value = value * 16 + digit;
    }
    return value;
}

bool Echoes(const QString& reply, const QString& command, const QString& number)
{
    return reply.startsWith(command + number);
}

}  // namespace

QString GroupNumberField(int g)
{
    return HexField(g, 2);
}

QString GroupWriteData(int g, const GroupRange& range)
{
    return HexField(g, 2) + HexField(range.start, 3) + HexField(range.end, 3);
}

std::optional<GroupRange> ParseGroupReply(const QString& reply, int g)
{
    if (!Echoes(reply, QStringLiteral("0RG"), GroupNumberField(g)))
        return std::nullopt;
    const auto start = HexAt(reply, 5, 3);
    const auto end = HexAt(reply, 8, 3);
    if (!start || !end)
        return std::nullopt;
    return GroupRange{*start, *end};
}

QString SmNumberField(int n)
{
    return HexField(n, 2);
}

QString SmWriteData(int n, const SmProgram& program)
{
    QString data = SmNumberField(n);
    for (const SmStep& step : program.steps)
        data += HexField(step.command, 1) + HexField(step.data, 1);
    return data;
}

std::optional<SmProgram> ParseSmReply(const QString& reply, int n)
{
    if (!Echoes(reply, QStringLiteral("0RS"), SmNumberField(n)))
        return std::nullopt;
    SmProgram program;
    for (int s = 1; s <= kSmStepCount; ++s) {
        const int at = 3 + 2 * s;  // command at character 4 + 2s counting from 1
        const auto command = HexAt(reply, at, 1);
        const auto data = HexAt(reply, at + 1, 1);
        if (!command || !data)
            return std::nullopt;
        program.step(s) = {*command, *command == 0 ? 0 : *data};
    }
    return program;
}

}  // namespace kvt7
