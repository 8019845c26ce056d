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

// 0 equal, 1 different, -1 a read failed.
int CompareWithController(PositionCommandContext& context)
{
    AxisSettings& axes = context.positions.axes;
    const int inUse = CompareAxesInUse(context.controller.link, axes);
    if (inUse != 0)
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
    if (ReadControllerAxisSettings(context.controller.link, candidate) != 0)
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
    const int compared = CompareWithController(context);
    if (compared < 0) {
        dialogs.message(
                context.lines({Msg::CommunicationErrorOccursInLink, Msg::ReadingDataStopped}));
        return false;
    }
    if (compared == 0)
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
        const int result = compare(context.controller.link, axes);
        if (result < 0)
            return false;
        if (result == 1) {
            context.dialogs().message(
                    context.lines({Msg::AxisSettingSidePCSideControllerUnmatched,
                                   Msg::ChangeSettingDeviceOnlineDeviceSettingInPositions}));
            return false;
        }
    }
    return true;
}

int CheckParametersBeforePositionWrite(PositionCommandContext& context)
{
    Dialogs& dialogs = context.dialogs();
    ControllerLink& link = context.controller.link;
    AxisSettings& axes = context.positions.axes;
    dialogs.progressOpen(context.text(Msg::CommunicationChecking), 4, false);
    const auto fail = [&] {
        dialogs.progressClose();
        link.ReleasePort();
        return 1;
    };
    link.SwitchOnlineQuietly();
    if (!link.OpenPortWithAttempts() || LinkCheck(link) != 0)
        return fail();
    if (ReadControllerAxisMask(link, axes) != 0 || ReadControllerAxisSettings(link, axes) != 0)
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
        return 0;
    dialogs.message(context.lines({Msg::PositionDataExceedSoftLimitParameter,
                                   Msg::ConfirmPositionDataIndicatedBellowTry})
                    + QStringLiteral("\r\n") + context.text(Msg::PositionNo) + listed
                    + context.text(Msg::GreaterThan));
    return fail();
}

}  // namespace kvt7
