#pragma once

#include "app/OptionsOperation.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace kvt7 {

// The options window: port, port device, port occupation, rounding, unit, language and the
// teaching speeds. Modal; the behaviour is the options operation's.
// objectName "frmOptions2": the guide, the pictures and the tests find the window by it.
class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    explicit OptionsDialog(OptionsContext& context, QWidget* owner = nullptr);

    OptionsValues values() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* buildPortTab();
    QWidget* buildPortDeviceFrame(QWidget* page);
    QWidget* buildRoundingTab();
    QWidget* buildUnitTab();
    QWidget* buildLanguageTab();
    QWidget* buildTeachingTab();
    void showValues(const OptionsValues& values);
    void rescanPorts();
    void showPortDevice();
    int portOfField() const;
    void tabChanged(int index);
    void sendBack(int tab, QLineEdit* field);
    void pressOk();

    OptionsContext& context_;
    QMap<int, QString> portDevices_;
    int shownPort_ = 0;
    int lastTab_ = 0;
    bool returning_ = false;

    QTabWidget* SSTabOption_ = nullptr;
    QLineEdit* txtPortNo_ = nullptr;
    QCheckBox* chkPortOccupy_ = nullptr;
    QListWidget* lstPortMap_ = nullptr;
    QLabel* lblDeviceInUse_ = nullptr;
    QComboBox* comboPortDevice_ = nullptr;
    QRadioButton* roundingOptions_[2] = {};
    QRadioButton* unitOptions_[2] = {};
    QRadioButton* languageOptions_[2] = {};
    QLineEdit* txtJogVel_ = nullptr;
    QRadioButton* optJogAcc_[3] = {};
    QRadioButton* optJogAcc2_[3] = {};
};

// View > Option: the window, modal, a little right of and below the owner's corner; then the
// restart notice when a language change is pending.
void RunOptionsWindow(OptionsContext& context, QWidget* owner);

}  // namespace kvt7
