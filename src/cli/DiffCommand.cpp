// kvt7ctl diff A B: two data files of one kind compared without a controller, with the list
// verify gives: positions by value in pulses, parameters item by item, groups and S/M
// programs by number.

#include "CliCommands.h"
#include "CliContext.h"
#include "DataDifferences.h"
#include "DataFileKind.h"
#include "PositionFileAxes.h"
#include "parameters/ParameterFileOperations.h"
#include "platform/FieldFile.h"
#include "positions/PositionFileCommands.h"
#include "programs/ProgramFileOperations.h"
#include "session/HeadlessPositions.h"

#include <cmath>
#include <set>

namespace kvt7 {

namespace {

std::set<int> RecordNumbers(const PositionFileContent& content)
{
    std::set<int> numbers;
    for (const PositionFileContent::Record& record : content.records)
        numbers.insert(record.number);
    return numbers;
}

// The content with its positions in whole pulses, as opening the file makes them, so that
// the two sides compare alike.
PositionFileContent WholePulsePositions(PositionFileContent content)
{
    for (PositionFileContent::Record& record : content.records) {
        for (int axis = 1; axis <= kAxisCount; ++axis) {
            CellValue& value = record.values[std::size_t(PosiColumn(axis))];
            if (!IsEmptyValue(value))
                value = double(std::llround(NumberOf(value)));
        }
    }
    return content;
}

// The actuators, the positions only one file holds, the marked cells, the comments.
Differences ComparePositionContents(CliContext& cli, const PositionFileContent& a,
                                    const PositionFileContent& b)
{
    Differences differences;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const QString& first = a.modelTexts[std::size_t(axis - 1)];
        const QString& second = b.modelTexts[std::size_t(axis - 1)];
        if (first != second)
            differences.push_back(ListedDifference(QStringLiteral("actuator"), 0, axis,
                                                   QStringLiteral("model"), first.trimmed(),
                                                   second.trimmed()));
    }
    HeadlessPositions headless(cli.session());
    const bool known = TakeFileAxes(cli, headless, a);
    ShowFileRange(headless.context, a);
    TakeIntoLoadBuffer(WholePulsePositions(b), headless.table);
    PositionStore& store = *headless.table.store;
    ClearMarks(store);
    std::array<bool, 4> inUse{};
    for (int axis = 1; axis <= kAxisCount; ++axis)
        inUse[std::size_t(axis - 1)] = !a.modelTexts[std::size_t(axis - 1)].isEmpty();
    const std::set<int> inA = RecordNumbers(a);
    const std::set<int> inB = RecordNumbers(b);
    std::set<int> all = inA;
    all.insert(inB.begin(), inB.end());
    Differences cells;
    for (const int n : all) {
        if (!inA.count(n) || !inB.count(n)) {
            const QString present = QStringLiteral("present");
            differences.push_back(ListedDifference(
                    QStringLiteral("position"), n, 0, QStringLiteral("record"),
                    inA.count(n) ? present : QString(), inB.count(n) ? present : QString()));
            continue;
        }
        ComparePositions(store, inUse, n, n);
    }
    for (const Difference& cell :
         PositionDifferences(store, MarkedRows(store, 0), known ? &headless.axes : nullptr))
        differences.push_back(cell);
    for (const PositionFileContent::Record& record : b.records) {
        const QString first = store.PosiValue[std::size_t(record.number)][kCommentColumn].toString();
        const QString second = record.values[kCommentColumn].toString();
        if (inA.count(record.number) && first != second)
            differences.push_back(ListedDifference(QStringLiteral("position"), record.number, 0,
                                                   QStringLiteral("comment"), first, second));
    }
    return differences;
}

std::optional<Differences> DiffPositions(CliContext& cli, const QByteArray& a, const QByteArray& b)
{
    const ParsedPositionFile first = ParsePositionFile(a);
    const ParsedPositionFile second = ParsePositionFile(b);
    if (!first.content || !second.content)
        return std::nullopt;
    return ComparePositionContents(cli, *first.content, *second.content);
}

std::optional<Differences> DiffParameters(CliContext& cli, const QString& a, const QString& b)
{
    // The first file as the editor holds it, the second as the record a file verification reads.
    ParameterSet set;
    if (OpenParameterFileAt(set, a, cli.dialogs(), cli.catalogue()) != Outcome::Done
        || ReadParameterFileWithRetries(set, b, cli.dialogs(), cli.catalogue()) != ParameterFileRead::Ok)
        return std::nullopt;
    return ParameterDifferenceList(set);
}

template <typename Data>
std::optional<Differences> DiffPrograms(CliContext& cli, const QString& a, const QString& b,
                                        Outcome (*openAt)(ProgramFiles, Data&, const QString&),
                                        Differences (*compare)(const decltype(Data::table)&,
                                                               const decltype(Data::readBuffer)&))
{
    const ProgramFiles files{cli.dialogs(), cli.catalogue()};
    Data first;
    Data second;
    if (openAt(files, first, a) != Outcome::Done || openAt(files, second, b) != Outcome::Done)
        return std::nullopt;
    return compare(first.table, second.readBuffer);
}

int Diff(CliContext& cli, const QStringList& arguments)
{
    if (arguments.size() != 2 || arguments.at(0).isEmpty() || arguments.at(1).isEmpty())
        return kExitUsage;
    std::array<std::optional<DataFileKind>, 2> kinds;
    std::array<QByteArray, 2> bytes;
    for (std::size_t i = 0; i < 2; ++i) {
        const std::optional<QByteArray> read = ReadFileBytes(arguments.at(qsizetype(i)));
        kinds[i] = read ? DataFileKindOf(*read) : std::nullopt;
        if (!kinds[i]) {
            cli.complain(QStringLiteral("%1 cannot be read as a position, parameter, group or S/M file")
                             .arg(arguments.at(qsizetype(i))));
            return kExitFileFailure;
        }
        bytes[i] = *read;
    }
    if (kinds[0] != kinds[1]) {
        cli.complain(QStringLiteral("%1 and %2 are files of different kinds").arg(arguments.at(0), arguments.at(1)));
        return kExitUsage;
    }
    std::optional<Differences> differences;
    switch (*kinds[0]) {
    case DataFileKind::Positions:
        differences = DiffPositions(cli, bytes[0], bytes[1]);
        break;
    case DataFileKind::Parameters:
        differences = DiffParameters(cli, arguments.at(0), arguments.at(1));
        break;
    case DataFileKind::Groups:
        differences = DiffPrograms<GroupData>(cli, arguments.at(0), arguments.at(1), OpenProgramFileAt<GroupData>, GroupDifferences);
        break;
    case DataFileKind::Sm:
        differences = DiffPrograms<SmData>(cli, arguments.at(0), arguments.at(1), OpenProgramFileAt<SmData>, SmDifferences);
        break;
    }
    if (!differences) {
        cli.complain(QStringLiteral("%1 or %2 is a damaged %3 file").arg(arguments.at(0), arguments.at(1),
                                                                         DataFileKindName(*kinds[0])));
        return kExitFileFailure;
    }
    for (const QString& line : DifferenceLines(*differences))
        cli.print(line);
    cli.result() = DifferencesObject(*differences, QStringLiteral("a"), QStringLiteral("b"));
    cli.result().insert(QStringLiteral("kind"), DataFileKindName(*kinds[0]));
    return differences->empty() ? kExitSuccess : kExitFailure;
}

}  // namespace

void AddDiffCommand(CliCommandTable& table)
{
    table.append({{QStringLiteral("diff")}, QStringLiteral("A B"),
                  QStringLiteral("compare two files of one kind without a controller (exit 1: different)"), false,
                  Diff});
}

}  // namespace kvt7
