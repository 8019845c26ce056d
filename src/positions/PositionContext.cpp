#include "PositionContext.h"

#include "base/MessageCatalogue.h"

namespace kvt7 {

CheckContext PositionContext::check() const
{
    return CheckContext{table, grid, axes.pc, settings.DispMmUnit, messages.isJapanese(), results};
}

}  // namespace kvt7
