#include "SmTable.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"

namespace kvt7 {

namespace {

const char* const kCommandTexts[] = {"0. END",    "1. IN-ON",  "2. IN-OFF", "3. OUT-ON",
                                     "4. OUT-OFF", "5. TIMER", "6. TIMER10"};
constexpr int kLastListedCommand = 6;

bool IsEnd(int command)
{
    return command == kSmEndCommand || command == kSmEndAlias;
}

int Normalised(int command)
{
    return IsEnd(command) ? kSmEndCommand : command;
}

bool StepValid(const SmStep& step)
{
    if (IsEnd(step.command))
        return true;
    if (step.command >= 1 && step.command <= 4)
        return step.data >= 1 && step.data <= 4;
    if (step.command == 5 || step.command == 6)
        return step.data >= 1 && step.data <= 9;
    return false;
}

}  // namespace

QString SmCommandText(int command)
{
    if (!SmCommandShown(command))
        return {};
    return QLatin1String(kCommandTexts[Normalised(command)]);
}

bool SmCommandShown(int command)
{
    return (command >= 0 && command <= kLastListedCommand) || command == kSmEndAlias;
}

QList<SmFault> SmFaults(const SmTable& table)
{
    QList<SmFault> faults;
    for (int n = 1; n <= kSmProgramCount; ++n) {
        for (int s = 1; s <= kSmStepCount; ++s) {
            const SmStep& step = table.program(n).step(s);
            if (!StepValid(step))
                faults.append({n, s, step});
        }
    }
    return faults;
}

int SmDataCheck(SmData& data)
{
    data.refusedPrograms.clear();
    data.hasInvalidData = false;
    for (int n = 1; n <= kSmProgramCount; ++n) {
        bool programFaulty = false;
        for (int s = 1; s <= kSmStepCount; ++s) {
            SmStep& step = data.table.program(n).step(s);
            if (IsEnd(step.command))
                step = SmStep{};
            else if (!StepValid(step))
                programFaulty = true;
        }
        if (programFaulty) {
            data.refusedPrograms += QStringLiteral("<%1>,").arg(n);
            data.hasInvalidData = true;
        }
    }
    return data.hasInvalidData ? 1 : 0;
}

void CopySmReadBufferToTable(const SmReadBuffer& buffer, SmTable& table)
{
    for (int n = 1; n <= kSmProgramCount; ++n) {
        for (int s = 1; s <= kSmStepCount; ++s) {
            const SmStep& read = buffer.program(n).step(s);
            table.program(n).step(s) = {read.command, read.command == kSmEndCommand ? 0 : read.data};
        }
    }
}

QString SmDifferenceList(const SmTable& table, const SmReadBuffer& buffer)
{
    QString list;
    for (int n = 1; n <= kSmProgramCount; ++n) {
        bool differs = false;
        for (int s = 1; s <= kSmStepCount && !differs; ++s) {
            const SmStep& mine = table.program(n).step(s);
            const SmStep& read = buffer.program(n).step(s);
            const int command = Normalised(mine.command);
            differs = command != Normalised(read.command)
                      || (command != kSmEndCommand && mine.data != read.data);
        }
        if (differs)
            list += QStringLiteral(" %1,").arg(n);
    }
    return list;
}

QString SmCheckMessage(const MessageCatalogue& messages, const QString& ngSmNo)
{
    const QString blank = QStringLiteral("\r\n\r\n");
    return messages.Text(Msg::InvalidDataSMData) + blank
            + messages.Text(Msg::ConfirmValueTryAgainInSm) + blank
            + messages.Text(Msg::SMNoInvalidValueFoundFollows) + blank + ngSmNo;
}

QString SmVerifyMessage(const MessageCatalogue& messages, const QString& differences)
{
    if (differences.isEmpty())
        return messages.Text(Msg::ResultVerifyOKInSm);
    return messages.Text(Msg::ResultVerifyNGInSm) + QStringLiteral("\r\n")
            + messages.Text(Msg::UnmatchedItems) + QStringLiteral("\r\n")
            + messages.Text(Msg::SMNoInSm) + differences;
}

}  // namespace kvt7
