#pragma once

#include "actuators/AxisSetting.h"
#include "base/AppSettings.h"
#include "positions/PositionCheck.h"
#include "positions/PositionEvents.h"
#include "positions/PositionGrid.h"
#include "positions/PositionTable.h"

namespace kvt7 {

class CatalogueFile;
class Clipboard;
class Dialogs;
class MessageCatalogue;
class RangeChooser;
class ResultWindow;

// Everything the grid and table operations work with. The main window builds one and keeps
// it as long as the grid lives; the operations take it by reference.
struct PositionContext {
    PositionTable& table;
    PositionGrid& grid;
    AxisSettings& axes;              // the grid follows the program's copy (pc)
    AppSettings& settings;           // DispMmUnit, MmRoundUp
    const MessageCatalogue& messages;
    const CatalogueFile& catalogue;  // option codes of the model designations
    Dialogs& dialogs;
    Clipboard& clipboard;
    RangeChooser& ranges;            // the three range dialogs
    ResultWindow& results; // VerifyResultWindow
    PositionEvents& events;

    bool mmDisplay() const { return settings.DispMmUnit; }
    // axis 1..4
    const AxisSetting& axis(int axis) const { return axes.Pc(axis); }
    bool inUse(int axis) const { return axes.Pc(axis).InUse; }
    CheckContext check() const;
};

}  // namespace kvt7
