#pragma once

#include "actuators/AxisSetting.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace kvt7 {

class CatalogueFile;
class CliContext;

// The folder of the catalogue and the factory-default lists: the program's.
QString ActuatorProgramFolder();

// The axes and their actuators as the online start reads them into the PC setting. False
// after the failure was shown.
bool ReadActuators(CliContext& context, AxisSettings& axes);

// One line per axis in use: the digit, the model text of its heading (blanks kept), lead,
// PPR and STROKE in pulses, TAB between them.
QString ActuatorLines(const AxisSettings& axes, const CatalogueFile& catalogue);

// {"axes": [{"axis", "model", "lead", "ppr", "stroke_pulses"}, …]} of the axes in use; the
// model as ActuatorLines gives it, without its blanks.
QJsonObject ActuatorsObject(const AxisSettings& axes, const CatalogueFile& catalogue);

// kvt7ctl actuators set AXIS MODEL [--stroke MM].
int SetActuator(CliContext& context, const QStringList& arguments);

}  // namespace kvt7
