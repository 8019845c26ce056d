#pragma once

#include "base/Outcome.h"
#include "base/UndoStack.h"

#include <QList>
#include <QString>
#include <array>

namespace kvt7 {

class MessageCatalogue;

constexpr int kGroupCount = 99;
constexpr int kLastPositionNumber = 999;

// A contiguous range of position numbers.
struct GroupRange {
    int start = 1;
    int end = 1;
    bool operator==(const GroupRange&) const = default;
};

// Groups 0..99 by number; group 0 exists because a file may name it, but is never shown,
// sent or saved.
using GroupRanges = std::array<GroupRange, kGroupCount + 1>;

// The table the group window edits.
struct GroupTable {
    GroupRanges groups{};
    std::array<int, kGroupCount + 1> invalid{};  // 1: start or end outside 1..999
    bool hasInvalidGroup = false; // the last check found an invalid group

    GroupRange& group(int g) { return groups.at(std::size_t(g)); }
    const GroupRange& group(int g) const { return groups.at(std::size_t(g)); }
    // Every group 1..1, nothing invalid: the window's first state.
    void Reset();
};

// What a read from the controller or a file brought.
struct GroupReadBuffer {
    GroupRanges groups{};

    GroupRange& group(int g) { return groups.at(std::size_t(g)); }
    const GroupRange& group(int g) const { return groups.at(std::size_t(g)); }
};

// The group data the program keeps between openings of the window.
struct GroupData {
    GroupTable table;
    GroupReadBuffer readBuffer;
    QString lastFileName;  // the file last read, for the listing
    // The steps of the table's edits, reads and opens.
    std::unique_ptr<UndoStack> undo = std::make_unique<UndoStack>();
};

// What a step of the group data keeps and gives back.
inline GroupRanges& StepData(GroupData& data)
{
    return data.table.groups;
}

// The check over groups 1..99: sets `invalid` of a group whose start or end is outside
// 1..999 (start > end fails the check but leaves invalid at 0) and hasInvalidGroup.
// Done when valid, Failed otherwise.
Outcome GroupCheck(GroupTable& table);
// Groups 1..99 that fail the check, in order.
QList<int> FaultyGroups(const GroupTable& table);

// Groups 1..99 of the buffer into the table.
void CopyReadBufferToTable(const GroupReadBuffer& buffer, GroupTable& table);
// Groups 1..99 of the table into the buffer (the listing prints from the buffer).
void CopyTableToReadBuffer(const GroupTable& table, GroupReadBuffer& buffer);
// Groups whose start or end differ, as " 3, 17,"; empty when they agree.
QString GroupDifferenceList(const GroupTable& table, const GroupReadBuffer& buffer);

// The messages of the group window, joined as their boxes show them.
QString GroupWriteCheckMessage(const MessageCatalogue& messages);  // 820, 836, 837, 838
QString GroupCheckMessage(const MessageCatalogue& messages);       // 820, 821
// 823, 824, 825 and the list, or 826 when the list is empty.
QString GroupVerifyMessage(const MessageCatalogue& messages, const QString& differences);

}  // namespace kvt7
