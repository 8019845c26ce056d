#include "PartDifferences.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/ParameterSet.h"
#include "positions/GridPresentation.h"
#include "positions/PositionFile.h"
#include "programs/ProgramFileOperations.h"

#include <map>

namespace kvt7 {

namespace {

using PositionRows = std::map<int, PositionStore::Row>;

std::optional<PositionRows> PositionRowsOf(const QString& path)
{
    const ParsedPositionFile parsed = ReadPositionFileAt(path);
    if (!parsed.content)
        return std::nullopt;
    PositionRows rows;
    for (const PositionFileContent::Record& record : parsed.content->records)
        rows[record.number] = record.values;
    return rows;
}

QString CellText(const PositionRows& rows, int number, int column)
{
    const auto row = rows.find(number);
    return row == rows.end() ? QString() : row->second[std::size_t(column)].toString().trimmed();
}

QString ParameterValueText(const EditorValues& values, Param p, int axis)
{
    if (InfoOf(p).type == ParamType::Text)
        return values.text(p, axis).value_or(QString());
    const auto number = values.number(p, axis);
    return number ? QString::number(*number) : QString();
}

QString AxisName(const MessageCatalogue& messages, int axis)
{
    return AxisHeadingTexts(messages)[std::size_t(SpeedColumn(axis))];
}

// Both files of a group or S/M part as File > Open takes them (a fault shown).
template <typename Data>
bool OpenBoth(Outcome (*open)(ProgramFiles, Data&, const QString&), const PartFiles& files,
              ProgramFiles programFiles, Data& backup, Data& controller)
{
    return open(programFiles, backup, files.backup) == Outcome::Done
           && open(programFiles, controller, files.controller) == Outcome::Done;
}

// The grid's heading of a column without the axis digit the report already names, and a
// position with its unit after it ("Posi (pls)"), so the label reads as words.
QString ReportItemText(const MessageCatalogue& messages,
                       const std::array<QString, kGridColumns>& columns, int column)
{
    if (IsPositionColumn(column))
        return messages.Text(Msg::Posi) + QLatin1Char(' ') + messages.Text(Msg::Pls);
    QString text = columns[std::size_t(column)];
    if (!text.isEmpty() && text.at(0).isDigit())
        text.remove(0, 1);
    return text;
}

}  // namespace

std::optional<Differences> PositionFileDifferences(const PartFiles& files, const MessageCatalogue& messages)
{
    const auto backup = PositionRowsOf(files.backup);
    const auto controller = PositionRowsOf(files.controller);
    if (!backup || !controller)
        return std::nullopt;
    const auto axes = AxisHeadingTexts(messages);
    const auto columns = ColumnHeadingTexts(messages, false);
    Differences differences;
    for (int number = kFirstPositionNo; number <= kLastPositionNo; ++number) {
        for (int column = 1; column <= kCommentColumn; ++column) {
            const QString was = CellText(*backup, number, column);
            const QString is = CellText(*controller, number, column);
            if (was == is)
                continue;
            const QString where = messages.Text(Msg::PositionNoInBackup).arg(number)
                    + QLatin1Char(' ') + axes[std::size_t(column)] + QLatin1Char(' ')
                    + ReportItemText(messages, columns, column);
            Difference difference{where,
                                  was,
                                  is,
                                  QStringLiteral("position"),
                                  number,
                                  AxisOfColumn(column),
                                  PositionItemName(column),
                                  {},
                                  {}};
            if (IsPositionColumn(column) && !was.isEmpty() && !is.isEmpty()) {
                difference.firstPulses = was.toLongLong();
                difference.secondPulses = is.toLongLong();
            }
            differences.push_back(difference);
        }
    }
    return differences;
}

std::optional<Differences> ParameterFileDifferences(const PartFiles& files, Dialogs& dialogs,
                                                const MessageCatalogue& messages)
{
    ParameterSet backup;
    ParameterSet controller;
    if (OpenParameterFileAt(backup, files.backup, dialogs, messages) != Outcome::Done
        || OpenParameterFileAt(controller, files.controller, dialogs, messages) != Outcome::Done)
        return std::nullopt;
    Differences differences;
    for (const ParameterInfo& info : ParameterTable()) {
        if (!info.shown)
            continue;
        for (int axis = 1; axis <= (info.common ? 1 : 4); ++axis) {
            const QString was = ParameterValueText(backup.editor, info.id, axis);
            const QString is = ParameterValueText(controller.editor, info.id, axis);
            if (was == is)
                continue;
            const QString name = QString::fromLatin1(info.name);
            differences.push_back(
                    {info.common ? name : name + QLatin1Char(' ') + AxisName(messages, axis),
                     was,
                     is,
                     QStringLiteral("parameter"),
                     0,
                     info.common ? 0 : axis,
                     name,
                     {},
                     {}});
        }
    }
    return differences;
}

// A group's or a program step's difference: no axis, no pulses.
static Difference ProgramDifference(const QString& where, const QString& first, const QString& second,
                                    const QString& kind, int number, const QString& item)
{
    return {where, first, second, kind, number, 0, item, {}, {}};
}

std::optional<Differences> GroupFileDifferences(const PartFiles& files, Dialogs& dialogs, const MessageCatalogue& messages)
{
    GroupData backup;
    GroupData controller;
    if (!OpenBoth(OpenProgramFileAt<GroupData>, files, {dialogs, messages}, backup, controller))
        return std::nullopt;
    const auto text = [](const GroupRange& range) { return QStringLiteral("%1-%2").arg(range.start).arg(range.end); };
    Differences differences;
    for (int group = 1; group <= kGroupCount; ++group) {
        const GroupRange& was = backup.table.group(group);
        const GroupRange& is = controller.table.group(group);
        if (!(was == is))
            differences.push_back(ProgramDifference(
                    messages.Text(Msg::GroupNo) + QLatin1Char(' ') + QString::number(group), text(was),
                    text(is), QStringLiteral("group"), group, QStringLiteral("start-end")));
    }
    return differences;
}

std::optional<Differences> SmFileDifferences(const PartFiles& files, Dialogs& dialogs, const MessageCatalogue& messages)
{
    SmData backup;
    SmData controller;
    if (!OpenBoth(OpenProgramFileAt<SmData>, files, {dialogs, messages}, backup, controller))
        return std::nullopt;
    // The controller's END "15" and a file's END "0" are the same step.
    const auto normal = [](SmStep step) {
        return step.command == kSmEndAlias || step.command == kSmEndCommand ? SmStep{kSmEndCommand, 0} : step;
    };
    const auto text = [](const SmStep& step) { return QStringLiteral("%1,%2").arg(step.command).arg(step.data); };
    Differences differences;
    for (int program = 1; program <= kSmProgramCount; ++program) {
        for (int step = 1; step <= kSmStepCount; ++step) {
            const SmStep was = normal(backup.table.program(program).step(step));
            const SmStep is = normal(controller.table.program(program).step(step));
            if (!(was == is))
                differences.push_back(ProgramDifference(
                        messages.Text(Msg::ProgramStep).arg(program).arg(step), text(was), text(is),
                        QStringLiteral("sm"), program, QStringLiteral("step %1").arg(step)));
        }
    }
    return differences;
}

}  // namespace kvt7
