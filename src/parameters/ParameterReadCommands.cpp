#include "ParameterReadCommands.h"
#include "base/MessageIds.h"

#include "actuators/AxisSettingRules.h"
#include "base/MessageCatalogue.h"
#include "base/OperatingMode.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "parameters/BlockExchange.h"
#include "parameters/ControllerAxisSettings.h"
#include "parameters/ParameterChecks.h"
#include "parameters/ParameterFileOperations.h"
#include "parameters/ParameterTransfer.h"
#include "parameters/RecordApply.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

const QString kNewLine = QStringLiteral("\r\n");

void Run(const std::function<void()>& step)
{
    if (step)
        step();
}

void Show(const ControllerContext& controller, const QString& text)
{
    controller.dialogs.message(text, Buttons::Ok, Icon::None);
}

int ReadAxesInUse(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes)
{
    if (ReadAxisMask(controller.link, set, axes) == 0)
        return 0;
    Show(controller, controller.messages.Text(Msg::FailedGetAxisSetting));
    return 1;
}

// The operator may take the controller's axis settings as the PC's: 0 taken, 1 not possible
// (the program is Offline now), 2 declined.
int OfferControllerAxisSettings(const ControllerContext& controller, AxisSettings& axes,
                                const ParameterWindowSteps& steps)
{
    const MessageCatalogue& texts = controller.messages;
    const Answer answer = controller.dialogs.message(
            texts.Text(Msg::AxisSettingSidePCSideControllerUnmatched) + kNewLine
                    + texts.Text(Msg::ReadAxisSettingInsideController),
            Buttons::OkCancel, Icon::Question);
    if (answer != Answer::Ok)
        return 2;
    if (ReadControllerAxisSettings(controller.link, axes) != 0 || !AdoptControllerAxisSettings(axes)) {
        controller.link.SetOffline();
        return 1;
    }
    Run(steps.RefreshAxisDisplays);
    controller.link.SetOnline();
    return 0;
}

int ReadIntoEditor(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                   const ParameterWindowSteps& steps)
{
    if (ReadAxesInUse(controller, set, axes) != 0)
        return 1;
    Run(steps.showAxesInUse);
    const int compared = CompareAxisSettings(controller.link, axes);
    if (compared < 0) {
        Show(controller, controller.messages.Text(Msg::FailedCheckParameters));
        return 1;
    }
    if (compared > 0) {
        if (const int offered = OfferControllerAxisSettings(controller, axes, steps); offered != 0)
            return offered;
    }
    if (ReadAllParameters(controller, set) != 0)
        return 1;
    ApplyRecordToEditorValues(set, RecordSource::Controller);
    set.currentFile.clear();
    Run(steps.ShowParameters);
    return 0;
}

}  // namespace

int ReadParametersIntoEditor(const ControllerContext& controller, ParameterSet& set,
                             AxisSettings& axes, const ParameterWindowSteps& steps)
{
    Dialogs& dialogs = controller.dialogs;
    const MessageCatalogue& texts = controller.messages;
    Run(steps.takeValuesFromControls);
    if (!CheckEmptyFields(set.editor)) {
        const Answer answer = dialogs.message(texts.Text(Msg::SaveEditingDataBeforeReadingData),
                                              Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return 2;
        // Reading over edits that could not be saved would lose them.
        if (answer == Answer::Yes) {
            if (const int saved
                = SaveParameterFile(set, dialogs, texts, steps.takeValuesFromControls);
                saved != 0)
                return saved;
        }
    }
    const int result = ReadIntoEditor(controller, set, axes, steps);
    controller.link.ReleasePort();
    return result;
}

int ReadParametersBack(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                       const ParameterWindowSteps& steps)
{
    int result = ReadAxesInUse(controller, set, axes);
    if (result == 0) {
        Run(steps.showAxesInUse);
        result = ReadAllParameters(controller, set);
        if (result == 0)
            ApplyRecordToEditorValues(set, RecordSource::Controller);
    }
    controller.link.ReleasePort();
    return result;
}

int CheckAxisSettingsOnConnect(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                               const ParameterWindowSteps& steps)
{
    int differs = CompareAxesInUse(controller.link, axes);
    if (differs == 0)
        differs = CompareAxisSettings(controller.link, axes);
    if (differs < 0) {
        controller.link.SetOffline();
        return 1;
    }
    if (differs == 0)
        return 0;
    const MessageCatalogue& texts = controller.messages;
    const int choice = controller.dialogs.choice(
            texts.Text(Msg::Select), texts.Text(Msg::SettingAXISDeviceDiffersPCSoftware),
            {texts.Text(Msg::SettingControllerRead), texts.Text(Msg::SettingControllerDisregarded)},
            false);
    if (choice < 0)
        return -1;
    if (choice != 0)
        return 0;
    if (ReadParametersBack(controller, set, axes, steps) != 0)
        return 1;
    if (!TakeAxisSettingsFromParameterSet(set, axes)) {
        Show(controller,
             texts.Text(Msg::DeviceTypeNotSelected) + kNewLine
                     + texts.Text(Msg::SelectDeviceTypeAgain));
        return 1;
    }
    Run(steps.RefreshAxisDisplays);
    return 0;
}

int CheckOfAxisSetting(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                       const ParameterWindowSteps& steps)
{
    controller.link.SwitchOnlineQuietly();
    if (ReadAxesInUse(controller, set, axes) != 0)
        return 1;
    Run(steps.RefreshAxisDisplays);
    const MessageCatalogue& texts = controller.messages;
    controller.dialogs.message(texts.Text(Msg::AxisSetting) + QString::number(set.editor.axisMask())
                                       + texts.Text(Msg::FullStop),
                               Buttons::Ok, Icon::Information);
    return 0;
}

}  // namespace kvt7
