#pragma once

#include "actuators/AxisSetting.h"
#include "parameters/ParameterTable.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// One text field of the editor: its control name, the parameter, how many digits it takes
// and the range it holds when the focus leaves it (looser than the full check for some).
struct EditorTextField {
    const char* control;
    Param param;
    int maxDigits;
    std::optional<qint64> min;  // no range on the field (AXIS): nullopt
    qint64 max;
};

// The fifteen text fields.
const std::vector<EditorTextField>& EditorTextFields();
const EditorTextField* TextFieldOf(Param param);

// A key pressed in a text field, as the filter tells them apart.
enum class FieldKey { Digit, Backspace, Tab, Enter, Other };

// Digits, Backspace and Tab; at the maximum length (nothing selected) only Enter and
// Backspace. Enter is handled by the caller (it moves the focus).
bool FieldAcceptsKey(const EditorTextField& field, FieldKey key, int currentLength,
                     int selectedLength);

// A paste or a drop: only digits, and the field not beyond its length afterwards.
bool FieldAcceptsInsertion(const EditorTextField& field, const QString& inserted,
                           int currentLength, int selectedLength);

// Leaving the field: the text stays, or it is emptied (the caller beeps) when it is not a
// number within the field's range. An empty field stays empty without a beep.
bool FieldKeepsOnLeave(const EditorTextField& field, const QString& text);

// Where Enter moves from (param, axis 1..4): the same parameter of the next enabled axis,
// then the first enabled axis of the next parameter of the chain. OFFSET .. PULSE is one
// chain, PG TIMER and LS TIMER another; JOG VEL, ALM move along the axes only; AXIS goes to
// the first enabled PG TIMER. nullopt: the focus stays (end of a chain, a common field).
struct FieldPosition {
    Param param;
    int axis;
    bool operator==(const FieldPosition&) const = default;
};
std::optional<FieldPosition> NextFieldOnEnter(FieldPosition from,
                                              const std::function<bool(FieldPosition)>& enabled);

// The special parameters (locked unless the operator unlocks them).
bool IsSpecialParameter(Param param);

// The axes the editor enables: its AXIS while that is a mask 0..15, else the PC's axes in use.
int EditorAxisMask(const QString& axisFieldText, int pcMask);
// Whether the control of (param, axis) is enabled; axis 0 for a common control.
bool EditorControlEnabled(Param param, int axis, int axisMask, bool specialUnlocked);

// Ticking "Change SP Parameter": 671 CR LF 672 as a Yes/No warning. True on Yes.
bool AskUnlockSpecial(Dialogs& dialogs, const MessageCatalogue& messages);

// The entries of a list control. TYPE holds 643..648 (index = value); GRP ENABLE and SM
// TIMEOUT "0. Disable"/"1. Enable" in either language.
QStringList TypeListEntries(const MessageCatalogue& messages);
QStringList DisableEnableEntries();
// The entries of every list parameter (TYPE and the two above included); empty for others.
QStringList EditorListEntries(Param param, const MessageCatalogue& messages);

// A list value as shown: index = value; a value without its entry gets an extra entry of its
// own (its digits) so that taking the list back returns it unchanged.
struct ShownList {
    QStringList entries;
    int index = -1;                 // -1: empty
    std::optional<qint64> extra;    // the value of the extra entry
};
ShownList ShowListValue(const QStringList& entries, std::optional<qint64> value);
std::optional<qint64> TakeListValue(const ShownList& shown, int currentIndex);

}  // namespace kvt7
