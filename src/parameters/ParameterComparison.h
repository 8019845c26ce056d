#pragma once

#include "parameters/ParameterSet.h"

#include <QString>
#include <vector>

namespace kvt7 {

class MessageCatalogue;

// The differences between the editor values and the parameter record, one list per group,
// each entry closed by a comma: "OFFSET(1),PUSH(3)," or "AXIS,".
struct ParameterDifferences {
    QString homing;
    QString axis;
    QString pg;
    QString etc;
    QString special;  // the common special entries first, then the per-axis ones

    bool none() const;
};

// One compared parameter whose editor value and record value differ, with both as text.
struct ParameterDifference {
    const ParameterInfo* info = nullptr;
    int axis = 1;  // 1 for a common parameter
    QString editorText;
    QString recordText;
};

// Compares each value of the axes in use (as the editor's AXIS names them) and the common
// values with the record: the common ones first, then axis by axis in table order.
// "Actuator" is compared as the editor's actuator items spell it.
std::vector<ParameterDifference> DifferingParameters(const ParameterSet& set);

// The same, as the verification report lists them.
ParameterDifferences CompareWithRecord(const ParameterSet& set);

// Message 826 when nothing differs; otherwise message 823 and, per group with differences
// (homing, axis, PG, Etc, special), a line "<" caption "> :" and its list, joined by CR LF.
QString VerificationMessage(const ParameterDifferences& differences,
                            const MessageCatalogue& messages);

}  // namespace kvt7
