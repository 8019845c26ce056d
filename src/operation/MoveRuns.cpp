// The selective and continual runs of the move test.
#include "MoveTest.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "link/ControllerLink.h"
#include "platform/Dialogs.h"
#include "platform/Wait.h"

namespace kvt7 {

namespace {

constexpr int kPassMs = 100;

}  // namespace

// The cells a run from `firstIndex` reaches (up to the first empty one, and from entry 1 on
// when it repeats) must be positions; they are checked before anything is sent.
bool MoveTest::selectiveRowValid(int firstIndex) const
{
    const auto validFrom = [this](int index) {
        for (; index <= kSelectiveEntries; ++index) {
            const QString& cell = inputs_.selective.at(std::size_t(index - 1));
            if (cell.isEmpty())
                return true;
            if (!PositionNumber(cell))
                return false;
        }
        return true;
    };
    return validFrom(firstIndex) && (!inputs_.repeat || validFrom(1));
}

MoveTest::End MoveTest::RunSelective()
{
    beginRun();
    const bool resume = tmpStop_;
    tmpStop_ = false;
    int index = 1;
    if (inputs_.stepMode) {
        index = moveFirstTime_ ? 1 : selectiveIndex_;
        moveFirstTime_ = false;
    } else if (resume) {
        index = selectiveIndex_;
    }
    if (index < 1 || index > kSelectiveEntries)
        index = 1;
    if (!selectiveRowValid(index)) {
        context_.link.ReleasePort();
        context_.dialogs.message(context_.messages.Text(Msg::InputPositionNoDecimalUsing));
        return End::Refused;
    }
    End end = CommonStart();
    if (end == End::Done)
        end = selectiveLoop(index);
    moveStop_ = false;
    context_.link.ReleasePort();
    return end;
}

MoveTest::End MoveTest::selectiveLoop(int index)
{
    for (;;) {
        WaitMs(kPassMs);
        selectiveIndex_ = index;
        if (!keepWaiting())
            return stoppedEnd();
        if (moveStop_ || tmpStop_)
            return End::Stopped;
        // The end of the row: an empty cell or the 15th entry done. A row whose first entry
        // is empty has nothing to repeat.
        if (index > kSelectiveEntries || inputs_.selective.at(std::size_t(index - 1)).isEmpty()) {
            const bool wrap = inputs_.repeat && index != 1;
            selectiveIndex_ = index = 1;
            if (!wrap)
                return End::Done;
            continue;
        }
        const std::optional<int> positionNo =
            PositionNumber(inputs_.selective.at(std::size_t(index - 1)));
        if (!positionNo) {
            context_.link.ReleasePort();
            context_.dialogs.message(context_.messages.Text(Msg::InputPositionNoDecimalUsing));
            return End::Refused;
        }
        if (const End moved = movePosition(*positionNo, inputs_.smSkip); moved != End::Done)
            return moved;
        moveFirstTime_ = false;
        selectiveIndex_ = ++index;
        if (moveStop_) {
            moveStop_ = false;
            return End::Stopped;
        }
        if (inputs_.stepMode)
            return End::Done;
        if (tmpStop_)
            return End::Stopped;
        waitBetweenMoves(WaitMsOf(inputs_.timerUse, inputs_.timerText), moveStop_, tmpStop_);
    }
}

MoveTest::End MoveTest::RunContinual()
{
    beginRun();
    const int start = inputs_.start;
    const int end = inputs_.single ? start : inputs_.end;
    if (!PositionNumber(QString::number(start)) || !PositionNumber(QString::number(end))) {
        context_.dialogs.message(context_.messages.Text(Msg::InputPositionNoDecimalUsingInMove));
        return End::Refused;
    }
    const bool resume = tmpStop2_;
    tmpStop2_ = false;
    int current = !inputs_.single && resume ? continualCurrent_ : start;
    if (current < start || current > end)
        current = start;  // the sliders moved since the pause
    End result = CommonStart();
    if (result == End::Done)
        result = continualLoop(current, end);
    moveStop2_ = false;
    context_.link.ReleasePort();
    return result;
}

MoveTest::End MoveTest::continualLoop(int current, int end)
{
    const int start = inputs_.start;
    for (;;) {
        WaitMs(kPassMs);
        continualCurrent_ = current;
        if (!keepWaiting())
            return stoppedEnd();
        if (moveStop2_ || tmpStop2_)
            return End::Stopped;
        if (current > end) {
            continualCurrent_ = current = start;
            if (!inputs_.repeat2)
                return End::Done;
            continue;
        }
        if (const End moved = movePosition(current, inputs_.smSkip2); moved != End::Done)
            return moved;
        moveFirstTime_ = false;
        continualCurrent_ = ++current;
        if (moveStop2_) {
            moveStop2_ = false;
            return End::Stopped;
        }
        // Single mode runs its one position, repeat or not.
        if (inputs_.single) {
            continualCurrent_ = start;
            return End::Done;
        }
        if (tmpStop2_)
            return End::Stopped;
        waitBetweenMoves(WaitMsOf(inputs_.timerUse2, inputs_.timerText2), moveStop2_, tmpStop2_);
    }
}

}  // namespace kvt7
