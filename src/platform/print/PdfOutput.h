#pragma once

#include "platform/PageCanvas.h"

#include <QPageLayout>
#include <QString>

namespace kvt7 {

// A4 portrait with 10 mm margins, as kvt7ctl writes its listings.
QPageLayout DefaultPdfPageLayout();

// Lays the listing out into a PDF file through a temporary copy: a failure (the folder is
// not writable, the disk is full) leaves an older file as it was. False on any failure.
bool WritePdfFile(const QString& path, const PageLayout& layout, const QPageLayout& page,
                  const QString& title);

}  // namespace kvt7
