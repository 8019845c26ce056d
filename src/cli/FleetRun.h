#pragma once

#include "CliOptions.h"

namespace kvt7 {

// Whether a command serves more than one controller at once: backup, compare, version,
// status and where.
bool FleetCommand(const QStringList& commandName);

// The command on every controller of `options` at the same time, each by a run of this
// program with that controller alone: backup DIR and compare DIR take DIR/NAME for each,
// NAME being the last component of the device path as given ("portN" for --port N). The
// output is one block a controller under the heading "[NAME]" (with --json one document
// holding each run's under its NAME); the exit status is 0 when every run succeeded, the
// runs' common status when all failed alike, otherwise 1. Two controllers of the same NAME
// are refused (exit 2, `problem` saying why) before any run starts.
int RunFleet(const CliOptions& options, const QStringList& commandName,
             const QStringList& arguments, const QString& program, QString& problem);

} // namespace kvt7
