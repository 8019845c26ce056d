#pragma once

#include "parameters/ParameterSet.h"
#include "platform/PageCanvas.h"

#include <QString>

namespace kvt7 {

class MessageCatalogue;

// The parameter listing's own copy of the values; the axes in use are those its AXIS names.
struct ParameterListing {
    EditorValues values;
    QString fileName;  // without folder; empty for the values on screen
};

// The text a list parameter prints for a value: its list entry, or the bare number when
// the list has no such entry (only a file can hold one). Empty for an empty value.
QString ParameterValueText(const MessageCatalogue& messages, Param p, std::optional<qint64> value);
// Whether a parameter prints as a list text (or the actuator text) rather than a number.
bool PrintsAsText(Param p);

// One page: title, the five groups with a column per axis, "--" for an axis not in use.
void LayoutParameterListing(PageCanvas& canvas, const ParameterListing& listing,
                            const MessageCatalogue& messages);

}  // namespace kvt7
