#pragma once

#include "parameters/ParameterEditorFields.h"

#include <QLineEdit>

namespace kvt7 {

class Dialogs;

// A text field of the parameter editor: the key filter, paste and drop obeying it, Enter
// handed to the window (swallowed) and the range on leaving (empty + beep).
class ParameterField : public QLineEdit {
    Q_OBJECT
public:
    ParameterField(const EditorTextField& field, int axis, Dialogs& dialogs, QWidget* parent);

    const EditorTextField& field() const { return field_; }
    int axis() const { return axis_; }

signals:
    void enterPressed(kvt7::ParameterField* field);
    // The focus left with a value outside the field range in a field of AXIS or not.
    void left(kvt7::ParameterField* field);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    bool accepts(const QString& inserted) const;

    const EditorTextField& field_;
    int axis_;
    Dialogs& dialogs_;
};

}  // namespace kvt7
