#pragma once

#include "printing/PrintSelection.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace kvt7 {

class Dialogs;
class MessageCatalogue;

struct PrintSelectContext {
    const MessageCatalogue& messages;
    Dialogs& dialogs;  // the file dialogs of Browse and the messages of OK
};

// The print selection window: positions (table or file, range) or parameters (shown or file).
// objectName "frmPrintSelect": the guide, the pictures and the tests find the window by it.
class PrintSelectionDialog final : public QDialog {
    Q_OBJECT
public:
    explicit PrintSelectionDialog(PrintSelectContext context, QWidget* owner = nullptr);

    PrintSelectEntry entry() const;
    // Set when the window was left with OK.
    std::optional<PrintSelection> selection() const { return selection_; }

private:
    QGroupBox* positionBox();
    QGroupBox* parameterBox();
    QWidget* buttonRow();
    void boxToggled(QCheckBox* box, bool checked);
    void browsePositions();
    void browseParameters();
    void ok();

    PrintSelectContext context_;
    QCheckBox* chkPrintPosi_ = nullptr;
    QCheckBox* chkPrintPara_ = nullptr;
    QRadioButton* optTable_ = nullptr;
    QRadioButton* optFile_ = nullptr;
    QLabel* lblPrintPosiName_ = nullptr;
    QLineEdit* txtPrintStartPosi_ = nullptr;
    QLineEdit* txtPrintEndPosi_ = nullptr;
    QRadioButton* optParaShown_ = nullptr;
    QRadioButton* optParaFile_ = nullptr;
    QLabel* lblPrintParaName_ = nullptr;
    QString positionFile_;
    QString parameterFile_;
    std::optional<PrintSelection> selection_;
};

// The selection window as the print command asks for it.
class QtPrintSelector final : public PrintSelector {
public:
    QtPrintSelector(PrintSelectContext context, QWidget* owner) : context_(context), owner_(owner) {}
    std::optional<PrintSelection> choosePrint() override;

private:
    PrintSelectContext context_;
    QWidget* owner_;
};

}  // namespace kvt7
