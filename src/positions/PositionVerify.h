#pragma once

namespace kvt7 {

struct PositionCommandContext;

// The verification source window (VerifySourceDialog): 1 a file, 2 the controller, 0 cancelled.
class VerifySourceChooser {
public:
    virtual ~VerifySourceChooser() = default;
    virtual int chooseVerifySource() = 0;
};

// The verify button: the source window, then the verification it chose.
void VerifyPositions(PositionCommandContext& context, VerifySourceChooser& chooser);
// Verification against a file over the part of the displayed range the file also holds.
// 0 verified (result shown), 1 stopped or failed.
int VerifyPositionsWithFile(PositionCommandContext& context);
// Verification against the controller over a chosen range. 0 verified, 1 stopped or failed.
int VerifyPositionsWithController(PositionCommandContext& context);

}  // namespace kvt7
