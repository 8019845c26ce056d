#pragma once

#include "parameters/ParameterSet.h"

#include <QStringList>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// Whether one value meets its full-check rule; an empty value never does.
bool ValueInRange(const EditorValues& values, Param p, int axis);

// Full check: every per-axis parameter of each axis in use (as AXIS names them), then the
// common parameters. 0 when all are in range, 1 otherwise.
int CheckParameterValues(const EditorValues& values);

// Axis check, before only the axis blocks are written: OFFSET, PUSH, VEL, OFSVEL, PUSHVEL,
// STROKE, LEAD, PULSE, JOG VEL, TYPE, Actuator, the actuator items and FUNCTION of each
// axis in use. 0 or 1.
int CheckAxisParameterValues(const EditorValues& values);

// Every value the full check refuses, one line each in the order of the check: the name,
// the axis in parentheses for a per-axis value, then the value and what it must be, e.g.
// "OFFSET(1): 0, must be 1..65535" or "HOME OUT: empty, must be 0..3".
QStringList ParameterProblems(const EditorValues& values);

// True when a shown value of an axis in use, or a common value, is empty.
bool CheckEmptyFields(const EditorValues& values);

// Messages 7 and 8: some values are empty.
void ShowEmptyFieldsMessage(Dialogs& dialogs, const MessageCatalogue& messages);
// Messages 9 and 10: some values are out of range.
void ShowInvalidValueMessage(Dialogs& dialogs, const MessageCatalogue& messages);

}  // namespace kvt7
