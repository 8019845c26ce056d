#pragma once

#include "actuators/AxisSetting.h"
#include "base/Outcome.h"
#include "parameters/ParameterSet.h"

namespace kvt7 {

class ControllerLink;

// The controller's own axis data against the PC's. The controller setting of an axis holds
// TypeParameter (TYPE), LeadMm (LEAD), PulsesPerRev (PULSE), FunctionParameter (FUNCTION),
// MaxPulse (its STROKE parameter, in pulses), SizeCode, SpeedCode and StrokeMm.

// After the port and the link check, part B (blocks 6, 8, A, C) of each axis the PC has in
// use into the controller setting; an axis not in use gets zeros and empty codes. The
// controller setting changes only when every block arrived. The port is released. Done or Failed.
Outcome ReadControllerAxisSettings(ControllerLink& link, AxisSettings& axes);

// Whether the controller's axis data differ from the PC's for some axis the PC has in use:
// the encoder against FUNCTION (0 without, 1 or 2 with), LEAD, PULSE, STROKE against
// MaxPulse, the size code, the speed code (except of an "E35", whose speed the controller
// does not keep), the stroke in mm.
bool AxisSettingsDiffer(const AxisSettings& axes);

// How the controller's axis settings compare with the PC's.
enum class AxisComparison { Equal, Different, ReadFailed };

// ReadControllerAxisSettings, then the comparison.
AxisComparison CompareAxisSettings(ControllerLink& link, AxisSettings& axes);

// ReadControllerAxisMask, then whether the controller's axes in use differ from the PC's.
AxisComparison CompareAxesInUse(ControllerLink& link, AxisSettings& axes);

// What the program derives from the controller's axis data of each axis the controller
// setting has in use: TYPE 0/1 KV (1 vertical), any other not KV; FUNCTION non-zero an
// encoder; the size rule; MaxPulse from STROKE; MmPerPulse and MaxMm. Axes not in use get
// MaxPulse and MaxMm 0.
void DeriveControllerAxisFlags(AxisSettings& axes);

// The PC axis settings from the parameter set's editor values: axes in use from AXIS; size,
// speed and stroke from the actuator items; LeadMm from LEAD, PulsesPerRev from PULSE,
// MaxPulse from STROKE; TYPE 0 or 4 not vertical, any other vertical; FUNCTION 1 or 2 an
// encoder; MmPerPulse and MaxMm recomputed. False (nothing changed) when an axis in use
// lacks usable values.
bool TakeAxisSettingsFromParameterSet(const ParameterSet& set, AxisSettings& axes);

}  // namespace kvt7
