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

Outcome ReadAxesInUse(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes)
{
    if (ReadAxisMask(controller.link, set, axes) == Outcome::Done)
        return Outcome::Done;
    Show(controller, controller.messages.Text(Msg::FailedGetAxisSetting));
    return Outcome::Failed;
}

// The operator may take the controller's axis settings as the PC's: Failed when that is not
// possible (the program is Offline now), Cancelled when declined.
Outcome OfferControllerAxisSettings(const ControllerContext& controller, AxisSettings& axes,
                                    const ParameterWindowSteps& steps)
{
    const MessageCatalogue& texts = controller.messages;
    const Answer answer = controller.dialogs.message(
            texts.Text(Msg::AxisSettingSidePCSideControllerUnmatched) + kNewLine
                    + texts.Text(Msg::ReadAxisSettingInsideController),
            Buttons::OkCancel, Icon::Question);
    if (answer != Answer::Ok)
        return Outcome::Cancelled;
    if (ReadControllerAxisSettings(controller.link, axes) != Outcome::Done || !AdoptControllerAxisSettings(axes)) {
        controller.link.SetOffline();
        return Outcome::Failed;
    }
    Run(steps.RefreshAxisDisplays);
    controller.link.SetOnline();
    return Outcome::Done;
}

Outcome ReadIntoEditor(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                       const ParameterWindowSteps& steps)
{
    if (ReadAxesInUse(controller, set, axes) != Outcome::Done)
        return Outcome::Failed;
    Run(steps.showAxesInUse);
    const AxisComparison compared = CompareAxisSettings(controller.link, axes);
    if (compared == AxisComparison::ReadFailed) {
        Show(controller, controller.messages.Text(Msg::FailedCheckParameters));
        return Outcome::Failed;
    }
    if (compared == AxisComparison::Different) {
        if (const Outcome offered = OfferControllerAxisSettings(controller, axes, steps); offered != Outcome::Done)
            return offered;
    }
    if (ReadAllParameters(controller, set) != Outcome::Done)
        return Outcome::Failed;
    ApplyRecordToEditorValues(set, RecordSource::Controller);
    set.currentFile.clear();
    Run(steps.ShowParameters);
    return Outcome::Done;
}

}  // namespace

Outcome ReadParametersIntoEditor(const ControllerContext& controller, ParameterSet& set,
                                 AxisSettings& axes, const ParameterWindowSteps& steps)
{
    Dialogs& dialogs = controller.dialogs;
    const MessageCatalogue& texts = controller.messages;
    Run(steps.takeValuesFromControls);
    if (!CheckEmptyFields(set.editor)) {
        const Answer answer = dialogs.message(texts.Text(Msg::SaveEditingDataBeforeReadingData),
                                              Buttons::YesNoCancel, Icon::Question);
        if (answer == Answer::Cancel)
            return Outcome::Cancelled;
        // Reading over edits that could not be saved would lose them.
        if (answer == Answer::Yes) {
            if (const Outcome saved
                = SaveParameterFile(set, dialogs, texts, steps.takeValuesFromControls);
                saved != Outcome::Done)
                return saved;
        }
    }
    const Outcome result = ReadIntoEditor(controller, set, axes, steps);
    controller.link.ReleasePort();
    return result;
}

Outcome ReadParametersBack(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                           const ParameterWindowSteps& steps)
{
    Outcome result = ReadAxesInUse(controller, set, axes);
    if (result == Outcome::Done) {
        Run(steps.showAxesInUse);
        result = ReadAllParameters(controller, set);
        if (result == Outcome::Done)
            ApplyRecordToEditorValues(set, RecordSource::Controller);
    }
    controller.link.ReleasePort();
    return result;
}

Outcome CheckAxisSettingsOnConnect(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                                   const ParameterWindowSteps& steps)
{
    AxisComparison differs = CompareAxesInUse(controller.link, axes);
    if (differs == AxisComparison::Equal)
        differs = CompareAxisSettings(controller.link, axes);
    if (differs == AxisComparison::ReadFailed) {
        controller.link.SetOffline();
        return Outcome::Failed;
    }
    if (differs == AxisComparison::Equal)
        return Outcome::Done;
    const MessageCatalogue& texts = controller.messages;
    const int choice = controller.dialogs.choice(
            texts.Text(Msg::Select), texts.Text(Msg::SettingAXISDeviceDiffersPCSoftware),
            {texts.Text(Msg::SettingControllerRead), texts.Text(Msg::SettingControllerDisregarded)},
            false);
    if (choice < 0)
        return Outcome::Cancelled;
    if (choice != 0)
        return Outcome::Done;
    if (ReadParametersBack(controller, set, axes, steps) != Outcome::Done)
        return Outcome::Failed;
    if (!TakeAxisSettingsFromParameterSet(set, axes)) {
        Show(controller,
             texts.Text(Msg::DeviceTypeNotSelected) + kNewLine
                     + texts.Text(Msg::SelectDeviceTypeAgain));
        return Outcome::Failed;
    }
    Run(steps.RefreshAxisDisplays);
    return Outcome::Done;
}

Outcome CheckOfAxisSetting(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                           const ParameterWindowSteps& steps)
{
    controller.link.SwitchOnlineQuietly();
    if (ReadAxesInUse(controller, set, axes) != Outcome::Done)
        return Outcome::Failed;
    Run(steps.RefreshAxisDisplays);
    const MessageCatalogue& texts = controller.messages;
    controller.dialogs.message(texts.Text(Msg::AxisSetting) + QString::number(set.editor.axisMask())
                                       + texts.Text(Msg::FullStop),
                               Buttons::Ok, Icon::Information);
    return Outcome::Done;
}

}  // namespace kvt7
