#pragma once

#include "actuators/AxisSetting.h"

#include <QString>
#include <array>

namespace kvt7 {

class MessageCatalogue;

// The format check of an actuator choice: a size of exactly three characters, one speed
// letter "A" to "Z", a stroke of 10 to 500 mm.
bool ValidateAxisSetting(const QString& size, const QString& speed, int stroke);

// " 20", " 42" and "E35" exist only as new-type actuators.
bool IsNewTypeOnlySize(const QString& size);
// Sets NewType when the size exists only as a new-type actuator.
void ApplySizeRule(AxisSetting& axis);

// The actuator type as the operator reads it: message 126 "(New)" or 127 "(Old)".
QString TypeLabel(bool newType, const MessageCatalogue& messages);
// The type text of the position file: "NEW" or "OLD".
QString TypeFileText(bool newType);
// The label of a type text read from a file: "NEW" gives message 126, anything else 127.
QString TypeLabelOfFileText(const QString& typeText, const MessageCatalogue& messages);

// For every axis the PC has in use: NewType, SizeCode, SpeedCode, StrokeMm, WithPg and
// Vertical from the PC setting into the recorded setting.
void RecordPcActuators(AxisSettings& settings);
// The recorded axes in use become the PC's; the same six fields go from the recorded
// setting into the PC setting for every axis in use.
void AdoptFileActuators(AxisSettings& settings);
// 1 when an axis the recorded setting has in use differs from the PC in one of the six
// fields, otherwise 0.
int FileActuatorsDifferFromPc(const AxisSettings& settings);

// The axis values of the parameter set that the PC setting is taken from.
struct AxisParameterValues {
    QString SizeCode;    // actuator size code (3 characters)
    QString SpeedCode;   // actuator speed code
    int StrokeMm = 0;    // actuator stroke in mm
    int Lead = 0;        // LEAD
    int Pulse = 0;       // PULSE
    qint32 Stroke = 0;   // STROKE, in pulses
    int Type = 0;        // TYPE
    int Function = 0;    // FUNCTION
};

// An axis value set the conversions can work with: size and speed given, a stroke, a
// lead and a PPR above 0.
bool IsUsableAxisData(const QString& size, const QString& speed, int strokeMm, int lead, int pulse);

// Takes the PC axis settings from the parameter set: axes in use from the AXIS mask (bit 0
// = axis 1), then for each axis in use size, speed, stroke, LeadMm from LEAD, PulsesPerRev
// from PULSE, MaxPulse from STROKE; TYPE 0 or 4 is not vertical, any other TYPE vertical;
// FUNCTION 1 or 2 has an encoder; the size rule applies; MmPerPulse and MaxMm follow.
// An axis not in use gets MaxPulse and MaxMm 0. When an axis in use holds values that
// cannot be used, nothing is changed and false is returned.
bool TakeAxisSettingsFromParameters(std::array<AxisSetting, kAxisCount>& pc, int axisMask,
                                    const std::array<AxisParameterValues, kAxisCount>& values);

// Adopts the controller setting as the PC setting for every axis the PC has in use: size,
// speed, stroke, lead, PPR and MaxPulse as read; TYPE 0 is KV not vertical, 1 KV vertical,
// any other value not KV; FUNCTION non-zero has an encoder; the size rule applies;
// MmPerPulse and MaxMm follow. When an axis in use lacks its data (empty size or speed,
// zero stroke, lead or PPR), nothing is changed and false is returned.
bool AdoptControllerAxisSettings(AxisSettings& settings);

}  // namespace kvt7
