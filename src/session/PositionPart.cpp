// The positions part of the whole controller: positions 1-999 between a .kvd file and the
// controller, on a table of its own, through the main window's position operations.

#include "HeadlessPositions.h"
#include "Session.h"
#include "SessionParts.h"
#include "actuators/AxisSettingRules.h"
#include "actuators/ModelDesignation.h"
#include "backup/BackupManifest.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/ParameterTransfer.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"
#include "positions/PositionCheck.h"
#include "positions/PositionFileCommands.h"
#include "positions/PositionTransfer.h"
#include "positions/PositionVerify.h"
#include "positions/TransferAxisCheck.h"
#include "base/MessageIds.h"

#include <QDir>
#include <QFileInfo>

namespace kvt7 {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

// A position table with its grid, in pulses, beside the session's: what the operator has
// open stays as it is.
struct PositionWork {
    PositionWork(Session& session, ControllerContext& controller)
        : settings(session.settings),
          axes(session.axes),
          ranges(controller.dialogs, controller.messages),
          results(controller.messages),
          context{table,   grid,      axes,    settings, controller.messages, session.catalogueFile,
                  controller.dialogs, clipboard, ranges, results,  events},
          commands{context, controller, parameters, session.defaultLists, session.programFolder, session.section,
                   groups, {}}
    {
        settings.DispMmUnit = false;
        SetHeadingTexts(context);
    }

    AppSettings settings;
    PositionTable table;
    PositionGrid grid;
    AxisSettings axes;
    MemoryClipboard clipboard;
    FixedRangeChooser ranges;
    ListingResults results;
    PositionEvents events;
    ParameterSet parameters;
    NoCommandGroups groups;
    PositionContext context;
    PositionCommandContext commands;
};

class PositionPart final : public ControllerPart {
public:
    PositionPart(Session& session, ControllerContext& controller) : session_(session), c_(controller) {}
    QString fileName() const override { return BackupFileNames().at(1); }
    QString title() const override { return c_.messages.Text(Msg::PositionData); }

    bool read(const QString& path) override
    {
        PositionWork work(session_, c_);
        if (!TakeControllerAxes(work))
            return false;
        work.ranges.range = PositionRange{kFirstPositionNo, kLastPositionNo};
        if (ReadPositionsFromController(work.commands) != Outcome::Done)
            return false;
        if (WritePositionFile(work.commands, path, work.table.SelStartNo, work.table.SelEndNo) == Outcome::Done)
            return true;
        c_.dialogs.message(c_.messages.Text(Msg::ErrorOccurredSavingData));
        return false;
    }
    bool check(const QString& path) override;
    WriteEnd write(const QString& path) override
    {
        PositionWork work(session_, c_);
        if (!TakeControllerAxes(work) || !ShowFileFittingController(work, path))
            return WriteEnd::Failed;
        return WritePositionsToController(work.commands);
    }
    bool verify(const QString& path) override
    {
        PositionWork work(session_, c_);
        if (!TakeControllerAxes(work) || !ShowFileFittingController(work, path))
            return false;
        return VerifyPositionsWithController(work.commands) == Outcome::Done && work.results.shown == 0;
    }
    std::optional<Differences> differences(const PartFiles& files) override
    {
        return PositionFileDifferences(files, c_.messages);
    }

private:
    // The controller's axes and actuators become the table's, as at an online start.
    bool TakeControllerAxes(PositionWork& work)
    {
        if (!ConnectQuietly(c_.link) || ReadAxisMask(c_.link, work.parameters, work.axes) != Outcome::Done
            || ReadControllerAxisSettings(c_.link, work.axes) != Outcome::Done)
            return false;
        if (!AdoptControllerAxisSettings(work.axes)) {
            c_.dialogs.message(c_.messages.Text(Msg::DeviceTypeNotSelected) + kNewLine
                               + c_.messages.Text(Msg::SelectDeviceTypeAgain));
            return false;
        }
        RecordPcActuators(work.axes);
        return true;
    }
    bool ShowFileFittingController(PositionWork& work, const QString& path)
    {
        const auto content = ReadPositionFileWithRetries(work.commands, path);
        if (!content)
            return false;
        ShowFileRange(work.context, *content);
        if (FileHeaderOf(work.context).modelTexts == content->modelTexts)
            return true;
        ShowActuatorsUnmatched(c_.dialogs, c_.messages);
        return false;
    }
    // The model labels the parameter file beside `path` sets, as a position file records them.
    std::optional<std::array<QString, 4>> ParameterModelLabels(const QString& path)
    {
        return ParameterFileModelLabels(QFileInfo(path).dir().filePath(BackupFileNames().at(0)),
                                        c_.dialogs, c_.messages, session_.catalogueFile);
    }

    Session& session_;
    ControllerContext& c_;
};

// The file as a write takes it: readable, its actuators known, its values valid, and made for
// the actuators the parameter file beside it sets.
bool PositionPart::check(const QString& path)
{
    PositionWork work(session_, c_);
    const auto content = ReadPositionFileWithRetries(work.commands, path);
    if (!content)
        return false;
    for (int axis = 1; axis <= 4; ++axis) {
        const QString& model = content->modelTexts[std::size_t(axis - 1)];
        work.axes.Recorded(axis).InUse = !model.isEmpty();
        if (!model.isEmpty()
            && !ParseModelDesignation(work.axes.Recorded(axis), model, content->typeTexts[std::size_t(axis - 1)],
                                      session_.catalogueFile))
            return false;
    }
    AdoptFileActuators(work.axes);
    if (!TakeLeadAndPprFromCatalogue(work.axes.pc, session_.catalogueFile)) {
        c_.dialogs.message(c_.messages.Text(Msg::NotFindInformationSelectedDeviceType));
        return false;
    }
    ShowFileRange(work.context, *content);
    if (CheckPositionTable(work.context.check()) != Outcome::Done)
        return false;
    if (ParameterModelLabels(path) == content->modelTexts)
        return true;
    ShowActuatorsUnmatched(c_.dialogs, c_.messages);
    return false;
}

}  // namespace

std::unique_ptr<ControllerPart> MakePositionPart(Session& session, ControllerContext& controller)
{
    return std::make_unique<PositionPart>(session, controller);
}

}  // namespace kvt7
