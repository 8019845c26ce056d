#include "ParameterSteps.h"

#include <memory>
#include <utility>

namespace kvt7 {

bool ParameterSteps::take(const QString& text)
{
    if (accepted_ == set_.editor)
        return false;
    stack_.push(std::make_unique<ValueStep<EditorValues>>(text, set_.editor, std::exchange(accepted_, set_.editor)));
    return true;
}

}  // namespace kvt7
