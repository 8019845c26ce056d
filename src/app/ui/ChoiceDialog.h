#pragma once

#include <QDialog>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;
class QRadioButton;

namespace kvt7 {

class MessageCatalogue;

// The choice window: a question and two or three options, OK and (unless refused) Cancel.
// objectName "frmSelection": the guide, the pictures and the tests find the window by it.
class ChoiceDialog : public QDialog {
    Q_OBJECT
public:
    ChoiceDialog(const MessageCatalogue& messages, const QString& title, const QString& question,
                 const QStringList& options, bool noCancel, QWidget* parent = nullptr);

    // 0, 1 or 2 for the option chosen with OK; -1 after Cancel.
    int SelectedItemNo() const { return selectedItemNo_; }
    bool withoutCancel() const { return noCancel_; }

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void choose();
    QList<QRadioButton*> options_;
    QPushButton* cancel_;
    bool noCancel_;
    int selectedItemNo_ = -1;
};

// Shows ChoiceDialog modally, 500 twips right of and below the owner's top-left corner, and
// returns SelectedItemNo.
int AskChoice(QWidget* owner, const MessageCatalogue& messages, const QString& title,
              const QString& question, const QStringList& options, bool noCancel);

// The place of the frame's small windows: 500 twips right of and below the owner's corner.
void PlaceBesideOwner(QWidget* window, const QWidget* owner);

}  // namespace kvt7
