#pragma once

namespace kvt7 {

class CommandAvailability;

// Withdraws the commands of the windows this program does not have (printing, the I/O,
// move-test, group, S/M, teaching, options and device windows, the parameter editor): they
// stay disabled whatever the operations switch.
void WithdrawCommandsNotOffered(CommandAvailability& commands);

}  // namespace kvt7
