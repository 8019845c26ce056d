#include "OfferedCommands.h"

#include "CommandAvailability.h"

namespace kvt7 {

void WithdrawCommandsNotOffered(CommandAvailability& commands)
{
    for (int id : {260, 261, 273, 274, 275, 276, 277, 278, 281, 282, 283})
        commands.setOffered(CommandAvailability::Menu(id), false);
    for (const char* key : {"Print", "InputOutput", "MoveTest", "Group", "SqMacro"})
        commands.setOffered(CommandAvailability::Tool(QString::fromLatin1(key)), false);
    for (const char* button : {"cmdOpenIoWin", "cmdOpenMoveWin", "cmdOpenGrpWindow", "cmdSqMcrWinOpen",
                               "cmdParaHyoji", "cmdJogTeach"})
        commands.setOffered(QString::fromLatin1(button), false);
}

}  // namespace kvt7
