#pragma once

#include "backup/WholeController.h"

#include <QDialog>
#include <functional>

namespace kvt7 {

// The report of File > Compare with Backup: per part "equal" or every difference side by
// side (where, backup value, controller value), with Print through the print preview.
class BackupComparisonWindow final : public QDialog {
    Q_OBJECT
public:
    BackupComparisonWindow(const ComparisonReport& report, const MessageCatalogue& messages,
                           std::function<void()> print, QWidget* parent = nullptr);
};

}  // namespace kvt7
