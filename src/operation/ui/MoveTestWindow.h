#pragma once

#include "operation/MotionContext.h"
#include "operation/MoveTest.h"
#include "operation/ui/MoveWindowParts.h"

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

namespace kvt7 {

// The move-test window: three tabs of test runs and the return to origin. It only turns
// control events into MoveTest requests and shows what MoveTest reports. A run stops when the
// operator lets go of the window: it loses the focus to another window, is minimised, hidden
// or closed.
// objectName "frmMove": the guide, the pictures and the tests find the window by it.
class MoveTestWindow : public QWidget {
    Q_OBJECT
public:
    explicit MoveTestWindow(MotionContext context, QWidget* owner = nullptr);
    ~MoveTestWindow() override;

    MoveTest& operation() { return move_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QWidget* buildSelectiveTab();
    QWidget* buildContinualTab();
    QWidget* buildGroupTab();
    QWidget* buildCommonRow();
    void connectSelective();
    void connectContinual();
    void connectGroup();
    // disableMoveButtons / enableMoveButtons.
    void setBusy(bool busy, int exec);
    void showContinual();
    void readSelectiveRow();
    // Every input control from the operation's inputs.
    void showInputs();

    MotionContext context_;
    MoveTest move_;
    bool closePending_ = false;

    QTabWidget* tabs_ = nullptr;
    // Selective move.
    QTableWidget* flgdProgram_ = nullptr;
    QRadioButton* optSelectMode_[2] = {};
    RunOptionBoxes selectiveOptions_;
    QPushButton* cmdInp1toF_ = nullptr;
    QPushButton* cmdDataClear_ = nullptr;
    RunButtons selectiveRun_;
    // Continual move.
    NumberPicker startPosi_;
    NumberPicker endPosi_;
    QRadioButton* optMoveWay_[2] = {};
    RunOptionBoxes continualOptions_;
    RunButtons continualRun_;
    // Group move.
    NumberPicker groupNo_;
    QLabel* lblGrpNo_ = nullptr;
    QPushButton* cmdGrpMove_ = nullptr;
    QPushButton* cmdGrpMoveStop_ = nullptr;
    QPushButton* cmdHome_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    QLabel* lblkanryoNo_ = nullptr;
    QLabel* imgOut1Green_ = nullptr;
    QLabel* imgOut2Green_ = nullptr;
};

}  // namespace kvt7
