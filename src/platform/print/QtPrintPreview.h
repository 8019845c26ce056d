#pragma once

#include "platform/PrintPreview.h"

#include <QPrinter>
#include <memory>

class QAction;
class QPrintPreviewDialog;
class QWidget;

namespace kvt7 {

class Dialogs;

// The print preview on the program's one printer: Print opens the printer dialog (no
// selection, no print-to-file; its cancel returns to the preview), "PDF" saves the listing
// as a PDF file. The listing is laid out anew for every repaint of the preview.
class QtPrintPreview final : public PrintPreview {
public:
    QtPrintPreview(Dialogs& dialogs, QWidget* parentWindow = nullptr);
    ~QtPrintPreview() override;

    PrintOutcome show(const PrintJob& job) override;
    // Page set-up of the printer, kept for the rest of the run.
    void pageSetup() override;

    QPrinter& printer() { return *printer_; }
    // Called while the preview is open (for tests and screenshots), with the preview window.
    std::function<void(QPrintPreviewDialog&)> onShown;

private:
    PrintOutcome printToPrinter(const PrintJob& job, QWidget* over);
    PrintOutcome saveAsPdf(const PrintJob& job);

    Dialogs& dialogs_;
    QWidget* parent_;
    std::unique_ptr<QPrinter> printer_;
};

// The preview's Print action, found by its text; nullptr when Qt's layout changed.
QAction* PreviewPrintAction(QPrintPreviewDialog& dialog);

}  // namespace kvt7
