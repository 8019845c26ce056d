// kvt7ctl positions read | write | verify | check: position data between .kvd files and the
// controller, through the same operations as the main window.

#include "CliCommands.h"
#include "CliContext.h"
#include "DataDifferences.h"
#include "JsonFacts.h"
#include "PositionFileAxes.h"
#include "actuators/ActuatorCatalogue.h"
#include "actuators/AxisSettingRules.h"
#include "actuators/ModelDesignation.h"
#include "actuators/UnitConversion.h"
#include "link/LinkCommands.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterTransfer.h"
#include "positions/GridPresentation.h"
#include "positions/PositionCheck.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionVerify.h"
#include "positions/TableOperations.h"
#include "positions/TransferAxisCheck.h"
#include "session/HeadlessPositions.h"
#include "base/MessageIds.h"

#include <QRegularExpression>

namespace kvt7 {

namespace {

struct PositionArguments {
    QString file;
    std::optional<PositionRange> range;
};

// "FILE [--range A-B]" or "--range A-B -o FILE"; nullopt when they are not usable.
std::optional<PositionArguments> ParseArguments(QStringList arguments, bool output)
{
    PositionArguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& word = arguments.at(i);
        const bool hasValue = i + 1 < arguments.size();
        if (word == QLatin1String("--range") && hasValue) {
            const auto match = QRegularExpression(QStringLiteral("^(\\d{1,3})-(\\d{1,3})$")).match(arguments.at(++i));
            if (!match.hasMatch())
                return std::nullopt;
            const PositionRange range{match.captured(1).toInt(), match.captured(2).toInt()};
            if (range.first < 1 || range.last > kLastPositionNo || range.first > range.last)
                return std::nullopt;
            parsed.range = range;
        } else if (output && word == QLatin1String("-o") && hasValue) {
            parsed.file = arguments.at(++i);
        } else if (!output && parsed.file.isEmpty() && !word.startsWith(QLatin1Char('-'))) {
            parsed.file = word;
        } else {
            return std::nullopt;
        }
    }
    if (parsed.file.isEmpty() || (output && !parsed.range))
        return std::nullopt;
    return parsed;
}

// The controller's axes and actuators become the program's, as at an online start.
bool TakeControllerAxes(CliContext& cli, HeadlessPositions& headless)
{
    ControllerLink& link = cli.link();
    cli.mode().SwitchOnlineQuietly();
    if (OpenPortOrReport(link) != Outcome::Done || ReadAxisMask(link, headless.parameters, headless.axes) != Outcome::Done
        || ReadControllerAxisSettings(link, headless.axes) != Outcome::Done)
        return false;
    if (!AdoptControllerAxisSettings(headless.axes)) {
        cli.dialogs().message(cli.catalogue().Text(Msg::DeviceTypeNotSelected)
                              + QStringLiteral("\r\n")
                              + cli.catalogue().Text(Msg::SelectDeviceTypeAgain));
        return false;
    }
    RecordPcActuators(headless.axes);
    return true;
}

// The file must have been made for the controller's actuators.
bool FileFitsController(CliContext& cli, HeadlessPositions& headless, const PositionFileContent& content)
{
    if (FileHeaderOf(headless.context).modelTexts == content.modelTexts)
        return true;
    ShowActuatorsUnmatched(cli.dialogs(), cli.catalogue());
    return false;
}

// The start every exchange with the controller shares: the arguments, the controller's axes
// and, for positions going out or compared, the file shown as File > Open shows it, which must
// fit the controller. The range of the command line answers the range dialog.
template <typename Exchange>
int WithController(CliContext& cli, const QStringList& arguments, bool intoFile, Exchange exchange)
{
    const auto parsed = ParseArguments(arguments, intoFile);
    if (!parsed)
        return kExitUsage;
    HeadlessPositions headless(cli.session());
    if (!TakeControllerAxes(cli, headless))
        return cli.failureExit();
    PositionFileContent content;
    if (!intoFile && !ShowFile(headless, parsed->file, content))
        return kExitFileFailure;
    if (!intoFile && !FileFitsController(cli, headless, content))
        return kExitFailure;
    headless.ranges.range = parsed->range;
    return exchange(headless, parsed->file);
}

int Read(CliContext& cli, const QStringList& arguments)
{
    return WithController(cli, arguments, true, [&cli](HeadlessPositions& headless, const QString& file) {
        if (ReadPositionsFromController(headless.commands) != Outcome::Done)
            return headless.ranges.refused ? kExitUsage : cli.failureExit();
        const PositionTable& table = headless.table;
        if (WritePositionFile(headless.commands, file, table.SelStartNo, table.SelEndNo) != Outcome::Done) {
            cli.dialogs().message(cli.catalogue().Text(Msg::ErrorOccurredSavingData));
            return kExitFileFailure;
        }
        SetTransferResult(cli, QStringLiteral("positions"), table.SelEndNo - table.SelStartNo + 1, file);
        cli.result().insert(QStringLiteral("first"), table.SelStartNo);
        cli.result().insert(QStringLiteral("last"), table.SelEndNo);
        return kExitSuccess;
    });
}

// The rows of the result window. Faults the table check found before a write or a verify
// come under the check window's text, so they are not taken for differences.
void PrintResults(CliContext& cli, const HeadlessPositions& headless)
{
    const bool refused = headless.results.shown > 0 && headless.results.lastVariant == ResultVariant::Check;
    if (refused) {
        cli.dialogs().message(cli.catalogue().Text(Msg::InvalidValueDataFollowsDetails));
        cli.result().insert(QStringLiteral("problems"), PositionProblems(headless.results.rows));
    }
    for (const QString& line : headless.results.lines)
        cli.print(line);
}

int Write(CliContext& cli, const QStringList& arguments)
{
    return WithController(cli, arguments, false, [&cli](HeadlessPositions& headless, const QString& file) {
        const WriteEnd written = WritePositionsToController(headless.commands);
        if (written != WriteEnd::Failed) {
            const PositionTable& table = headless.table;
            SetTransferResult(cli, QStringLiteral("positions"), table.SelEndNo - table.SelStartNo + 1, file);
            cli.result().insert(QStringLiteral("first"), table.SelStartNo);
            cli.result().insert(QStringLiteral("last"), table.SelEndNo);
        }
        PrintResults(cli, headless);  // what the table check refused
        if (headless.ranges.refused)
            return kExitUsage;
        return cli.writeExit(written);
    });
}

int Verify(CliContext& cli, const QStringList& arguments)
{
    return WithController(
            cli, arguments, false, [&cli](HeadlessPositions& headless, const QString&) {
                const Outcome verified = VerifyPositionsWithController(headless.commands);
                if (verified == Outcome::Done)
                    cli.result() = DifferencesObject(
                            PositionDifferences(*headless.table.store, headless.results.rows,
                                                &headless.axes),
                            QStringLiteral("file"), QStringLiteral("controller"));
                PrintResults(cli, headless);
                if (headless.ranges.refused)
                    return kExitUsage;
                if (verified != Outcome::Done)
                    return cli.failureExit();
                return headless.results.shown == 0 ? kExitSuccess : kExitFailure;
            });
}

int Check(CliContext& cli, const QStringList& arguments)
{
    if (arguments.size() != 1)
        return kExitUsage;
    HeadlessPositions headless(cli.session());
    const auto read = ReadPositionFileWithRetries(headless.commands, arguments.at(0));
    if (!read)
        return kExitFileFailure;
    if (!TakeFileAxes(cli, headless, *read))
        return kExitFailure;
    PositionFileContent content;
    if (!ShowFile(headless, arguments.at(0), content))
        return kExitFileFailure;
    const Outcome checked = CheckPositionTable(headless.context.check());
    for (const QString& line : headless.results.lines)
        cli.print(line);
    cli.result() = {{QStringLiteral("valid"), checked == Outcome::Done},
                    {QStringLiteral("problems"), PositionProblems(headless.results.rows)}};
    return checked == Outcome::Done ? kExitSuccess : kExitFailure;
}

}  // namespace

void AddPositionCommands(CliCommandTable& table)
{
    const QString positions = QStringLiteral("positions");
    table.append({{positions, QStringLiteral("read")}, QStringLiteral("--range A-B -o FILE"),
                  QStringLiteral("read positions A to B from the controller into a .kvd file"), true, Read});
    table.append({{positions, QStringLiteral("write")}, QStringLiteral("FILE [--range A-B]"),
                  QStringLiteral("check a .kvd file and write its positions into the controller"), true, Write});
    table.append({{positions, QStringLiteral("verify")}, QStringLiteral("FILE [--range A-B]"),
                  QStringLiteral("compare a .kvd file with the controller (exit 1: different)"), true, Verify});
    table.append({{positions, QStringLiteral("check")}, QStringLiteral("FILE"),
                  QStringLiteral("list the positions of a .kvd file with invalid values"), true, Check});
}

}  // namespace kvt7
