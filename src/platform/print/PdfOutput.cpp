#include "platform/print/PdfOutput.h"

#include "platform/print/PainterCanvas.h"

#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace kvt7 {

QPageLayout DefaultPdfPageLayout()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

bool WritePdfFile(const QString& path, const PageLayout& layout, const QPageLayout& page,
                  const QString& title)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    bool drawn = false;
    {
        QPdfWriter writer(&file);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("KV-T7"));
        writer.setPageLayout(page);
        PainterCanvas canvas(writer);
        if (canvas.isActive()) {
            layout(canvas);
            drawn = canvas.end();
        }
    }
    if (!drawn) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

}  // namespace kvt7
