#include "ProgramContext.h"

#include "base/MessageCatalogue.h"
#include "link/CommandGroups.h"
#include "platform/Dialogs.h"

#include <QStringList>

namespace kvt7 {

QString ProgramContext::text(int id) const
{
    return messages.Text(id);
}

QString ProgramContext::lines(std::initializer_list<int> ids) const
{
    QStringList texts;
    for (int id : ids)
        texts << text(id);
    return texts.join(QLatin1String("\r\n"));
}

ProgramCommandsLocked::ProgramCommandsLocked(CommandGroups& groups) : groups_(groups)
{
    // The program-wide lock: inside another operation only the outermost one switches.
    if (!groups_.acquireLock())
        return;
    groups_.setCommandsEnabled(false);
    groups_.disableEditingCommands();
}

ProgramCommandsLocked::~ProgramCommandsLocked()
{
    if (groups_.releaseLock())
        groups_.setCommandsEnabled(true);
}

BusyCursor::BusyCursor(Dialogs& dialogs) : dialogs_(dialogs)
{
    dialogs_.setBusyCursor(true);
}

BusyCursor::~BusyCursor()
{
    dialogs_.setBusyCursor(false);
}

}  // namespace kvt7
