#pragma once

#include "platform/ui/QtClipboard.h"
#include "positions/PositionCommandContext.h"
#include "positions/PositionContext.h"
#include "positions/ui/frmDataShogo.h"
#include "positions/ui/QtRangeChooser.h"
#include "positions/ui/frmSyogoKekka.h"

#include <QObject>
#include <functional>

namespace kvt7 {

class frmMain;
struct Workbench;

// Connects the main window to the program's operations: the lamps and the alarm frame follow
// the link, the grid shows the position table, and the menu items, tool-bar buttons and
// command buttons start the operations. Lives as long as the main window.
class MainWindowBinding : public QObject {
    Q_OBJECT
public:
    MainWindowBinding(frmMain& window, Workbench& workbench);

    PositionContext& positions() { return positions_; }
    PositionCommandContext& positionCommands() { return commands_; }

private:
    void bindLampsAndAlarm();
    void bindPositionEvents();
    void bindControllerCommands();
    void bindEditCommands();
    void bindTableCommands();
    // A command from a menu item, a tool-bar key and a command button alike; every command
    // first switches the editing commands off (they come back with a click into the grid).
    void onCommand(std::initializer_list<const char*> menuItems, const QString& toolKey,
                   const QString& button, const std::function<void()>& run);
    void prepareGrid();
    void showAxisData();
    void buildGrid();

    frmMain& window_;
    Workbench& workbench_;
    QtClipboard clipboard_;
    QtRangeChooser ranges_;
    frmSyogoKekka results_;
    QtVerifySourceChooser verifySources_;
    PositionContext positions_;
    PositionCommandContext commands_;
};

}  // namespace kvt7
