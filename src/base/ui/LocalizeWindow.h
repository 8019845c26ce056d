#pragma once

#include <QString>

class QWidget;

namespace kvt7 {

class MessageCatalogue;

// Replaces the message ids a window was designed with by the texts of the current language:
// - the window's "Tag" property (the id as text) gives its title;
// - a label's "Tag" gives its text; a numeric tool-tip is replaced by its text;
// - a menu item designed with its id as its text ("262") gets that text;
// - a tool-bar button's numeric tool-tip is replaced by its text;
// - a list view's "ColumnTags" (one id per column) give the column headings;
// - any other control (buttons, check boxes, frames, tab pages): "Tag" gives its caption,
//   a numeric tool-tip its tool-tip.
// A Tag or tool-tip that is not a number greater than 0, or an id without a text, leaves the
// control as it was designed. Windows owned by the window are left alone.
void LocalizeWindow(QWidget* window, const MessageCatalogue& messages);

// A message id as a control is designed with it: its "Tag" or tool-tip text.
inline QString TagOf(int messageId)
{
    return QString::number(messageId);
}

// A control named and designed with its message id (none when the id is 0), for LocalizeWindow.
template <typename Control>
Control* Tagged(Control* control, const char* name, int messageId)
{
    control->setObjectName(QString::fromLatin1(name));
    if (messageId > 0)
        control->setProperty("Tag", TagOf(messageId));
    return control;
}

}  // namespace kvt7
