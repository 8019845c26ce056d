#pragma once

#include "actuators/ActuatorCatalogue.h"
#include "link/ControllerContext.h"
#include "parameters/ParameterEditorCommands.h"
#include "parameters/ParameterEditorFields.h"

#include <QDialog>
#include <map>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLineEdit;
class QPushButton;

namespace kvt7 {

class CatalogueFile;
class ParameterField;
class ParameterSteps;

// The device windows the editor opens: they sit above the parameters, so the composition
// root binds them.
struct ParameterEditorWindows {
    // Initial Parameter's choice of actuators (the offline actuator window over `owner`);
    // false when it was cancelled.
    std::function<bool(DeviceChoice& pc, QWidget* owner)> chooseActuators;
    // The stroke calculator over `owner`.
    std::function<void(QWidget* owner)> showCalculator;
};

// What the parameter editor works with; handed in by the composition root.
struct ParameterEditorWindowContext {
    ControllerContext controller;  // references only: kept by value, so a temporary will do
    ParameterSet& set;
    AxisSettings& axes;
    CommandGroups& commands;
    const CatalogueFile& catalogue;
    DefaultLists& defaultLists;
    QString programFolder;
    // After 685's Yes and a complete read-back: the PC setting taken from the set as the
    // model change does, the displays, the position check (1526). The main window's.
    std::function<void()> afterWrite;
    // The main window's axis headings after a read changed the PC setting.
    std::function<void()> refreshAxisDisplays;
    // What the composition root does not bind, the editor withdraws.
    ParameterEditorWindows windows = {};
    ParameterPrintCommands print = {};
    // The steps of the values (Ctrl+Z, Ctrl+Y); none: the editor has no undo.
    ParameterSteps* steps = nullptr;
};

// The parameter editor: the set of the four axes side by side and its commands. Modeless,
// one instance; the behaviour is in ParameterEditorCommands and ParameterEditorFields.
// objectName "frmParameta2": the guide, the pictures and the tests find the window by it.
class ParameterEditor : public QDialog {
    Q_OBJECT
public:
    explicit ParameterEditor(const ParameterEditorWindowContext& context,
                             QWidget* parent = nullptr);
    // The fields lose the focus while they are destroyed; their values are not taken then.
    ~ParameterEditor() override
    {
        for (QObject* child : findChildren<QObject*>())
            child->disconnect(this);
    }

    // showValuesInControls: the set's editor values into the controls.
    void showValuesInControls();
    // takeValuesFromControls: the controls into the set's editor values.
    void takeValuesFromControls();
    // showAxesInUse: the controls of the axes in use enabled, special ones by the lock.
    void showAxesInUse();
    // Another command replaced the set: show it again.
    void showSet()
    {
        showValuesInControls();
        showAxesInUse();
    }
    // Off while any command of the program runs.
    void setCommandButtonsEnabled(bool enabled);
    bool commandRunning() const { return running_; }
    // The program's commands switched off or on (the outermost switch counts): another
    // command may replace the set meanwhile, so the fields go into the set when it starts
    // and the set is shown again when it ends.
    void programCommandsSwitched(bool enabled);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    QWidget* buildFrame(int captionId, const std::vector<Param>& params);
    void addRow(QGridLayout* grid, int row, Param param);
    QWidget* buildActuatorFrame();
    QWidget* buildButtons();
    QPushButton* addButton(const char* name, int captionId, void (ParameterEditor::*slot)());
    void showList(QComboBox* combo, const QStringList& entries, std::optional<qint64> value);
    void showActuator(int axis);
    void refillSpeeds(int axis);
    void refillStrokes(int axis);
    void updateActuatorText(int axis);
    void onEnter(ParameterField* field);
    void onSpecialLock(bool ticked);
    // `stepText`: the name of the step the command's change of the values becomes.
    void run(const std::function<Outcome(const ParameterEditorContext&)>& command, int stepText);
    // The values as the controls hold them become a step when they changed.
    void acceptFields();
    void useSteps(ParameterSteps& steps);
    ParameterEditorContext editorContext();

    void onRead();
    void onWrite();
    void onVerifyController();
    void onOpenFile();
    void onSaveFile();
    void onVerifyFile();
    void onInitial();
    void onCalculate();
    void onPrintShown();
    void onPrintFile();

    ParameterEditorWindowContext context_;
    ActuatorCatalogues catalogues_{};
    std::map<Param, std::array<ParameterField*, kAxisCount>> fields_;
    std::map<Param, std::array<QComboBox*, kAxisCount>> lists_;
    std::map<const QComboBox*, ShownList> shown_;
    std::array<QComboBox*, kAxisCount> sizes_{};
    std::array<QComboBox*, kAxisCount> speeds_{};
    std::array<QComboBox*, kAxisCount> strokes_{};
    std::array<QLineEdit*, kAxisCount> actuators_{};
    QCheckBox* specialLock_ = nullptr;
    std::vector<QPushButton*> buttons_;
    bool running_ = false;
    bool suspended_ = false;  // another command of the program runs
    bool showing_ = false;
};

}  // namespace kvt7
