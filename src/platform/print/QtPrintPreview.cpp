#include "platform/print/QtPrintPreview.h"

#include "platform/Dialogs.h"
#include "platform/print/PainterCanvas.h"
#include "platform/print/PdfOutput.h"

#include <QAction>
#include <QCoreApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QTimer>
#include <QToolBar>

namespace kvt7 {

QtPrintPreview::QtPrintPreview(Dialogs& dialogs, QWidget* parentWindow)
    : dialogs_(dialogs), parent_(parentWindow), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    printer_->setPageOrientation(QPageLayout::Portrait);
}

QtPrintPreview::~QtPrintPreview() = default;

QAction* PreviewPrintAction(QPrintPreviewDialog& dialog)
{
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : dialog.findChildren<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

PrintOutcome QtPrintPreview::show(const PrintJob& job)
{
    QPrintPreviewDialog dialog(printer_.get(), parent_);
    dialog.setWindowTitle(job.title);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&job](QPrinter* printer) {
        PainterCanvas canvas(*printer);
        if (canvas.isActive()) {
            job.layout(canvas);
            canvas.end();
        }
    });
    PrintOutcome outcome = PrintOutcome::Closed;
    // Print goes through our printer dialog, which knows what this program offers.
    if (QAction* print = PreviewPrintAction(dialog)) {
        QObject::disconnect(print, &QAction::triggered, nullptr, nullptr);
        QObject::connect(print, &QAction::triggered, &dialog, [&] {
            const PrintOutcome printed = printToPrinter(job, &dialog);
            if (printed != PrintOutcome::Closed) {
                outcome = printed;
                dialog.accept();
            }
        });
    }
    auto* pdf = new QAction(QStringLiteral("PDF"), &dialog);
    pdf->setObjectName(QStringLiteral("cmdPdf"));
    QObject::connect(pdf, &QAction::triggered, &dialog, [&] {
        const PrintOutcome saved = saveAsPdf(job);
        if (saved != PrintOutcome::Closed) {
            outcome = saved;
            dialog.accept();
        }
    });
    // First on the tool bar: Print sits at its far end, often behind the overflow.
    if (auto* toolBar = dialog.findChild<QToolBar*>()) {
        toolBar->insertAction(toolBar->actions().value(0), pdf);
        toolBar->insertSeparator(toolBar->actions().value(1));
    } else {
        dialog.addAction(pdf);
    }
    if (onShown)
        QTimer::singleShot(0, &dialog, [this, &dialog] { onShown(dialog); });
    dialog.exec();
    return outcome;
}

PrintOutcome QtPrintPreview::printToPrinter(const PrintJob& job, QWidget* over)
{
    QPrintDialog printDialog(printer_.get(), over);
    printDialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    printDialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    printDialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (printDialog.exec() != QDialog::Accepted)
        return PrintOutcome::Closed;
    PainterCanvas canvas(*printer_);
    if (!canvas.isActive())
        return PrintOutcome::Failed;
    job.layout(canvas);
    return canvas.end() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome QtPrintPreview::saveAsPdf(const PrintJob& job)
{
    FileRequest request;
    request.title = job.title;
    request.filter = QStringLiteral("PDF(*.pdf)|*.pdf");
    request.defaultExtension = QStringLiteral("pdf");
    request.defaultName = job.defaultPdfName;
    const std::optional<QString> path = dialogs_.saveFileName(request);
    if (!path || path->isEmpty())
        return PrintOutcome::Closed;
    return WritePdfFile(*path, job.layout, printer_->pageLayout(), job.title) ? PrintOutcome::SavedPdf
                                                                               : PrintOutcome::Failed;
}

void QtPrintPreview::pageSetup()
{
    QPageSetupDialog dialog(printer_.get(), parent_);
    dialog.exec();
}

}  // namespace kvt7
