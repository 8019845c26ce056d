#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace kvt7 {

class MessageCatalogue;

// The "communicating" window of the transfers: text, bar and, when allowed, Cancel. It is
// shown without blocking the caller; the transfer keeps it painted through its waits.
// objectName "frmTrance": the guide, the pictures and the tests find the window by it.
class TransferProgressDialog : public QDialog {
    Q_OBJECT
public:
    TransferProgressDialog(const MessageCatalogue& messages, bool cancelAllowed,
                           QWidget* parent = nullptr);

    void SetText(const QString& text);
    void SetMaximum(int maximum);
    void SetValue(int value);
    // Closes the window; the operator cannot.
    void Unload();

    void reject() override;

signals:
    void cancelRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* lblSetumei_;
    QProgressBar* prgBar1_;
    QPushButton* cmdTranceCancel_;
};

}  // namespace kvt7
