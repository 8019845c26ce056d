#pragma once

#include "operation/MotionContext.h"
#include "operation/MoveTest.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTableWidget;

namespace kvt7 {

// The move-test window: three tabs of test runs and the return to origin. It only turns
// control events into MoveTest requests and shows what MoveTest reports.
class frmMove : public QWidget {
    Q_OBJECT
public:
    explicit frmMove(MotionContext context, QWidget* owner = nullptr);
    ~frmMove() override;

    MoveTest& operation() { return move_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* buildSelectiveTab();
    QWidget* buildContinualTab();
    QWidget* buildGroupTab();
    QWidget* buildCommonRow();
    void connectSelective();
    void connectContinual();
    void connectGroup();
    // MoveCMDBTN_Muko / MoveCMDBTN_Yuko.
    void setBusy(bool busy, int exec);
    void showContinual();
    void readSelectiveRow();

    MotionContext context_;
    MoveTest move_;
    bool closePending_ = false;

    QTabWidget* tabs_ = nullptr;
    QTableWidget* flgdProgram_ = nullptr;
    QRadioButton* optSelectMode_[2] = {};
    QCheckBox* chkRepeat_ = nullptr;
    QCheckBox* chkNoSqMcr1_ = nullptr;
    QCheckBox* chkTimerUse_ = nullptr;
    QLineEdit* txtTimer_ = nullptr;
    QPushButton* cmdInp1toF_ = nullptr;
    QPushButton* cmdDataClear_ = nullptr;
    QPushButton* cmdMove_ = nullptr;
    QPushButton* cmdTmpStop_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QSlider* sldrStartPosiNo_ = nullptr;
    QSpinBox* updownStartPosiNo_ = nullptr;
    QSlider* sldrEndPosiNo_ = nullptr;
    QSpinBox* updownEndPosiNo_ = nullptr;
    QRadioButton* optMoveWay_[2] = {};
    QCheckBox* chkRepeat2_ = nullptr;
    QCheckBox* chkNoSqMcr2_ = nullptr;
    QCheckBox* chkTimerUse2_ = nullptr;
    QLineEdit* txtTimer2_ = nullptr;
    QPushButton* cmdSelectMove_ = nullptr;
    QPushButton* cmdTempStop2_ = nullptr;
    QPushButton* cmdStop2_ = nullptr;
    QSlider* sldrGrpNo_ = nullptr;
    QSpinBox* UpDown2_ = nullptr;
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
