#include "GroupTable.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

namespace kvt7 {

namespace {

bool InPositionRange(int value)
{
    return value >= 1 && value <= kLastPositionNumber;
}

QString Joined(const MessageCatalogue& messages, std::initializer_list<int> ids)
{
    QStringList texts;
    for (int id : ids)
        texts << messages.Text(id);
    return texts.join(QLatin1String("\r\n"));
}

}  // namespace

void GroupTable::Reset()
{
    groups.fill(GroupRange{});
    invalid.fill(0);
    hasInvalidGroup = false;
}

int GroupCheck(GroupTable& table)
{
    bool anyFault = false;
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupRange& range = table.group(g);
        const bool outside = !InPositionRange(range.start) || !InPositionRange(range.end);
        table.invalid.at(std::size_t(g)) = outside ? 1 : 0;
        if (outside || range.start > range.end)
            anyFault = true;
    }
    table.hasInvalidGroup = anyFault;
    return anyFault ? 1 : 0;
}

QList<int> FaultyGroups(const GroupTable& table)
{
    QList<int> faulty;
    for (int g = 1; g <= kGroupCount; ++g) {
        const GroupRange& range = table.group(g);
        if (!InPositionRange(range.start) || !InPositionRange(range.end) || range.start > range.end)
            faulty << g;
    }
    return faulty;
}

void CopyReadBufferToTable(const GroupReadBuffer& buffer, GroupTable& table)
{
    for (int g = 1; g <= kGroupCount; ++g)
        table.group(g) = buffer.group(g);
}

void CopyTableToReadBuffer(const GroupTable& table, GroupReadBuffer& buffer)
{
    for (int g = 1; g <= kGroupCount; ++g)
        buffer.group(g) = table.group(g);
}

QString GroupDifferenceList(const GroupTable& table, const GroupReadBuffer& buffer)
{
    QString list;
    for (int g = 1; g <= kGroupCount; ++g) {
        if (table.group(g) != buffer.group(g))
            list += QStringLiteral(" %1,").arg(g);
    }
    return list;
}

QString GroupWriteCheckMessage(const MessageCatalogue& messages)
{
    return Joined(messages,
                  {Msg::InvalidValueGroupData, Msg::ConfirmFollowingItemAntTryAgain,
                   Msg::ValueSettingRange, Msg::IsnTValueStartPositionLargerOneEnd});
}

QString GroupCheckMessage(const MessageCatalogue& messages)
{
    return Joined(messages, {Msg::InvalidValueGroupData, Msg::ConfirmValueTryAgainInGroup});
}

QString GroupVerifyMessage(const MessageCatalogue& messages, const QString& differences)
{
    if (differences.isEmpty())
        return messages.Text(Msg::ResultVerifyOK);
    return Joined(messages, {Msg::ResultVerifyNG, Msg::UnmatchedGroupNo, Msg::GroupNo2})
            + differences;
}

}  // namespace kvt7
