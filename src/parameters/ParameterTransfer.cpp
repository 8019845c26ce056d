#include "ParameterTransfer.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "link/ControllerLink.h"
#include "parameters/BlockExchange.h"
#include "parameters/ParameterChecks.h"
#include "platform/Dialogs.h"

namespace kvt7 {

namespace {

constexpr int kReadProgressMaximum = 13;
constexpr int kWriteProgressMaximum = 14;
constexpr int kFirstAxisPartBlock = 5;

int MaskOfCommonBlock(const BlockItems& items)
{
    return static_cast<int>(FieldValue(items, BlockKind::Common, Param::Axis)) & 0x0F;
}

void SetInUseFlags(std::array<AxisSetting, kAxisCount>& copy, int mask)
{
    for (int axis = 1; axis <= kAxisCount; ++axis)
        copy.at(static_cast<std::size_t>(axis - 1)).InUse = AxisBitSet(mask, axis);
}

// Block 0 after the port and the link check; the port is released either way.
std::optional<BlockItems> ReadCommonBlock(ControllerLink& link, bool quiet)
{
    GoOnlineQuietly(link);
    std::optional<BlockItems> items;
    if (OpenPortAndCheckLink(link))
        items = ReadParameterBlock(link, kCommonBlock, quiet);
    link.ReleasePort();
    return items;
}

int FailRead(const ControllerContext& controller)
{
    controller.link.ReleasePort();
    controller.dialogs.progressClose();
    return 1;
}

void DecodeAll(const std::array<std::optional<BlockItems>, kParameterBlockCount>& replies,
               ParameterSet& set)
{
    ParameterRecord record;
    ReservedValues reserved = set.reserved;
    for (int block = 0; block < kParameterBlockCount; ++block) {
        if (const auto& items = replies.at(static_cast<std::size_t>(block)))
            DecodeBlock(*items, block, record, reserved);
    }
    set.record = std::move(record);
    set.reserved = reserved;
}

int FirstStep(WriteScope scope)
{
    return scope == WriteScope::AllBlocks ? kCommonBlock : kFirstAxisPartBlock;
}

// The texts of the blocks from firstStep of the axes in use; nullopt when a value does not
// fit its items.
std::optional<std::array<QString, kParameterBlockCount>> EncodeSteps(const ParameterSet& set,
                                                                      int firstStep)
{
    const int mask = set.editor.axisMask();
    std::array<QString, kParameterBlockCount> texts;
    for (int block = firstStep; block < kParameterBlockCount; ++block) {
        if (!BlockInUse(block, mask))
            continue;
        const auto text = EncodeBlock(set.editor, set.reserved, block);
        if (!text)
            return std::nullopt;
        texts.at(static_cast<std::size_t>(block)) = *text;
    }
    return texts;
}

// The write steps from firstStep to the commit; steps of axes not in use are skipped.
int WriteSteps(const ControllerContext& controller, const ParameterSet& set, int firstStep,
               CommandGroups* commands)
{
    ControllerLink& link = controller.link;
    const int mask = set.editor.axisMask();
    const auto texts = EncodeSteps(set, firstStep);
    if (!texts) {
        ShowInvalidValueMessage(controller.dialogs, controller.messages);
        return 1;
    }
    GoOnlineQuietly(link);
    Dialogs& dialogs = controller.dialogs;
    dialogs.progressOpen(controller.messages.Text(Msg::SendingDataController),
                         kWriteProgressMaximum, false);
    for (int step = firstStep; step <= kCommitStep; ++step) {
        if (step < kCommitStep && !BlockInUse(step, mask))
            continue;
        const BlockWrite outcome =
            step < kCommitStep
                ? WriteParameterBlock(link, step, texts->at(static_cast<std::size_t>(step)))
                : CommitParameterBlocks(link);
        if (outcome != BlockWrite::Done) {
            if (outcome == BlockWrite::Failed) {
                link.ReleasePort();
                if (commands)
                    commands->setCommandsEnabled(true);
            }
            dialogs.progressClose();
            return 1;
        }
        dialogs.progressSetValue(step + 1);
    }
    dialogs.progressClose();
    link.ReleasePort();
    return 0;
}

}  // namespace

int ReadAxisMask(ControllerLink& link, ParameterSet& set, AxisSettings& axes)
{
    const auto items = ReadCommonBlock(link, false);
    if (!items)
        return 1;
    const int mask = MaskOfCommonBlock(*items);
    set.editor.setNumber(Param::Axis, mask);
    SetInUseFlags(axes.pc, mask);
    SetInUseFlags(axes.controller, mask);
    return 0;
}

int ReadControllerAxisMask(ControllerLink& link, AxisSettings& axes)
{
    // Not the quiet exchange: the position transfers stop on a failure here, and the operator
    // must be told why; a lost reply is also sent again like any other read.
    const auto items = ReadCommonBlock(link, false);
    if (!items)
        return 1;
    SetInUseFlags(axes.controller, MaskOfCommonBlock(*items));
    return 0;
}

// Block 0, then the blocks of the axes in `fixedMask`, or of those block 0 names when it
// is empty.
static int ReadBlocks(const ControllerContext& controller, ParameterSet& set, std::optional<int> fixedMask)
{
    ControllerLink& link = controller.link;
    GoOnlineQuietly(link);
    Dialogs& dialogs = controller.dialogs;
    std::array<std::optional<BlockItems>, kParameterBlockCount> replies;
    dialogs.progressOpen(controller.messages.Text(Msg::ReadingDataController), kReadProgressMaximum,
                         false);
    int mask = 0;
    for (int block = 0; block < kParameterBlockCount; ++block) {
        if (!BlockInUse(block, mask))
            continue;
        auto& reply = replies.at(static_cast<std::size_t>(block));
        reply = ReadParameterBlock(link, block);
        if (!reply)
            return FailRead(controller);
        if (block == kCommonBlock)
            mask = fixedMask.value_or(MaskOfCommonBlock(*reply));
        dialogs.progressSetValue(block);
    }
    dialogs.progressClose();
    link.ReleasePort();
    DecodeAll(replies, set);
    return 0;
}

int ReadAllParameters(const ControllerContext& controller, ParameterSet& set)
{
    return ReadBlocks(controller, set, std::nullopt);
}

int ReadParametersOfAxes(const ControllerContext& controller, ParameterSet& set, int mask)
{
    return ReadBlocks(controller, set, mask);
}

int TakeControllerHiddenValues(const ControllerContext& controller, ParameterSet& set)
{
    ParameterSet current;
    current.reserved = set.reserved;
    if (ReadBlocks(controller, current, set.editor.axisMask()) != 0)
        return 1;
    set.reserved = current.reserved;
    set.editor.setNumber(Param::HiddenCommon,
                         current.record.of(Param::HiddenCommon, 1).number().value_or(0));
    return 0;
}

int WriteAllParameters(const ControllerContext& controller, const ParameterSet& set, CommandGroups* commands)
{
    return WriteSteps(controller, set, FirstStep(WriteScope::AllBlocks), commands);
}

int WriteAxisParameters(const ControllerContext& controller, const ParameterSet& set, CommandGroups* commands)
{
    return WriteSteps(controller, set, FirstStep(WriteScope::AxisBlocks), commands);
}

bool BlocksFit(const ParameterSet& set, WriteScope scope)
{
    return EncodeSteps(set, FirstStep(scope)).has_value();
}

int WriteAxisMask(ControllerLink& link, ParameterSet& set, AxisSettings& axes, int mask)
{
    GoOnlineQuietly(link);
    auto items = ReadParameterBlock(link, kCommonBlock);
    if (!items) {
        link.ReleasePort();
        return 1;
    }
    mask &= 0x0F;
    for (const BlockField& field : FieldsOf(BlockKind::Common)) {
        if (field.param == Param::Axis)
            items->at(static_cast<std::size_t>(field.firstItem)) = mask;
    }
    const BlockWrite outcome = WriteParameterBlock(link, kCommonBlock, ItemsText(*items));
    link.ReleasePort();
    if (outcome != BlockWrite::Done)
        return 1;
    set.editor.setNumber(Param::Axis, mask);
    SetInUseFlags(axes.controller, mask);
    return 0;
}

}  // namespace kvt7
