#pragma once

#include "base/Outcome.h"
#include "link/ControllerVersionInfo.h"

#include <QString>

namespace kvt7 {

class CommandGroups;
class ControllerLink;
struct ControllerContext;
class MessageCatalogue;

// The type digit of a KV-M8 in the "0RV" reply.
constexpr int kKvM8TypeDigit = 4;

// Port (6 attempts, no message), link check, then "0RV" (11 characters): the version from
// characters 4-6 and the type digit from character 8. Done or Failed.
Outcome ReadControllerVersion(ControllerLink& link, ControllerVersionInfo& version);

// "0RV" + axis digit (12 characters) for each axis in use, in order: the axis version from
// characters 5-7. A failed read is remembered and the next axis asked; an identification
// other than "M8R" in characters 8-10 is remembered and ends the asking (and is reported
// through foreignIdentification, since no exchange failed). Done or Failed.
Outcome ReadAxisVersions(ControllerLink& link, ControllerVersionInfo& version, const AxesInUse& axes,
                         bool* foreignIdentification = nullptr);

bool IsKvM8(const ControllerVersionInfo& version);

// Message 426, a blank line, "<" 427 ">  " and the main version, then for each axis in use
// a blank line, "<" 1404+n ">  " and its version.
QString VersionMessageText(const MessageCatalogue& catalogue, const ControllerVersionInfo& version,
                           const AxesInUse& axes);

// The status bar's first panel: message 416 and the version after a successful read,
// message 415 otherwise.
QString VersionStatusText(const MessageCatalogue& catalogue, bool readSucceeded,
                          const ControllerVersionInfo& version);

struct VersionDisplayResult {
    Outcome result = Outcome::Failed;  // Done when the version message was shown
    QString statusText;   // for the status bar
};

// Controller > Version Of C/T: disables the commands, reads the controller's and the axes'
// versions, shows them in one message, releases the port and enables the commands again
// (the editing commands stay disabled).
VersionDisplayResult ShowControllerVersion(const ControllerContext& controller, const AxesInUse& axes,
                                           CommandGroups& commands);

}  // namespace kvt7
