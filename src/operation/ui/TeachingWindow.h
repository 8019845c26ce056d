#pragma once

#include "operation/JogSession.h"

#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace kvt7 {

class SettingsSection;

// What the teaching window works with; the composition root builds it.
struct JogWindowContext {
    MotionContext motion;
    const SettingsSection& section;
    TeachTarget target;
};

// The teaching window: a copy of the main table's axis positions, the present positions,
// JOG and pulse feed by the motion buttons, capture. Motion buttons act on the left mouse
// button alone, never take the focus, and a held button counts as released when the pointer
// leaves it or the window loses the focus. Shown modal.
// objectName "frmJOG": the guide, the pictures and the tests find the window by it.
class TeachingWindow : public QWidget {
    Q_OBJECT
public:
    explicit TeachingWindow(JogWindowContext context, QWidget* owner = nullptr);
    ~TeachingWindow() override;

    JogSession& session() { return session_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void buildTable();
    QWidget* buildControls();
    void showState(JogSession::State state);
    void showPresent();
    void showTable();
    void colourRows();

    JogWindowContext context_;
    JogSession session_;
    QTableWidget* flgdJOGPosi_ = nullptr;
    std::array<QLabel*, 4> lblPosi_{};
    QLabel* lblPosiNo_ = nullptr;
    QLabel* presentPositionHeading_ = nullptr;
    QLabel* lblJogVEL_ = nullptr;
    QGroupBox* Frame1_ = nullptr;
    std::array<QRadioButton*, 4> optJOG_{};
    std::array<QPushButton*, 8> cmdJOG_{};
    QPushButton* cmdJOGST_ = nullptr;
    QPushButton* cmdJOGend_ = nullptr;
    QPushButton* cmdJOGWrite_ = nullptr;
    int heldButton_ = -1;
};

}  // namespace kvt7
