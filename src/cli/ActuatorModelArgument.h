#pragma once

#include <QString>
#include <optional>

namespace kvt7 {

// The MODEL of "kvt7ctl actuators set", written as the grid shows it:
// FAMILY-SIZESPEED[-STROKE][E][V][(Old)], e.g. "KV-28H-200", "KV- 35M-200V(Old)".
struct ActuatorModelArgument {
    bool kv = true;             // "KV" or "RQ"
    QString size;               // three characters: " 28", "E35"
    QString speed;              // one capital letter
    std::optional<int> stroke;  // the three digits, when given
    bool withPg = false;        // "E"
    bool vertical = false;      // "V"
    bool oldType = false;       // "(Old)"
};

// nullopt when the text is not such a model, or asks for what the device window does not
// offer: "E" or "V" for an RQ actuator, "(Old)" for a size that is built new-type only.
// Blanks and "_" are ignored.
std::optional<ActuatorModelArgument> ParseActuatorModelArgument(const QString& text);

}  // namespace kvt7
