#include "ChangeDevice.h"
#include "base/MessageIds.h"

#include "actuators/AxisSettingRules.h"
#include "actuators/AxisSettingStore.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/FactoryDefaults.h"
#include "parameters/ParameterFileOperations.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void ShowUnusableActuators(Dialogs& dialogs, const MessageCatalogue& messages)
{
    dialogs.message(messages.Text(Msg::DeviceTypeNotSelected) + kCrLf
                    + messages.Text(Msg::SelectDeviceTypeAgain));
}

// The new state becomes the program's: the recorded setting follows the PC's, the store is
// written, the program stays Offline and the grid shows the change.
void Commit(DeviceChangeContext& context, ParameterSet& parameters, AxisSettings& axes)
{
    RecordPcActuators(axes);
    context.parameters = std::move(parameters);
    context.axes = axes;
    SaveAxisSettingsToStore(context.store, context.axes);
    context.mode.SetOffline();
    if (context.showChange)
        context.showChange();
}

// False: back to the choice window (the failure has been shown, or the dialog cancelled).
bool TakeFromFile(DeviceChangeContext& context)
{
    ParameterSet parameters = context.parameters;
    if (OpenParameterFile(parameters, context.dialogs, context.messages) != 0)
        return false;
    AxisSettings axes = context.axes;
    if (!TakeAxisSettingsFromParameterSet(parameters, axes)) {
        ShowUnusableActuators(context.dialogs, context.messages);
        return false;
    }
    Commit(context, parameters, axes);
    return true;
}

}  // namespace

bool TakeActuatorsFromParameters(const ParameterSet& parameters, AxisSettings& axes,
                                 const DeviceAxes& chosen, Dialogs& dialogs,
                                 const MessageCatalogue& messages)
{
    AxisSettings taken = axes;
    if (!TakeAxisSettingsFromParameterSet(parameters, taken)) {
        ShowUnusableActuators(dialogs, messages);
        return false;
    }
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        AxisSetting& pc = taken.Pc(axis);
        if (!pc.InUse)
            continue;
        const AxisSetting& choice = chosen.at(std::size_t(axis - 1));
        pc.Family = choice.Family;
        pc.IsKv = choice.IsKv;
        pc.NewType = choice.NewType;
        // The controller holds an "E35" with a speed code of its own, so it reads back as
        // "L"; the chosen speed is the actuator's.
        if (pc.SizeCode == QLatin1String("E35") && choice.SizeCode == pc.SizeCode)
            pc.SpeedCode = choice.SpeedCode;
        pc.Chosen = true;
        ApplySizeRule(pc);
    }
    axes = taken;
    return true;
}

int TakeChosenActuators(DeviceChangeContext& context, const DeviceAxes& chosen)
{
    ParameterSet parameters = context.parameters;
    FactoryDefaultsRequest request;
    request.programFolder = context.programFolder;
    request.recorded = chosen;
    if (ApplyFactoryDefaults(parameters, context.defaultLists, request, context.dialogs,
                             context.messages)
        != 0)
        return 1;
    AxisSettings axes = context.axes;
    if (!TakeActuatorsFromParameters(parameters, axes, chosen, context.dialogs, context.messages))
        return 1;
    Commit(context, parameters, axes);
    return 0;
}

int ChangeDevice(DeviceChangeContext& context)
{
    const MessageCatalogue& texts = context.messages;
    for (;;) {
        const int choice
                = context.dialogs.choice(texts.Text(Msg::Select), texts.Text(Msg::ActuatorSetting),
                                         {texts.Text(Msg::TypeKVSelectedDefaultParameterRead),
                                          texts.Text(Msg::ParameterFileOpened)},
                                         false);
        if (choice < 0)
            return 2;
        if (choice == 0) {
            DeviceAxes chosen = context.axes.pc;
            if (!context.chooseActuators || !context.chooseActuators(chosen))
                return 2;
            return TakeChosenActuators(context, chosen);
        }
        if (TakeFromFile(context))
            return 0;
    }
}

}  // namespace kvt7
