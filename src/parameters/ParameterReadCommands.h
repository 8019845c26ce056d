#pragma once

#include "actuators/AxisSetting.h"
#include "parameters/ParameterSet.h"

#include <functional>

namespace kvt7 {

struct ControllerContext;

// What the read commands need of the windows. An empty step does nothing (no window).
struct ParameterWindowSteps {
    // Parameter editor: enable the controls of the axes in use, disable the others.
    std::function<void()> showAxesInUse;
    // Parameter editor: take every control into the editor values.
    std::function<void()> takeValuesFromControls;
    // Parameter editor: bring it to the front and show the editor values.
    std::function<void()> ShowParameters;
    // Main window: the axis headings, model texts and units after the PC setting changed.
    std::function<void()> RefreshAxisDisplays;
};

// The editor's "Read from C/T". Asks message 355 (Yes/No/Cancel) when no value is empty;
// Yes saves the set to a file first and a save that does not succeed ends the read. Then
// the axes in use (message 359 on failure), the editor's axes, the comparison of the axis
// settings (356 when it fails; 357/358 OK/Cancel when they differ: OK adopts the
// controller's settings, and when that is not possible the program goes Offline), and the
// read of all parameters, which the editor then shows. The port is released in every case.
// 0 read, 1 failed, 2 stopped by the operator.
int ReadParametersIntoEditor(const ControllerContext& controller, ParameterSet& set,
                             AxisSettings& axes, const ParameterWindowSteps& steps);

// The read after a write and from the device window: the axes in use (359 on failure), the
// editor's axes, all parameters into the editor values. 0 or 1.
int ReadParametersBack(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                       const ParameterWindowSteps& steps);

// When the program goes online: the axes in use, then the axis settings, against the PC's.
// A failed read leaves the program Offline (1). Equal: 0. Different: the choice window
// (title 471, question 371, options 372 and 373): cancelled -1; "disregarded" 0; "read"
// reads the parameters, takes the PC axis settings from them and refreshes the axis
// displays (0), or 1 when the read failed or the settings read are not usable (messages
// 4/5).
int CheckAxisSettingsOnConnect(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                               const ParameterWindowSteps& steps);

// Controller > Check of AXIS Setting: the axes in use; on success the axis displays are
// refreshed and message 412, the mask in decimal, message 413 shown ("Axis setting is 5.").
// A failure is reported with message 359. Disabling the commands is the caller's. 0 or 1.
int CheckOfAxisSetting(const ControllerContext& controller, ParameterSet& set, AxisSettings& axes,
                       const ParameterWindowSteps& steps);

}  // namespace kvt7
