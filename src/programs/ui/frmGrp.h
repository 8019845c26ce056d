#pragma once

#include "programs/GroupTable.h"
#include "programs/ProgramContext.h"

#include <QWidget>
#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kvt7 {

struct PrintContext;

class RuleBox;

// The group window: one page of 33 groups of the program's group table, with the
// operations on the table, files and the controller. Modeless; the table outlives it.
class frmGrp : public QWidget {
    Q_OBJECT
public:
    // `print` is the program's preview for the listings of the print buttons.
    frmGrp(ProgramContext context, GroupData& data, PrintContext& print, QWidget* owner = nullptr);
    ~frmGrp() override;

    // The groups of the page 0..2 in the boxes.
    void showPage(int page);
    int page() const { return page_; }
    bool busy() const { return busy_; }
    // The operator's close requests (title bar, Escape, close()) are refused while an
    // operation of the window runs; the program's own close is not.
    void closeByProgram();
    // Redisplays the page from the table (after a read, or when shown again).
    void reload();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kRows = 33;

    void buildRows(QWidget* area);
    void buildButtons(QWidget* area);
    void connectRow(int row);
    int groupOfRow(int row) const { return page_ * kRows + row + 1; }
    // The box being edited, stored before anything else happens.
    void storeFocusedBox();
    void printShown();
    void storeBox(const RuleBox* box);
    // Disables the buttons and the page frame, holds the main window's commands, runs.
    void run(const std::function<void()>& operation);
    void setControlsEnabled(bool enabled);

    ProgramContext context_;
    GroupData& data_;
    PrintContext& print_;
    int page_ = 0;
    bool busy_ = false;
    bool programClose_ = false;
    std::array<QLabel*, kRows> labels_{};
    std::array<RuleBox*, kRows> starts_{};
    std::array<RuleBox*, kRows> ends_{};
    std::array<QRadioButton*, 3> pages_{};
    QGroupBox* pageFrame_ = nullptr;
    QList<QPushButton*> buttons_;
    QWidget* rowsArea_ = nullptr;
};

}  // namespace kvt7
