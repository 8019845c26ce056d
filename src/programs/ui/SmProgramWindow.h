#pragma once

#include "ProgramWindow.h"
#include "programs/SmTable.h"

#include <array>

class QLabel;
class QSpinBox;

namespace kvt7 {

class CommandList;
class RuleBox;

// The S/M window: the 16 steps of one program of the program's S/M table, with the
// operations on the table, files and the controller.
// objectName "frmSqMcr": the guide, the pictures and the tests find the window by it.
class SmProgramWindow final : public ProgramWindow {
    Q_OBJECT
public:
    // `print` runs the listings of the print buttons.
    SmProgramWindow(ProgramContext context, SmData& data, ProgramPrintCommands print,
                    QWidget* owner = nullptr);

    int smNo() const { return smNo_; }
    void showProgram(int smNo);
    // Redisplays the program from the table.
    void reload() override;

private:
    static constexpr int kRows = kSmStepCount;

    void buildRows(QWidget* area);
    void connectRow(int row);
    void buildButtons(QWidget* area);
    SmStep& stepOfRow(int row) { return data_.table.program(smNo_).step(row + 1); }
    void showRow(int row);
    void commandLeft(int row);
    void dataEntered(int row);
    void storeFocused() override;
    // A value accepted on leaving its box or list is one step of the programs.
    void takeStep();

    SmData& data_;
    SmTable accepted_;  // the programs as the last step, read or display left them
    int smNo_ = 1;
    bool showing_ = false;  // the rows are being filled, not edited
    QSpinBox* upDown_ = nullptr;
    QLabel* smNoLabel_ = nullptr;
    std::array<CommandList*, kRows> commands_{};
    std::array<RuleBox*, kRows> dataBoxes_{};
};

}  // namespace kvt7
