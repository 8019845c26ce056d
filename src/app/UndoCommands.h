#pragma once

#include <QString>

namespace kvt7 {

class CommandGroups;
class MessageCatalogue;
class UndoStack;

// What the Undo and Redo menu items and tool-bar buttons show: the step they would take back
// or do again ("Undo Paste 40 lines"), or their plain names when there is none.
struct UndoCommandTexts {
    QString undoItem;
    QString redoItem;
    QString undoTip;
    QString redoTip;
};

UndoCommandTexts UndoCommandTextsOf(const UndoStack& stack, const MessageCatalogue& messages);

// Undo and redo are refused while an operation holds the program-wide lock.
void RefuseStepsWhileLocked(UndoStack& stack, const CommandGroups& groups);

}  // namespace kvt7
