#pragma once

#include "base/Outcome.h"
#include "base/UndoStack.h"

#include <QList>
#include <QString>
#include <array>

namespace kvt7 {

class MessageCatalogue;

constexpr int kSmProgramCount = 20;
constexpr int kSmStepCount = 16;
constexpr int kSmEndCommand = 0;
// The controller's other form of END.
constexpr int kSmEndAlias = 15;

struct SmStep {
    int command = 0;
    int data = 0;
    bool operator==(const SmStep&) const = default;
};

// One sequence-macro program: steps 1..16.
struct SmProgram {
    std::array<SmStep, kSmStepCount> steps{};

    SmStep& step(int s) { return steps.at(std::size_t(s - 1)); }
    const SmStep& step(int s) const { return steps.at(std::size_t(s - 1)); }
    bool operator==(const SmProgram&) const = default;
};

// Programs 1..20; the S/M table and the read buffer have this shape.
struct SmTable {
    std::array<SmProgram, kSmProgramCount> programs{};

    SmProgram& program(int n) { return programs.at(std::size_t(n - 1)); }
    const SmProgram& program(int n) const { return programs.at(std::size_t(n - 1)); }
    // Every step "0. END" with data 0.
    void Reset() { programs.fill(SmProgram{}); }
    bool operator==(const SmTable&) const = default;
};
using SmReadBuffer = SmTable;

// The S/M data the program keeps between openings of the window.
struct SmData {
    SmTable table;
    SmReadBuffer readBuffer;
    bool hasInvalidData = false; // the last check found invalid data
    QString refusedPrograms; // "<3>,<7>," the programs the last check refused
    QString lastFileName;     // the file last read, for the listing
    // The steps of the programs' edits, reads and opens.
    std::unique_ptr<UndoStack> undo = std::make_unique<UndoStack>();
};

// What a step of the S/M data keeps and gives back.
inline SmTable& StepData(SmData& data)
{
    return data.table;
}

// The command list's entry of a code: "0. END" .. "6. TIMER10", "0. END" for 15; empty for
// any other code.
QString SmCommandText(int command);
// Codes that have an entry in the command list (0..6 and 15).
bool SmCommandShown(int command);

// A faulty step as the check found it.
struct SmFault {
    int program;
    int step;
    SmStep value;
};
// The check over every step: END steps (0 or 15) become 0,0 in the table; commands 1..4
// want data 1..4, 5 and 6 want 1..9, other codes are invalid. Rebuilds hasInvalidData and
// refusedPrograms. Done when valid, Failed otherwise.
Outcome SmDataCheck(SmData& data);
// The faulty steps of a table, without changing it.
QList<SmFault> SmFaults(const SmTable& table);

// Programs 1..20 of the buffer into the table; the data of an END step becomes 0.
void CopySmReadBufferToTable(const SmReadBuffer& buffer, SmTable& table);
// The table into the buffer as it is (the listing prints from the buffer).
inline void CopySmTableToReadBuffer(const SmTable& table, SmReadBuffer& buffer)
{
    buffer = table;
}
// Programs with a differing step, as " 3, 17,"; empty when they agree. 15 counts as 0:
// the controller's "F" step and a file's 0,0 are the same END.
QString SmDifferenceList(const SmTable& table, const SmReadBuffer& buffer);

// 921, blank, 922, blank, 938, blank, refusedPrograms.
QString SmCheckMessage(const MessageCatalogue& messages, const QString& ngSmNo);
// 923, 924, 925 and the list, or 926 when the list is empty.
QString SmVerifyMessage(const MessageCatalogue& messages, const QString& differences);

}  // namespace kvt7
