#pragma once

#include "ProgramWindow.h"
#include "programs/GroupTable.h"

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace kvt7 {

class RuleBox;

// The group window: one page of 33 groups of the program's group table, with the
// operations on the table, files and the controller.
// objectName "frmGrp": the guide, the pictures and the tests find the window by it.
class GroupWindow final : public ProgramWindow {
    Q_OBJECT
public:
    // `print` runs the listings of the print buttons.
    GroupWindow(ProgramContext context, GroupData& data, ProgramPrintCommands print,
                QWidget* owner = nullptr);

    // The groups of the page 0..2 in the boxes.
    void showPage(int page);
    int page() const { return page_; }
    // Redisplays the page from the table (after a read, or when shown again).
    void reload() override;

private:
    static constexpr int kRows = 33;

    void buildRows(QWidget* area);
    void buildButtons(QWidget* area);
    void connectRow(int row);
    int groupOfRow(int row) const { return page_ * kRows + row + 1; }
    void storeFocused() override;
    void storeBox(const RuleBox* box);

    GroupData& data_;
    int page_ = 0;
    std::array<QLabel*, kRows> labels_{};
    std::array<RuleBox*, kRows> starts_{};
    std::array<RuleBox*, kRows> ends_{};
    std::array<QRadioButton*, 3> pages_{};
    QGroupBox* pageFrame_ = nullptr;
};

}  // namespace kvt7
