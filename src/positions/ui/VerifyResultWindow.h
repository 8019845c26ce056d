#pragma once

#include "positions/ResultWindow.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace kvt7 {

struct AppSettings;
class MessageCatalogue;

// The result window of the verification and of the table check: one row a marked
// position, "X" on light red where a cell is marked, "O" elsewhere.
// objectName "frmSyogoKekka": the guide, the pictures and the tests find the window by it.
class VerifyResultWindow : public QDialog, public ResultWindow {
    Q_OBJECT
public:
    VerifyResultWindow(const MessageCatalogue& messages, const AppSettings& settings,
                       QWidget* owner = nullptr);

    // Fills the window and shows it modally.
    void showResult(ResultVariant variant, const std::vector<ResultRow>& rows,
                    const std::array<bool, 4>& axisInUse) override;
    // Fills the window without showing it.
    void fill(ResultVariant variant, const std::vector<ResultRow>& rows, const std::array<bool, 4>& axisInUse);

    QTableWidget* grid() const { return grid_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    void shareWidths();

    const MessageCatalogue& messages_;
    const AppSettings& settings_;
    QLabel* text_;
    QTableWidget* grid_;
    QPushButton* close_;
};

}  // namespace kvt7
