#pragma once

#include "positions/RangeChooser.h"

#include <QDialog>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

// Pixels right of and below the main window's top-left corner where its dialogs open (500 twips).
constexpr int kDialogOffset = 33;
void PlaceBelowOwnerCorner(QWidget& dialog, const QWidget* owner);

// What the three range dialogs share: the fields txtStartPosiNo and txtEndPosiNo (digits,
// at most 3), Enter moving start -> end -> OK, OK judged by the dialog's rule with
// message 1610 for a bad range, Cancel and the close box leaving without a range.
class RangeDialogBase : public QDialog {
    Q_OBJECT
public:
    RangeDialogBase(const RangeRequest& request, const MessageCatalogue& messages, Dialogs& dialogs,
                    QWidget* owner);

    std::optional<PositionRange> chosen() const { return chosen_; }
    QLineEdit* startField() const { return start_; }
    QLineEdit* endField() const { return end_; }
    QPushButton* okButton() const { return ok_; }
    QPushButton* cancelButton() const { return cancel_; }

protected:
    virtual bool allDataChosen() const { return false; }
    // The two fields with the separator between them, for the dialog's layout.
    QWidget* fieldRow();
    // OK and Cancel, right-aligned.
    QWidget* buttonRow();
    const MessageCatalogue& messages() const { return messages_; }
    const RangeRequest& request() const { return request_; }

private:
    void takeRange();

    RangeRequest request_;
    const MessageCatalogue& messages_;
    Dialogs& dialogs_;
    QLineEdit* start_;
    QLineEdit* end_;
    QPushButton* ok_;
    QPushButton* cancel_;
    std::optional<PositionRange> chosen_;
};

// "first ～ last" as the dialogs show a range.
QString RangeText(PositionRange range);

}  // namespace kvt7
