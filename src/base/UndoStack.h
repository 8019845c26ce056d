#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace kvt7 {

// One undoable step. It is pushed after its change was made, so redo() runs only when the
// operator redoes it.
class UndoCommand {
public:
    explicit UndoCommand(QString text) : text_(std::move(text)) {}
    virtual ~UndoCommand() = default;
    UndoCommand(const UndoCommand&) = delete;
    UndoCommand& operator=(const UndoCommand&) = delete;

    virtual void undo() = 0;
    virtual void redo() = 0;
    const QString& text() const { return text_; }

private:
    QString text_;
};

// The steps of one kind of data, as Qt's undo stack keeps them (an index into a list of
// commands, a clean index, a limit that drops the oldest steps), but in QtCore so the models
// keep it; Qt 6 has its own in QtGui. Undo and redo are refused while `refused` says so
// (an operation holds the program-wide lock).
class UndoStack : public QObject {
    Q_OBJECT
public:
    static constexpr int kDefaultLimit = 200;

    explicit UndoStack(QObject* parent = nullptr);
    ~UndoStack() override;

    // Takes a step whose change is already made. The steps after the current index go.
    void push(std::unique_ptr<UndoCommand> command);
    // False when there is nothing to undo/redo or undo is refused now.
    bool undo();
    bool redo();
    bool canUndo() const;
    bool canRedo() const;
    QString undoText() const;
    QString redoText() const;

    int count() const { return int(commands_.size()); }
    int index() const { return index_; }
    int undoLimit() const { return limit_; }
    // Older steps beyond the limit are dropped at once.
    void setUndoLimit(int limit);

    // The current state is what was last saved or read.
    void setClean();
    bool isClean() const { return clean_ == index_; }
    // No steps. `clean`: the current state is what was saved; otherwise no state is.
    void clear(bool clean = true);

    void setRefusal(std::function<bool()> refused) { refused_ = std::move(refused); }
    bool refused() const { return refused_ && refused_(); }

signals:
    // Anything the Undo and Redo commands show may have changed: counts, texts, clean state.
    void changed();
    // An undo or redo changed the data: whoever shows it shows it again.
    void restored();
    void cleanChanged(bool clean);

private:
    void dropOldest();
    void announce(bool wasClean);

    std::vector<std::unique_ptr<UndoCommand>> commands_;
    int index_ = 0;
    int clean_ = 0;  // -1: the clean state was dropped or lies in a discarded branch
    int limit_ = kDefaultLimit;
    bool running_ = false;
    std::function<bool()> refused_;
};

// A step over data kept whole (a few kilobytes at most): undo and redo swap the data with the
// copy the step holds.
template <typename T>
class ValueStep final : public UndoCommand {
public:
    ValueStep(QString text, T& live, T other) : UndoCommand(std::move(text)), live_(live), other_(std::move(other)) {}
    void undo() override { std::swap(live_, other_); }
    void redo() override { std::swap(live_, other_); }

private:
    T& live_;
    T other_;
};

// Runs `change` on `value` as one step named `text`; a change that changed nothing is none.
// True when a step was taken.
template <typename T, typename Change>
bool RecordValueStep(UndoStack& stack, const QString& text, T& value, Change change)
{
    T before = value;
    change();
    if (before == value)
        return false;
    stack.push(std::make_unique<ValueStep<T>>(text, value, std::move(before)));
    return true;
}

}  // namespace kvt7
