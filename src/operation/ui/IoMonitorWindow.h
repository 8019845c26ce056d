#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPointer>
#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kvt7 {

class ControllerLink;
class Dialogs;
class IoMonitor;
class MessageCatalogue;
class OperatingMode;
class OperationJournal;

// What the I/O window is opened with; the lamp pictures are the program's own.
struct IoWindowContext {
    ControllerLink& link;
    OperatingMode& mode;
    Dialogs& dialogs;
    const MessageCatalogue& catalogue;
    QPixmap greenLamp;
    QPixmap whiteLamp;
    OperationJournal* journal = nullptr; // where switched outputs are recorded
};

// The I/O window: lamps of the 24 inputs and the shown outputs over white icons, the monitor
// button, the close button and chkIgnore. Modeless; the behaviour is the IoMonitor's.
// objectName "frmIOCheck": the guide, the pictures and the tests find the window by it.
class IoMonitorWindow : public QDialog {
    Q_OBJECT
public:
    explicit IoMonitorWindow(const IoWindowContext& context, QWidget* parent = nullptr);
    ~IoMonitorWindow() override;

    // The one window: shown when absent (deleted again when it closes), raised otherwise.
    static IoMonitorWindow* ShowOrRaise(QPointer<IoMonitorWindow>& instance,
                                        const IoWindowContext& context, QWidget* parent);

    IoMonitor& monitor() { return *monitor_; }
    // The program ends (see IoMonitor::StopForExit).
    bool StopForExit();

    void reject() override;  // Esc: a close request like any other

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildTable(bool outputs);
    void render();

    const MessageCatalogue& catalogue_;
    IoMonitor* monitor_;
    QPixmap greenLamp_;
    QPixmap whiteLamp_;
    std::array<QLabel*, 24> inputLamps_{};
    std::array<QLabel*, 24> outputLamps_{};
    QPushButton* cmdIoMonitor_ = nullptr;
    QPushButton* cmdIoWinClose_ = nullptr;
    QCheckBox* chkIgnore_ = nullptr;
};

}  // namespace kvt7
