// kvt7ctl show FILE: any of the four data files as UTF-8 text, one line a record with its
// labels, for a person and for the text conversion of a version control's diff.

#include "CliCommands.h"
#include "CliContext.h"
#include "DataFileKind.h"
#include "PositionFileAxes.h"
#include "actuators/UnitConversion.h"
#include "parameters/ParameterFile.h"
#include "parameters/ParameterTable.h"
#include "platform/FieldFile.h"
#include "positions/PositionFile.h"
#include "programs/ProgramDataFiles.h"
#include "session/HeadlessPositions.h"

#include <QJsonArray>
#include <cmath>

namespace kvt7 {

namespace {

QString NumberText(const CellValue& value)
{
    return QString::number(NumberOf(value), 'g', 12);
}

// "ax1 12.500 mm (2500 pl) VEL 30 ACC 3 WAY 0"; without a known actuator only the pulses.
QString AxisPart(const PositionStore::Row& values, int axis, const AxisSetting* actuator)
{
    const qint64 pulses = qint64(std::llround(NumberOf(values[std::size_t(PosiColumn(axis))])));
    QString position = QString::number(pulses) + QStringLiteral(" pl");
    if (actuator)
        position = FormatMm(PulseToMm(*actuator, qint32(pulses))) + QStringLiteral(" mm (") + position + QLatin1Char(')');
    return QStringLiteral("ax%1 %2 VEL %3 ACC %4 WAY %5")
        .arg(axis)
        .arg(position, NumberText(values[std::size_t(SpeedColumn(axis))]),
             NumberText(values[std::size_t(AccColumn(axis))]), NumberText(values[std::size_t(WayColumn(axis))]));
}

QStringList PositionLines(CliContext& cli, const PositionFileContent& content)
{
    HeadlessPositions headless(cli.session());
    // Without the file's actuators in the catalogue the positions show in pulses alone.
    const bool known = TakeFileAxes(cli, headless, content);
    QStringList lines{QStringLiteral("KV-M8 positions")};
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const QString& model = content.modelTexts[std::size_t(axis - 1)];
        if (!model.isEmpty())
            lines << QStringLiteral("axis %1: %2 (%3)").arg(axis).arg(model.trimmed(), content.typeTexts[std::size_t(axis - 1)]);
    }
    for (const PositionFileContent::Record& record : content.records) {
        QStringList parts;
        for (int axis = 1; axis <= kAxisCount; ++axis) {
            if (!content.modelTexts[std::size_t(axis - 1)].isEmpty())
                parts << AxisPart(record.values, axis, known ? &headless.axes.Pc(axis) : nullptr);
        }
        parts << QStringLiteral("ITPL ") + NumberText(record.values[kItplColumn])
              << QStringLiteral("OUT ") + NumberText(record.values[kOutColumn])
              << QStringLiteral("S/M ") + NumberText(record.values[kSmColumn]);
        const QString comment = record.values[kCommentColumn].toString();
        if (!comment.isEmpty())
            parts << QStringLiteral("comment \"%1\"").arg(comment);
        lines << QStringLiteral("pos %1: %2").arg(record.number).arg(parts.join(QStringLiteral(", ")));
    }
    return lines;
}

// One line a parameter: "OFFSET: ax1 100, ax2 100, ax3 0, ax4 0", a common one "AXIS: 3".
QStringList ParameterLines(const ParameterRecord& record)
{
    QStringList lines{QStringLiteral("KV-M8 parameters")};
    for (const ParameterInfo& info : ParameterTable()) {
        if (info.common) {
            lines << QStringLiteral("%1: %2").arg(QLatin1String(info.name), record.of(info.id, 1).text());
            continue;
        }
        QStringList axes;
        for (int axis = 1; axis <= kAxisCount; ++axis)
            axes << QStringLiteral("ax%1 %2").arg(axis).arg(record.of(info.id, axis).text());
        lines << QLatin1String(info.name) + QStringLiteral(": ") + axes.join(QStringLiteral(", "));
    }
    return lines;
}

QStringList GroupLines(const GroupReadBuffer& buffer)
{
    QStringList lines{QStringLiteral("KV-M8 groups")};
    for (int g = 1; g <= kGroupCount; ++g)
        lines << QStringLiteral("group %1: %2-%3").arg(g).arg(buffer.group(g).start).arg(buffer.group(g).end);
    return lines;
}

// One line a program: its 16 steps as command,data.
QStringList SmLines(const SmTable& table)
{
    QStringList lines{QStringLiteral("KV-M8 sm")};
    for (int n = 1; n <= kSmProgramCount; ++n) {
        QStringList steps;
        for (int s = 1; s <= kSmStepCount; ++s)
            steps << QStringLiteral("%1,%2").arg(table.program(n).step(s).command).arg(table.program(n).step(s).data);
        lines << QStringLiteral("sm %1: %2").arg(n).arg(steps.join(QLatin1Char(' ')));
    }
    return lines;
}

// The lines of a file of that kind; nullopt when it is damaged.
std::optional<QStringList> FileLines(CliContext& cli, DataFileKind kind, const QByteArray& bytes)
{
    switch (kind) {
    case DataFileKind::Positions: {
        const ParsedPositionFile parsed = ParsePositionFile(bytes);
        return parsed.content ? std::optional(PositionLines(cli, *parsed.content)) : std::nullopt;
    }
    case DataFileKind::Parameters: {
        ParameterRecord record;
        if (ParseParameterFile(bytes, QString(), record) != ParameterFileRead::Ok)
            return std::nullopt;
        return ParameterLines(record);
    }
    case DataFileKind::Groups: {
        const GroupFileContent content = ParseGroupFile(bytes);
        return content.outcome == ProgramFileRead::Ok ? std::optional(GroupLines(content.buffer)) : std::nullopt;
    }
    case DataFileKind::Sm: {
        const SmFileContent content = ParseSmFile(bytes);
        return content.outcome == ProgramFileRead::Ok ? std::optional(SmLines(content.buffer)) : std::nullopt;
    }
    }
    return std::nullopt;
}

int Show(CliContext& cli, const QStringList& arguments)
{
    if (arguments.size() != 1 || arguments.first().isEmpty())
        return kExitUsage;
    const QString& path = arguments.first();
    const std::optional<QByteArray> bytes = ReadFileBytes(path);
    if (!bytes) {
        cli.complain(QStringLiteral("%1 cannot be read").arg(path));
        return kExitFileFailure;
    }
    const std::optional<DataFileKind> kind = DataFileKindOf(*bytes);
    if (!kind) {
        cli.complain(QStringLiteral("%1 is not a position, parameter, group or S/M file").arg(path));
        return kExitFileFailure;
    }
    const std::optional<QStringList> lines = FileLines(cli, *kind, *bytes);
    if (!lines) {
        cli.complain(QStringLiteral("%1 is a damaged %2 file").arg(path, DataFileKindName(*kind)));
        return kExitFileFailure;
    }
    for (const QString& line : *lines)
        cli.print(line);
    cli.result() = {{QStringLiteral("kind"), DataFileKindName(*kind)},
                    {QStringLiteral("file"), path},
                    {QStringLiteral("lines"), QJsonArray::fromStringList(*lines)}};
    return kExitSuccess;
}

}  // namespace

void AddShowCommand(CliCommandTable& table)
{
    table.append({{QStringLiteral("show")}, QStringLiteral("FILE"),
                  QStringLiteral("a .kvd, .pmt, .grp or .smd file as UTF-8 text, one line a record"), false, Show});
}

}  // namespace kvt7
