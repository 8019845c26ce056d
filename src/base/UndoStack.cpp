#include "UndoStack.h"

#include <algorithm>

namespace kvt7 {

UndoStack::UndoStack(QObject* parent) : QObject(parent) {}

UndoStack::~UndoStack() = default;

void UndoStack::push(std::unique_ptr<UndoCommand> command)
{
    // A change made by undoing or redoing is that step itself, not a new one.
    if (running_ || !command)
        return;
    const bool wasClean = isClean();
    commands_.erase(commands_.begin() + index_, commands_.end());
    if (clean_ > index_)
        clean_ = -1;
    commands_.push_back(std::move(command));
    ++index_;
    dropOldest();
    announce(wasClean);
}

bool UndoStack::undo()
{
    if (!canUndo() || refused())
        return false;
    const bool wasClean = isClean();
    running_ = true;
    commands_[std::size_t(index_ - 1)]->undo();
    running_ = false;
    --index_;
    announce(wasClean);
    emit restored();
    return true;
}

bool UndoStack::redo()
{
    if (!canRedo() || refused())
        return false;
    const bool wasClean = isClean();
    running_ = true;
    commands_[std::size_t(index_)]->redo();
    running_ = false;
    ++index_;
    announce(wasClean);
    emit restored();
    return true;
}

bool UndoStack::canUndo() const
{
    return index_ > 0;
}

bool UndoStack::canRedo() const
{
    return index_ < count();
}

QString UndoStack::undoText() const
{
    return canUndo() ? commands_[std::size_t(index_ - 1)]->text() : QString();
}

QString UndoStack::redoText() const
{
    return canRedo() ? commands_[std::size_t(index_)]->text() : QString();
}

void UndoStack::setUndoLimit(int limit)
{
    const bool wasClean = isClean();
    limit_ = std::max(limit, 1);
    dropOldest();
    announce(wasClean);
}

void UndoStack::setClean()
{
    const bool wasClean = isClean();
    clean_ = index_;
    announce(wasClean);
}

void UndoStack::clear(bool clean)
{
    const bool wasClean = isClean();
    commands_.clear();
    index_ = 0;
    clean_ = clean ? 0 : -1;
    announce(wasClean);
}

void UndoStack::dropOldest()
{
    const int excess = count() - limit_;
    if (excess <= 0)
        return;
    commands_.erase(commands_.begin(), commands_.begin() + excess);
    index_ -= excess;
    clean_ = clean_ >= excess ? clean_ - excess : -1;
}

void UndoStack::announce(bool wasClean)
{
    emit changed();
    if (wasClean != isClean())
        emit cleanChanged(isClean());
}

}  // namespace kvt7
