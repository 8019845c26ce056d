#include "base/UndoStack.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace kvt7;

namespace {

// A step over one number: the value before and after it.
struct SetValue final : UndoCommand {
    SetValue(int& target, int before, int after)
        : UndoCommand(QStringLiteral("set %1").arg(after)), target(target), before(before), after(after)
    {
    }
    void undo() override { target = before; }
    void redo() override { target = after; }
    int& target;
    int before;
    int after;
};

void Set(UndoStack& stack, int& value, int to)
{
    const int before = value;
    value = to;
    stack.push(std::make_unique<SetValue>(value, before, to));
}

}  // namespace

TEST(UndoStack, UndoRedoAndANewStepDropsWhatCouldBeRedone)
{
    UndoStack stack;
    int value = 0;
    EXPECT_FALSE(stack.undo());
    Set(stack, value, 1);
    Set(stack, value, 2);
    EXPECT_EQ(stack.undoText(), "set 2");
    EXPECT_TRUE(stack.undo());
    EXPECT_EQ(value, 1);
    EXPECT_EQ(stack.redoText(), "set 2");
    Set(stack, value, 5);
    EXPECT_FALSE(stack.canRedo());
    EXPECT_EQ(stack.count(), 2);
    EXPECT_TRUE(stack.undo());
    EXPECT_TRUE(stack.undo());
    EXPECT_EQ(value, 0);
    EXPECT_FALSE(stack.undo());
    EXPECT_TRUE(stack.redo());
    EXPECT_TRUE(stack.redo());
    EXPECT_EQ(value, 5);
    EXPECT_FALSE(stack.redo());
}

TEST(UndoStack, CleanStateFollowsUndoRedoAndIsLostWithItsBranchOrBeyondTheLimit)
{
    UndoStack stack;
    QSignalSpy clean(&stack, &UndoStack::cleanChanged);
    int value = 0;
    Set(stack, value, 1);
    stack.setClean();               // saved with 1
    Set(stack, value, 2);
    EXPECT_FALSE(stack.isClean());
    stack.undo();
    EXPECT_TRUE(stack.isClean());
    stack.undo();
    EXPECT_FALSE(stack.isClean());
    stack.redo();
    EXPECT_TRUE(stack.isClean());
    EXPECT_EQ(clean.count(), 6);
    stack.undo();
    Set(stack, value, 7);           // the saved state can no longer be reached
    stack.undo();
    stack.redo();
    EXPECT_FALSE(stack.isClean());

    stack.clear(false);             // cleared with unsaved changes: no state is the saved one
    EXPECT_FALSE(stack.isClean());
    stack.clear();
    EXPECT_TRUE(stack.isClean());

    // 201 steps: the first falls off, and with it the clean state it stood on.
    EXPECT_EQ(stack.undoLimit(), 200);
    for (int i = 1; i <= 201; ++i)
        Set(stack, value, 100 + i);
    EXPECT_EQ(stack.count(), 200);
    while (stack.undo()) {
    }
    EXPECT_EQ(value, 101) << "the oldest step kept is the second";
    EXPECT_FALSE(stack.isClean());
}

TEST(UndoStack, RefusedWhileLockedAndAChangeDuringUndoIsNoNewStep)
{
    UndoStack stack;
    bool locked = false;
    stack.setRefusal([&locked] { return locked; });
    int value = 0;
    Set(stack, value, 1);
    locked = true;
    EXPECT_FALSE(stack.undo());
    EXPECT_EQ(value, 1);
    locked = false;
    EXPECT_TRUE(stack.undo());
    locked = true;
    EXPECT_FALSE(stack.redo());
    EXPECT_EQ(value, 0);

    // A step whose undo runs code that records would otherwise record itself.
    struct Recording final : UndoCommand {
        explicit Recording(UndoStack& stack) : UndoCommand(QStringLiteral("r")), stack(stack) {}
        void undo() override { stack.push(std::make_unique<Recording>(stack)); }
        void redo() override {}
        UndoStack& stack;
    };
    locked = false;
    stack.clear();
    stack.push(std::make_unique<Recording>(stack));
    EXPECT_TRUE(stack.undo());
    EXPECT_EQ(stack.count(), 1);
    EXPECT_TRUE(stack.canRedo());
}
