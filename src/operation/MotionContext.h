#pragma once

namespace kvt7 {

class CommandGroups;
class ControllerLink;
class ControllerStatus;
class Dialogs;
class MessageCatalogue;
class OperatingMode;
struct AppSettings;
struct AxisSettings;
struct ParameterSet;

// What the move test and the teaching operations work with; the composition root builds one.
// The main window's command groups stand for its lock: they are switched off while an
// operation runs.
struct MotionContext {
    ControllerLink& link;
    ControllerStatus& status;  // alarm and home, as the controller reported them
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& messages;
    AppSettings& settings;
    AxisSettings& axes;
    ParameterSet& parameters;
    CommandGroups& commands;
};

}  // namespace kvt7
