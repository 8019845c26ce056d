// The editor's field rules: the key filter, the range on leaving, the Enter chain, the
// special lock and the lists.

#include "ParameterFixtures.h"
#include "parameters/ParameterEditorFields.h"
#include "support/ScriptedDialogs.h"

#include <gtest/gtest.h>

namespace kvt7::test {
namespace {

TEST(ParameterEditorFields, KeyFilterRefusesLettersAndTheDigitBeyondTheMaximum)
{
    const EditorTextField& offset = *TextFieldOf(Param::Offset);
    EXPECT_TRUE(FieldAcceptsKey(offset, FieldKey::Digit, 4, 0));
    EXPECT_FALSE(FieldAcceptsKey(offset, FieldKey::Digit, 5, 0));  // a sixth digit
    EXPECT_TRUE(FieldAcceptsKey(offset, FieldKey::Digit, 5, 2));   // replaces a selection
    EXPECT_FALSE(FieldAcceptsKey(offset, FieldKey::Other, 0, 0));
    EXPECT_TRUE(FieldAcceptsKey(offset, FieldKey::Tab, 4, 0));
    EXPECT_FALSE(FieldAcceptsKey(offset, FieldKey::Tab, 5, 0));
    EXPECT_TRUE(FieldAcceptsKey(offset, FieldKey::Backspace, 5, 0));
    EXPECT_TRUE(FieldAcceptsKey(offset, FieldKey::Enter, 5, 0));

    EXPECT_TRUE(FieldAcceptsInsertion(offset, "12345", 0, 0));
    EXPECT_FALSE(FieldAcceptsInsertion(offset, "123456", 0, 0));
    EXPECT_FALSE(FieldAcceptsInsertion(offset, "12", 4, 0));
    EXPECT_FALSE(FieldAcceptsInsertion(offset, "1a", 0, 0));
    EXPECT_FALSE(FieldAcceptsInsertion(offset, "-1", 0, 0));
}

TEST(ParameterEditorFields, LeavingOutsideTheFieldRangeEmptiesIt)
{
    const EditorTextField& offset = *TextFieldOf(Param::Offset);
    EXPECT_FALSE(FieldKeepsOnLeave(offset, "70000"));
    EXPECT_FALSE(FieldKeepsOnLeave(offset, "0"));
    EXPECT_TRUE(FieldKeepsOnLeave(offset, "65535"));
    EXPECT_TRUE(FieldKeepsOnLeave(offset, ""));
    // SEQ 0 passes the field; the full check refuses it later.
    EXPECT_TRUE(FieldKeepsOnLeave(*TextFieldOf(Param::Seq), "0"));
    EXPECT_FALSE(FieldKeepsOnLeave(*TextFieldOf(Param::Alm), "4"));
    EXPECT_TRUE(FieldKeepsOnLeave(*TextFieldOf(Param::Stroke), "262143"));
    EXPECT_FALSE(FieldKeepsOnLeave(*TextFieldOf(Param::Stroke), "262144"));
    EXPECT_TRUE(FieldKeepsOnLeave(*TextFieldOf(Param::Axis), "99"));  // no range on AXIS
    EXPECT_EQ(EditorTextFields().size(), 15u);
}

TEST(ParameterEditorFields, EnterFollowsTheChainAcrossDisabledAxes)
{
    // Axes 1 and 3 in use.
    const auto enabled = [](FieldPosition p) { return p.axis == 1 || p.axis == 3; };
    using P = FieldPosition;
    EXPECT_EQ(NextFieldOnEnter({Param::Offset, 1}, enabled), (P{Param::Offset, 3}));
    EXPECT_EQ(NextFieldOnEnter({Param::Offset, 3}, enabled), (P{Param::Push, 1}));
    EXPECT_EQ(NextFieldOnEnter({Param::Seq, 3}, enabled), (P{Param::Stroke, 1}));
    EXPECT_EQ(NextFieldOnEnter({Param::Pulse, 3}, enabled), std::nullopt);
    EXPECT_EQ(NextFieldOnEnter({Param::PgTimer, 3}, enabled), (P{Param::LsTimer, 1}));
    EXPECT_EQ(NextFieldOnEnter({Param::LsTimer, 3}, enabled), std::nullopt);
    EXPECT_EQ(NextFieldOnEnter({Param::JogVel, 1}, enabled), (P{Param::JogVel, 3}));
    EXPECT_EQ(NextFieldOnEnter({Param::JogVel, 3}, enabled), std::nullopt);
    EXPECT_EQ(NextFieldOnEnter({Param::Alm, 3}, enabled), std::nullopt);
    EXPECT_EQ(NextFieldOnEnter({Param::SmTimer, 1}, enabled), std::nullopt);
    EXPECT_EQ(NextFieldOnEnter({Param::Axis, 1}, enabled), (P{Param::PgTimer, 1}));
    // Locked special fields: AXIS keeps the focus.
    const auto locked = [](FieldPosition p) { return !IsSpecialParameter(p.param); };
    EXPECT_EQ(NextFieldOnEnter({Param::Axis, 1}, locked), std::nullopt);
}

TEST(ParameterEditorFields, ControlsFollowAxisAndTheSpecialLock)
{
    EXPECT_EQ(EditorAxisMask("5", 15), 5);
    EXPECT_EQ(EditorAxisMask("0", 15), 0);
    EXPECT_EQ(EditorAxisMask("", 3), 3);
    EXPECT_EQ(EditorAxisMask("16", 3), 3);
    EXPECT_TRUE(EditorControlEnabled(Param::Offset, 1, 5, false));
    EXPECT_FALSE(EditorControlEnabled(Param::Offset, 2, 5, false));
    EXPECT_TRUE(EditorControlEnabled(Param::HomeOut, 0, 0, false));
    EXPECT_FALSE(EditorControlEnabled(Param::PgTimer, 1, 5, false));
    EXPECT_TRUE(EditorControlEnabled(Param::PgTimer, 1, 5, true));
    EXPECT_FALSE(EditorControlEnabled(Param::PgTimer, 2, 5, true));
    EXPECT_FALSE(EditorControlEnabled(Param::Axis, 0, 5, false));
    EXPECT_TRUE(EditorControlEnabled(Param::Axis, 0, 5, true));
}

TEST(ParameterEditorFields, UnlockingAsksTheWarning)
{
    ScriptedDialogs dialogs;
    const MessageCatalogue messages = EnglishMessages();
    dialogs.answer(Answer::No);
    EXPECT_FALSE(AskUnlockSpecial(dialogs, messages));
    dialogs.answer(Answer::Yes);
    EXPECT_TRUE(AskUnlockSpecial(dialogs, messages));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Don't change SP Parameter on ordinary use.\r\nDo you change value of SP Parameter.");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::YesNo);
    EXPECT_EQ(dialogs.messages[0].icon, Icon::Warning);
}

TEST(ParameterEditorFields, ListsShowEveryValueAndGiveItBack)
{
    const QStringList types = TypeListEntries(EnglishMessages());
    EXPECT_EQ(types, (QStringList{"KV(PUSH)", "KV(LS)", "RQ", "PXY", "PP", "KV(NEW)"}));
    for (qint64 value : {0, 4, 5}) {
        const ShownList shown = ShowListValue(types, value);
        EXPECT_EQ(shown.entries.size(), 6);
        EXPECT_EQ(TakeListValue(shown, shown.index), value);
    }
    // A value without an entry is shown as one of its own and comes back unchanged.
    const ShownList odd = ShowListValue(DisableEnableEntries(), 7);
    EXPECT_EQ(odd.entries, (QStringList{"0. Disable", "1. Enable", "7"}));
    EXPECT_EQ(TakeListValue(odd, odd.index), 7);
    EXPECT_EQ(TakeListValue(odd, 1), 1);
    const ShownList empty = ShowListValue(DisableEnableEntries(), std::nullopt);
    EXPECT_EQ(empty.index, -1);
    EXPECT_EQ(TakeListValue(empty, empty.index), std::nullopt);
}

}  // namespace
}  // namespace kvt7::test
