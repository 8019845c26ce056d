#pragma once

#include "positions/PositionCompare.h"

#include <array>
#include <vector>

namespace kvt7 {

// The result window serves the verification and the table check.
enum class ResultVariant { Verify, Check };

// The window that lists marked positions (VerifyResultWindow); modal.
class ResultWindow {
public:
    virtual ~ResultWindow() = default;
    virtual void showResult(ResultVariant variant, const std::vector<ResultRow>& rows,
                            const std::array<bool, 4>& axisInUse) = 0;
};

}  // namespace kvt7
