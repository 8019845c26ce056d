#pragma once

#include "base/AppSettings.h"
#include "link/ControllerContext.h"
#include "positions/PositionContext.h"
#include "positions/PositionFile.h"

#include <QString>
#include <functional>

namespace kvt7 {

class CommandGroups;
struct DefaultLists;
struct ParameterSet;

// Everything the position commands of the main window work with: the grid and table
// operations' context, the controller link, the parameter set with its default lists, where
// the program's files lie and how the main window's commands are switched.
struct PositionCommandContext {
    PositionContext& positions;
    ControllerContext& controller;
    ParameterSet& parameters;
    DefaultLists& defaultLists;
    QString programFolder;
    SettingsSection section;   // the axis settings are persisted when they are taken over
    CommandGroups& groups;
    // The grid refuses input and stops redrawing while frozen. Empty: nothing to do.
    std::function<void(bool frozen)> freezeGrid;

    const MessageCatalogue& messages() const { return positions.messages; }
    Dialogs& dialogs() const { return positions.dialogs; }
    PositionTable& table() const { return positions.table; }
    QString text(int id) const;
    // Texts joined by CR LF, as message boxes show them.
    QString lines(std::initializer_list<int> ids) const;
};

// While it lives the command buttons, tool bar, menus and editing commands are off and the
// grid frozen; on every way out they come back (the editing commands wait for the grid).
// It holds the program-wide lock of CommandGroups: only the outermost switches.
class CommandsLocked {
public:
    explicit CommandsLocked(PositionCommandContext& context);
    ~CommandsLocked();
    CommandsLocked(const CommandsLocked&) = delete;
    CommandsLocked& operator=(const CommandsLocked&) = delete;

private:
    PositionCommandContext& context_;
};

// The four model label captions (ModelLabel of each axis in use, "" otherwise) and the type
// texts of a position file ("NEW" for an axis without model text or not in use).
PositionFileHeader FileHeaderOf(const PositionContext& context);

}  // namespace kvt7
