#pragma once

#include "platform/PageCanvas.h"

#include <QString>

namespace kvt7 {

// One listing as it goes to the preview: its window title, the default name of its PDF and
// the layout that draws it.
struct PrintJob {
    QString title;
    QString defaultPdfName;  // "kvt7posi.pdf"
    PageLayout layout;
};

enum class PrintOutcome {
    Printed,   // sent to the printer
    SavedPdf,  // written to a PDF file
    Closed,    // the preview was closed; nothing printed
    Failed,    // the print job or the PDF failed
};

// The print preview with Print (printer dialog) and PDF, and the page set-up of the program's
// one printer.
class PrintPreview {
public:
    virtual ~PrintPreview() = default;
    virtual PrintOutcome show(const PrintJob& job) = 0;
    virtual void pageSetup() = 0;
};

}  // namespace kvt7
