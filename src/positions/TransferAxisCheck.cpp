#include "TransferAxisCheck.h"
#include "base/MessageIds.h"

#include "actuators/AxisSettingRules.h"
#include "actuators/AxisSettingStore.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerLink.h"
#include "link/LinkCommands.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/FactoryDefaults.h"
#include "parameters/ParameterTransfer.h"
#include "platform/Dialogs.h"
#include "positions/GridPresentation.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionTransfer.h"

namespace kvt7 {

namespace {

// The axes in use first, then the actuators.
AxisComparison CompareWithController(PositionCommandContext& context)
{
    AxisSettings& axes = context.positions.axes;
    const AxisComparison inUse = CompareAxesInUse(context.controller.link, axes);
    if (inUse != AxisComparison::Equal)
        return inUse;
    return CompareAxisSettings(context.controller.link, axes);
}

// The controller's axes and actuators become the program's.
bool AdoptControllerSetting(PositionCommandContext& context)
{
    AxisSettings& axes = context.positions.axes;
    AxisSettings candidate = axes;
    for (int axis = 1; axis <= 4; ++axis)
        candidate.Pc(axis).InUse = candidate.Controller(axis).InUse;
    if (ReadControllerAxisSettings(context.controller.link, candidate) != Outcome::Done)
        return false;
    if (!AdoptControllerAxisSettings(candidate))
        return false;
    axes = candidate;
    RecordPcActuators(axes);
    for (int axis = 1; axis <= 4; ++axis)
        axes.Recorded(axis).InUse = axes.Pc(axis).InUse;
    const FactoryDefaultsRequest request{context.programFolder, axes.recorded, std::nullopt};
    ApplyFactoryDefaults(context.parameters, context.defaultLists, request, context.dialogs(), context.messages());
    SaveAxisSettingsToStore(context.section, axes);
    RefreshAxisHeadings(context.positions);
    ShowUnitsLineOfFirstAxis(context.positions);
    return true;
}

}  // namespace

bool SettleAxesBeforeRead(PositionCommandContext& context)
{
    Dialogs& dialogs = context.dialogs();
    context.controller.link.SwitchOnlineQuietly();
    const AxisComparison compared = CompareWithController(context);
    if (compared == AxisComparison::ReadFailed) {
        dialogs.message(
                context.lines({Msg::CommunicationErrorOccursInLink, Msg::ReadingDataStopped}));
        return false;
    }
    if (compared == AxisComparison::Equal)
        return true;
    const int choice = dialogs.choice(context.text(Msg::Select),
                                      context.text(Msg::SettingAXISDeviceDiffersPCSoftware),
                                      {context.text(Msg::SettingControllerRead),
                                       context.text(Msg::SettingControllerDisregarded)},
                                      true);
    if (choice == 1)
        return true;
    if (choice != 0) {
        dialogs.message(context.text(Msg::ReadingDataStopped));
        return false;
    }
    if (!AdoptControllerSetting(context)) {
        dialogs.message(
                context.lines({Msg::CommunicationErrorOccursInLink, Msg::ReadingDataStopped}));
        return false;
    }
    return true;
}

bool AxesMatchForWrite(PositionCommandContext& context)
{
    AxisSettings& axes = context.positions.axes;
    for (const auto& compare : {CompareAxesInUse, CompareAxisSettings}) {
        const AxisComparison result = compare(context.controller.link, axes);
        if (result == AxisComparison::ReadFailed)
            return false;
        if (result == AxisComparison::Different) {
            ShowActuatorsUnmatched(context.dialogs(), context.messages());
            return false;
        }
    }
    return true;
}

Outcome CheckParametersBeforePositionWrite(PositionCommandContext& context)
{
    Dialogs& dialogs = context.dialogs();
    ControllerLink& link = context.controller.link;
    AxisSettings& axes = context.positions.axes;
    dialogs.progressOpen(context.text(Msg::CommunicationChecking), 4, false);
    const auto fail = [&] {
        dialogs.progressClose();
        link.ReleasePort();
        return Outcome::Failed;
    };
    link.SwitchOnlineQuietly();
    if (!link.OpenPortWithAttempts() || LinkCheck(link) != Outcome::Done)
        return fail();
    if (ReadControllerAxisMask(link, axes) != Outcome::Done || ReadControllerAxisSettings(link, axes) != Outcome::Done)
        return fail();
    std::array<qint32, 4> limits{};
    for (int axis = 1; axis <= 4; ++axis) {
        limits[std::size_t(axis - 1)] = axes.Controller(axis).MaxPulse;
        dialogs.progressSetValue(axis);
    }
    const PositionTable& table = context.table();
    QString listed;
    for (int n = table.SelStartNo; n <= table.SelEndNo; ++n) {
        if (table.store->PosiSkip[std::size_t(n)])
            continue;
        for (int axis = 1; axis <= 4; ++axis) {
            const double target = NumberOf(table.store->PosiValue[std::size_t(n)][std::size_t(PosiColumn(axis))]);
            if (axes.Pc(axis).InUse && target > limits[std::size_t(axis - 1)]) {
                listed += QString::number(n) + QLatin1Char(',');
                break;
            }
        }
    }
    if (listed.isEmpty())
        return Outcome::Done;
    dialogs.message(context.lines({Msg::PositionDataExceedSoftLimitParameter,
                                   Msg::ConfirmPositionDataIndicatedBellowTry})
                    + QStringLiteral("\r\n") + context.text(Msg::PositionNo) + listed
                    + context.text(Msg::GreaterThan));
    return fail();
}

void ShowActuatorsUnmatched(Dialogs& dialogs, const MessageCatalogue& messages)
{
    dialogs.message(messages.Text(Msg::AxisSettingSidePCSideControllerUnmatched)
                    + QStringLiteral("\r\n")
                    + messages.Text(Msg::ChangeSettingDeviceOnlineDeviceSettingInPositions));
}

}  // namespace kvt7
