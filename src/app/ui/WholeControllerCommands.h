#pragma once

#include "backup/CombinedProgress.h"
#include "backup/WholeController.h"
#include "platform/print/QtPrintPreview.h"
#include "session/SessionParts.h"

#include <QObject>
#include <optional>

namespace kvt7 {

class MainWindowBinding;
class MainWindow;
struct Program;

// File > Backup Controller, Restore Controller and Compare with Backup, and Help > Journal:
// the operations on the whole controller on the program's link, under the command lock like
// the other transfers, recorded in the program's journal.
class WholeControllerCommands : public QObject {
    Q_OBJECT
public:
    WholeControllerCommands(MainWindow& window, Program& program, MainWindowBinding& binding);
    ~WholeControllerCommands() override;

private:
    std::optional<QString> askFolder(int titleId);
    void backup();
    void restore();
    void compare();
    void showJournal();
    BackupOrigin origin();

    MainWindow& window_;
    Program& program_;
    MainWindowBinding& binding_;
    CombinedProgress progress_;
    SessionParts parts_;
    WholeController whole_;
    QtPrintPreview preview_;
};

}  // namespace kvt7
