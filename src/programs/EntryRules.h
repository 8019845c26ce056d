#pragma once

#include <QString>

namespace kvt7 {

// What the group and S/M windows let the operator type and paste.

// A key pressed in a box: its Qt key code and the text it would type.
struct TypedKey {
    int key = 0;
    QString text;
};

// The state of the box the key goes to.
struct BoxState {
    int length = 0;          // characters it holds
    bool hasSelection = false;
};

// A start or end box of the group window: digits, Backspace, Tab, Enter, the cursor keys
// and Delete; once the box holds 3 characters (none selected) only Enter, Backspace and the
// editing keys.
bool GroupBoxTakesKey(const TypedKey& key, const BoxState& box);
// Pasted or dropped text may leave the box holding 1 to 3 digits only.
bool GroupBoxTakesText(const QString& resulting);

// A data box of the S/M window, whose row holds `command`: Enter always; once the box holds
// a character (none selected) only Enter and Backspace; "0. END" takes no key; commands
// 1..4 take Backspace and "1".."4", 5 and 6 Backspace and "1".."9". The cursor keys and
// Delete move and delete as everywhere.
bool SmBoxTakesKey(int command, const TypedKey& key, const BoxState& box);
// Pasted text follows the key rules: the box may end up empty or holding one allowed digit.
bool SmBoxTakesText(int command, const QString& resulting);

// The value a box stores: its number, 0 when it holds no digits.
int BoxValue(const QString& text);

// The data a step's data box takes when it gets the focus: 1 when the data is outside the
// range of its command (1..4 for commands 1..4, else 1..9), otherwise the data as it is.
int DataOnFocus(int command, int data);

}  // namespace kvt7
