#pragma once

#include "parameters/ParameterSet.h"

namespace kvt7 {

enum class RecordSource {
    File,        // all four axes; actuator items split from "Actuator"
    Controller,  // the axes in use only; actuator items as the blocks carried them
};

// Copies the parameter record into the editor values, common items from axis 1's row.
// After a file load an empty STOP/PAUSE or hidden common item becomes 0.
void ApplyRecordToEditorValues(ParameterSet& set, RecordSource source);

}  // namespace kvt7
