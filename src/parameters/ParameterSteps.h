#pragma once

#include "base/UndoStack.h"
#include "parameters/ParameterSet.h"

namespace kvt7 {

// The steps of the parameter editor's values: a value as accepted on leaving its field, a
// read, an opened file, Initial Parameter, each one step. The editor says when the values it
// shows are the accepted ones; a step is what changed since.
class ParameterSteps {
public:
    explicit ParameterSteps(ParameterSet& set) : set_(set), accepted_(set.editor) {}
    ParameterSteps(const ParameterSteps&) = delete;
    ParameterSteps& operator=(const ParameterSteps&) = delete;

    UndoStack& stack() { return stack_; }
    // The editor shows the set's values now: the next step starts from them.
    void shown() { accepted_ = set_.editor; }
    // What changed since becomes a step named `text`; true when anything did.
    bool take(const QString& text);

private:
    ParameterSet& set_;
    UndoStack stack_;
    EditorValues accepted_;
};

}  // namespace kvt7
