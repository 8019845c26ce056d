#include "UndoCommands.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/UndoStack.h"
#include "link/CommandGroups.h"

namespace kvt7 {

UndoCommandTexts UndoCommandTextsOf(const UndoStack& stack, const MessageCatalogue& messages)
{
    const auto named = [&messages](bool has, int plain, int withStep, const QString& step) {
        return has ? messages.Text(withStep).arg(step) : messages.Text(plain);
    };
    return {named(stack.canUndo(), Msg::UndoU, Msg::UndoStepU, stack.undoText()),
            named(stack.canRedo(), Msg::RedoR, Msg::RedoStepR, stack.redoText()),
            named(stack.canUndo(), Msg::UndoTip, Msg::UndoStep, stack.undoText()),
            named(stack.canRedo(), Msg::RedoTip, Msg::RedoStep, stack.redoText())};
}

void RefuseStepsWhileLocked(UndoStack& stack, const CommandGroups& groups)
{
    stack.setRefusal([&groups] { return groups.locked(); });
}

}  // namespace kvt7
