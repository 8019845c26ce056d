#pragma once

#include "programs/ProgramContext.h"
#include "programs/SmTable.h"

#include <QWidget>
#include <array>
#include <functional>

class QLabel;
class QPushButton;
class QSpinBox;

namespace kvt7 {

struct PrintContext;

class CommandList;
class RuleBox;

// The S/M window: the 16 steps of one program of the program's S/M table, with the
// operations on the table, files and the controller. Modeless; the table outlives it.
class frmSqMcr : public QWidget {
    Q_OBJECT
public:
    // `print` is the program's preview for the listings of the print buttons.
    frmSqMcr(ProgramContext context, SmData& data, PrintContext& print, QWidget* owner = nullptr);
    ~frmSqMcr() override;

    int smNo() const { return smNo_; }
    void showProgram(int smNo);
    bool busy() const { return busy_; }
    // The operator's close requests (title bar, Escape, close()) are refused while an
    // operation of the window runs; the program's own close is not.
    void closeByProgram();
    // Redisplays the program from the table.
    void reload();

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    static constexpr int kRows = kSmStepCount;

    void buildRows(QWidget* area);
    void connectRow(int row);
    void buildButtons(QWidget* area);
    SmStep& stepOfRow(int row) { return data_.table.program(smNo_).step(row + 1); }
    void showRow(int row);
    void commandLeft(int row);
    void dataEntered(int row);
    void printShown();
    void storeFocused();
    void run(const std::function<void()>& operation);
    void setControlsEnabled(bool enabled);

    ProgramContext context_;
    SmData& data_;
    PrintContext& print_;
    int smNo_ = 1;
    bool busy_ = false;
    bool programClose_ = false;
    bool showing_ = false;  // the rows are being filled, not edited
    QSpinBox* upDown_ = nullptr;
    QLabel* smNoLabel_ = nullptr;
    std::array<CommandList*, kRows> commands_{};
    std::array<RuleBox*, kRows> data_boxes_{};
    QList<QPushButton*> buttons_;
    QWidget* rowsArea_ = nullptr;
};

}  // namespace kvt7
