#include "ParameterEditor.h"
#include "base/MessageIds.h"

#include "ParameterField.h"
#include "actuators/ActuatorCatalogue.h"
#include "base/MessageCatalogue.h"
#include "base/ui/ControlArray.h"
#include "base/ui/LocalizeWindow.h"
#include "base/ui/UndoShortcuts.h"
#include "link/CommandGroups.h"
#include "link/ControllerContext.h"
#include "parameters/ActuatorText.h"
#include "parameters/ParameterSteps.h"
#include "parameters/ParameterWriteCommand.h"
#include "platform/Dialogs.h"

#include <QCheckBox>
#include <algorithm>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>

namespace kvt7 {

namespace {

struct ListControl {
    Param param;
    const char* name;
};

const std::vector<ListControl> kListControls{
    {Param::AutoDrive, "comboAxisAutoDrv"}, {Param::Type, "comboEtcRqOrKv"},
    {Param::Function, "comboPgFunc"},       {Param::SoftLimit, "comboSoftLimit"},
    {Param::M0Enable, "comboM0Disable"},    {Param::HomeOut, "comboHomeOut"},
    {Param::AlmCode, "comboEtcAlmCode"},    {Param::GrpEnable, "comboEtcGrpEnable"},
    {Param::SmTimeout, "comboSmInTimer"},   {Param::AutoHome, "comboAutoHome"},
    {Param::StopPause, "comboStopPause"},
};

const char* ListName(Param param)
{
    for (const ListControl& control : kListControls) {
        if (control.param == param)
            return control.name;
    }
    return nullptr;
}

// Grey, with the value still readable.
const QString kLockedStyle = QStringLiteral("background-color: #C0C0C0; color: #505050;");

int PcMask(const AxisSettings& axes)
{
    int mask = 0;
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        if (axes.Pc(axis).InUse)
            mask |= 1 << (axis - 1);
    }
    return mask;
}

std::optional<qint64> NumberOf(const QString& text)
{
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok ? std::optional<qint64>(value) : std::nullopt;
}

}  // namespace

ParameterEditor::ParameterEditor(const ParameterEditorWindowContext& context, QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("frmParameta2"));
    setProperty("Tag", TagOf(Msg::Parameter));
    setModal(false);
    auto* layout = new QGridLayout(this);
    layout->addWidget(buildFrame(Msg::HOMEParameterInParameter,
                                 {Param::Offset, Param::Push, Param::Vel, Param::OfsVel,
                                  Param::PushVel, Param::Seq}),
                      0, 0);
    layout->addWidget(buildFrame(Msg::AXISParameterInParameter,
                                 {Param::Stroke, Param::Lead, Param::Pulse, Param::JogVel,
                                  Param::AutoDrive, Param::Type}),
                      1, 0);
    layout->addWidget(buildActuatorFrame(), 2, 0);
    layout->addWidget(buildFrame(Msg::PGParameterInParameter, {Param::Function, Param::Alm}), 0, 1);
    layout->addWidget(buildFrame(Msg::EtcParameterInParameter,
                                 {Param::HomeOut, Param::AlmCode, Param::GrpEnable,
                                  Param::SmTimeout, Param::SmTimer}),
                      1, 1);
    specialLock_ = new QCheckBox(this);
    specialLock_->setObjectName(QStringLiteral("chkTokuParaChange"));
    specialLock_->setProperty("Tag", TagOf(Msg::ChangeSPParameter));
    connect(specialLock_, &QCheckBox::clicked, this, &ParameterEditor::onSpecialLock);
    auto* special = new QWidget(this);
    auto* specialLayout = new QVBoxLayout(special);
    specialLayout->setContentsMargins(0, 0, 0, 0);
    specialLayout->addWidget(
            buildFrame(Msg::SPParameterInParameter,
                       {Param::Axis, Param::AutoHome, Param::StopPause, Param::PgTimer,
                        Param::LsTimer, Param::SoftLimit, Param::M0Enable}));
    specialLayout->addWidget(specialLock_);
    layout->addWidget(special, 2, 1);
    layout->addWidget(buildButtons(), 3, 0, 1, 2);
    LocalizeWindow(this, context_.controller.messages);
    if (context_.steps)
        useSteps(*context_.steps);
}

void ParameterEditor::useSteps(ParameterSteps& steps)
{
    CommandGroups& groups = context_.commands;
    steps.stack().setRefusal([&groups] { return groups.locked(); });
    AddUndoShortcuts(this, [this, &steps](bool redo) {
        if (running_ || suspended_)
            return true;
        acceptFields();
        return redo ? steps.stack().redo() : steps.stack().undo();
    });
    connect(&steps.stack(), &UndoStack::restored, this, [this, &steps] {
        showSet();
        steps.shown();
    });
}

void ParameterEditor::acceptFields()
{
    if (!context_.steps || showing_ || running_ || suspended_ || !isVisible())
        return;
    takeValuesFromControls();
    context_.steps->take(context_.controller.messages.Text(Msg::ValueEditStep));
}

QWidget* ParameterEditor::buildFrame(int captionId, const std::vector<Param>& params)
{
    auto* frame = new QGroupBox(this);
    frame->setProperty("Tag", QString::number(captionId));
    auto* grid = new QGridLayout(frame);
    const bool perAxis = std::any_of(params.begin(), params.end(), [](Param p) { return !InfoOf(p).common; });
    for (int axis = 1; perAxis && axis <= kAxisCount; ++axis)
        grid->addWidget(new QLabel(QString::number(axis), frame), 0, axis, Qt::AlignCenter);
    int row = 1;
    for (const Param param : params)
        addRow(grid, row++, param);
    return frame;
}

void ParameterEditor::addRow(QGridLayout* grid, int row, Param param)
{
    QWidget* frame = grid->parentWidget();
    grid->addWidget(new QLabel(QString::fromLatin1(InfoOf(param).name), frame), row, 0);
    const bool common = InfoOf(param).common;
    const int count = common ? 1 : kAxisCount;
    for (int index = 0; index < count; ++index) {
        QWidget* control = nullptr;
        if (const EditorTextField* field = TextFieldOf(param)) {
            auto* edit = new ParameterField(*field, common ? 0 : index + 1,
                                            context_.controller.dialogs, frame);
            connect(edit, &ParameterField::enterPressed, this, &ParameterEditor::onEnter);
            if (param == Param::Axis)
                connect(edit, &ParameterField::left, this, [this] { showAxesInUse(); });
            connect(edit, &ParameterField::left, this, &ParameterEditor::acceptFields);
            fields_[param].at(static_cast<std::size_t>(index)) = edit;
            control = edit;
            SetControlIndex(control, QString::fromLatin1(field->control), index);
        } else {
            auto* combo = new QComboBox(frame);
            connect(combo, &QComboBox::activated, this, &ParameterEditor::acceptFields);
            lists_[param].at(static_cast<std::size_t>(index)) = combo;
            control = combo;
            SetControlIndex(control, QString::fromLatin1(ListName(param)), index);
        }
        if (common)
            grid->addWidget(control, row, 1, 1, kAxisCount);
        else
            grid->addWidget(control, row, index + 1);
    }
}

QWidget* ParameterEditor::buildActuatorFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Actuator"), this);
    auto* grid = new QGridLayout(frame);
    const QStringList rows{QStringLiteral("SIZE"), QStringLiteral("SPEED"),
                           QStringLiteral("STROKE(mm)"), QStringLiteral("Actuator")};
    for (int row = 0; row < rows.size(); ++row)
        grid->addWidget(new QLabel(rows.at(row), frame), row, 0);
    for (int index = 0; index < kAxisCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        sizes_.at(i) = new QComboBox(frame);
        speeds_.at(i) = new QComboBox(frame);
        strokes_.at(i) = new QComboBox(frame);
        actuators_.at(i) = new QLineEdit(frame);
        actuators_.at(i)->setReadOnly(true);
        SetControlIndex(sizes_.at(i), QStringLiteral("comboActSize"), index);
        SetControlIndex(speeds_.at(i), QStringLiteral("comboActSpeed"), index);
        SetControlIndex(strokes_.at(i), QStringLiteral("comboActStroke"), index);
        SetControlIndex(actuators_.at(i), QStringLiteral("txtActuator"), index);
        const int axis = index + 1;
        connect(sizes_.at(i), &QComboBox::activated, this, [this, axis] { refillSpeeds(axis); });
        connect(speeds_.at(i), &QComboBox::activated, this, [this, axis] { refillStrokes(axis); });
        connect(strokes_.at(i), &QComboBox::activated, this, [this, axis] { updateActuatorText(axis); });
        for (QComboBox* combo : {sizes_.at(i), speeds_.at(i), strokes_.at(i)})
            connect(combo, &QComboBox::activated, this, &ParameterEditor::acceptFields);
        grid->addWidget(sizes_.at(i), 0, axis);
        grid->addWidget(speeds_.at(i), 1, axis);
        grid->addWidget(strokes_.at(i), 2, axis);
        grid->addWidget(actuators_.at(i), 3, axis);
    }
    return frame;
}

QPushButton* ParameterEditor::addButton(const char* name, int captionId,
                                        void (ParameterEditor::*slot)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(QString::fromLatin1(name));
    if (captionId > 0)
        button->setProperty("Tag", QString::number(captionId));
    if (slot)
        connect(button, &QPushButton::clicked, this, slot);
    buttons_.push_back(button);
    return button;
}

QWidget* ParameterEditor::buildButtons()
{
    auto* tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("SSTabPrm"));
    const MessageCatalogue& m = context_.controller.messages;
    const auto page = [&](int titleId, std::vector<QPushButton*> buttons) {
        auto* widget = new QWidget(tabs);
        auto* row = new QHBoxLayout(widget);
        for (QPushButton* button : buttons) {
            button->setParent(widget);
            row->addWidget(button);
        }
        tabs->addTab(widget, m.Text(titleId));
    };
    page(Msg::FILE,
         {addButton("cmdReadParaFile", Msg::FileOpenInParameter, &ParameterEditor::onOpenFile),
          addButton("cmdSaveParaFile", Msg::FileSaveInParameter, &ParameterEditor::onSaveFile),
          addButton("cmdConpareFile", Msg::VerifyInParameter2, &ParameterEditor::onVerifyFile),
          addButton("cmdParaFilePrint", Msg::PrintDataFile, &ParameterEditor::onPrintFile)});
    page(Msg::ControllerInParameter,
         {addButton("cmdParaRead", Msg::ReadCTInParameter, &ParameterEditor::onRead),
          addButton("cmdParaWrite", Msg::WriteCTInParameter, &ParameterEditor::onWrite),
          addButton("cmdConpareCT", Msg::VerifyInParameter, &ParameterEditor::onVerifyController),
          addButton("cmdParaPrint", Msg::PrintDataIndicated, &ParameterEditor::onPrintShown)});
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->addWidget(tabs, 1);
    row->addWidget(addButton("cmdIniPrm", Msg::InitialParameter, &ParameterEditor::onInitial));
    QPushButton* calculate
            = addButton("cmdCalculate", Msg::QuestionMark, &ParameterEditor::onCalculate);
    row->addWidget(calculate);
    const std::pair<const char*, bool> bound[] = {
        {"cmdParaPrint", bool(context_.print.printShown)},
        {"cmdParaFilePrint", bool(context_.print.printFile)},
        {"cmdIniPrm", bool(context_.windows.chooseActuators)},
        {"cmdCalculate", bool(context_.windows.showCalculator)}};
    for (QPushButton* button : buttons_)
        for (const auto& [name, isBound] : bound)
            if (!isBound && button->objectName() == QLatin1String(name))
                button->setVisible(false);
    return box;
}

void ParameterEditor::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    context_.catalogue.LoadCatalogue(catalogues_);
    specialLock_->setChecked(false);
    showValuesInControls();
    showAxesInUse();
    if (context_.steps)
        context_.steps->shown();
}

void ParameterEditor::showList(QComboBox* combo, const QStringList& entries,
                               std::optional<qint64> value)
{
    const ShownList shown = ShowListValue(entries, value);
    combo->clear();
    combo->addItems(shown.entries);
    combo->setCurrentIndex(shown.index);
    shown_[combo] = shown;
}

void ParameterEditor::showValuesInControls()
{
    showing_ = true;
    const EditorValues& values = context_.set.editor;
    for (auto& [param, controls] : fields_) {
        for (ParameterField* field : controls) {
            if (!field)
                continue;
            const auto value = values.number(param, std::max(field->axis(), 1));
            field->setText(value ? QString::number(*value) : QString());
        }
    }
    const MessageCatalogue& m = context_.controller.messages;
    for (auto& [param, controls] : lists_) {
        for (int index = 0; index < kAxisCount; ++index) {
            if (QComboBox* combo = controls.at(static_cast<std::size_t>(index)))
                showList(combo, EditorListEntries(param, m), values.number(param, index + 1));
        }
    }
    for (int axis = 1; axis <= kAxisCount; ++axis)
        showActuator(axis);
    showing_ = false;
}

void ParameterEditor::takeValuesFromControls()
{
    EditorValues& values = context_.set.editor;
    for (auto& [param, controls] : fields_) {
        for (ParameterField* field : controls) {
            if (field)
                values.setNumber(param, std::max(field->axis(), 1), NumberOf(field->text()));
        }
    }
    for (auto& [param, controls] : lists_) {
        for (int index = 0; index < kAxisCount; ++index) {
            if (QComboBox* combo = controls.at(static_cast<std::size_t>(index)))
                values.setNumber(param, index + 1, TakeListValue(shown_[combo], combo->currentIndex()));
        }
    }
    for (int axis = 1; axis <= kAxisCount; ++axis) {
        const auto i = static_cast<std::size_t>(axis - 1);
        const auto text = [](QComboBox* combo) {
            return combo->currentIndex() < 0 ? std::nullopt : std::optional<QString>(combo->currentText());
        };
        values.setText(Param::ActSize, axis, text(sizes_.at(i)));
        values.setText(Param::ActSpeed, axis, text(speeds_.at(i)));
        const auto stroke = text(strokes_.at(i));
        values.setNumber(Param::ActStroke, axis, stroke ? NumberOf(*stroke) : std::nullopt);
        values.setText(Param::Actuator, axis, RebuiltActuatorText(values, axis));
    }
}

// The three actuator lists of an axis from its catalogue; a value the catalogue lacks is
// shown all the same, so that taking the lists back never changes it.
void ParameterEditor::showActuator(int axis)
{
    const auto i = static_cast<std::size_t>(axis - 1);
    const EditorValues& values = context_.set.editor;
    const auto select = [](QComboBox* combo, const QStringList& entries, const std::optional<QString>& value) {
        combo->clear();
        combo->addItems(entries);
        if (value && !entries.contains(*value))
            combo->addItem(*value);
        combo->setCurrentIndex(value ? combo->findText(*value) : -1);
    };
    const ActuatorCatalogue& catalogue = catalogues_.at(i);
    const auto size = values.text(Param::ActSize, axis);
    const auto speed = values.text(Param::ActSpeed, axis);
    const auto stroke = values.number(Param::ActStroke, axis);
    select(sizes_.at(i), catalogue.SizeList, size);
    select(speeds_.at(i), catalogue.SpeedListOfSize(size.value_or(QString())), speed);
    QStringList strokes;
    for (const int mm : catalogue.StrokesOf(size.value_or(QString()), speed.value_or(QString())))
        strokes << QString::number(mm);
    select(strokes_.at(i), strokes,
           stroke ? std::optional<QString>(QString::number(*stroke)) : std::nullopt);
    updateActuatorText(axis);
}

void ParameterEditor::refillSpeeds(int axis)
{
    const auto i = static_cast<std::size_t>(axis - 1);
    QComboBox* speeds = speeds_.at(i);
    speeds->clear();
    speeds->addItems(catalogues_.at(i).SpeedListOfSize(sizes_.at(i)->currentText()));
    speeds->setCurrentIndex(speeds->count() > 0 ? 0 : -1);
    refillStrokes(axis);
}

void ParameterEditor::refillStrokes(int axis)
{
    const auto i = static_cast<std::size_t>(axis - 1);
    QComboBox* strokes = strokes_.at(i);
    strokes->clear();
    for (const int mm : catalogues_.at(i).StrokesOf(sizes_.at(i)->currentText(), speeds_.at(i)->currentText()))
        strokes->addItem(QString::number(mm));
    strokes->setCurrentIndex(strokes->count() > 0 ? 0 : -1);
    updateActuatorText(axis);
}

void ParameterEditor::updateActuatorText(int axis)
{
    const auto i = static_cast<std::size_t>(axis - 1);
    if (sizes_.at(i)->currentIndex() < 0) {
        actuators_.at(i)->clear();
        return;
    }
    actuators_.at(i)->setText(BuildActuatorText(sizes_.at(i)->currentText(), speeds_.at(i)->currentText(),
                                                NumberOf(strokes_.at(i)->currentText())));
}

void ParameterEditor::showAxesInUse()
{
    const ParameterField* axisField = fields_.at(Param::Axis).at(0);
    const int mask = EditorAxisMask(axisField->text(), PcMask(context_.axes));
    const bool unlocked = specialLock_->isChecked();
    const auto apply = [&](Param param, int index, QWidget* control) {
        if (!control)
            return;
        const int axis = InfoOf(param).common ? 0 : index + 1;
        control->setEnabled(EditorControlEnabled(param, axis, mask, unlocked));
        if (IsSpecialParameter(param))
            control->setStyleSheet(unlocked ? QString() : kLockedStyle);
    };
    for (auto& [param, controls] : fields_) {
        for (int index = 0; index < kAxisCount; ++index)
            apply(param, index, controls.at(static_cast<std::size_t>(index)));
    }
    for (auto& [param, controls] : lists_) {
        for (int index = 0; index < kAxisCount; ++index)
            apply(param, index, controls.at(static_cast<std::size_t>(index)));
    }
    for (int index = 0; index < kAxisCount; ++index) {
        const auto i = static_cast<std::size_t>(index);
        for (QWidget* control : {static_cast<QWidget*>(sizes_.at(i)), static_cast<QWidget*>(speeds_.at(i)),
                                 static_cast<QWidget*>(strokes_.at(i)), static_cast<QWidget*>(actuators_.at(i))})
            apply(Param::ActSize, index, control);
    }
}

void ParameterEditor::onEnter(ParameterField* field)
{
    const auto enabled = [this](FieldPosition p) {
        const auto it = fields_.find(p.param);
        if (it == fields_.end())
            return false;
        const ParameterField* target = it->second.at(static_cast<std::size_t>(p.axis - 1));
        return target && target->isEnabled();
    };
    const auto next = NextFieldOnEnter({field->field().param, std::max(field->axis(), 1)}, enabled);
    if (next)
        fields_.at(next->param).at(static_cast<std::size_t>(next->axis - 1))->setFocus(Qt::TabFocusReason);
}

void ParameterEditor::onSpecialLock(bool ticked)
{
    if (ticked && !AskUnlockSpecial(context_.controller.dialogs, context_.controller.messages))
        specialLock_->setChecked(false);
    showAxesInUse();
}

void ParameterEditor::setCommandButtonsEnabled(bool enabled)
{
    for (QPushButton* button : buttons_)
        button->setEnabled(enabled);
}

ParameterEditorContext ParameterEditor::editorContext()
{
    ParameterWindowSteps steps;
    steps.takeValuesFromControls = [this] { takeValuesFromControls(); };
    steps.ShowParameters = [this] { showValuesInControls(); };
    steps.showAxesInUse = [this] { showAxesInUse(); };
    steps.RefreshAxisDisplays = context_.refreshAxisDisplays;
    return {context_.controller, context_.set, context_.axes, context_.commands, steps};
}

void ParameterEditor::programCommandsSwitched(bool enabled)
{
    // The editor's own command: its bracket takes and shows the fields itself.
    if (running_)
        return;
    if (!enabled) {
        if (!suspended_ && isVisible())
            takeValuesFromControls();
        suspended_ = true;
        setCommandButtonsEnabled(false);
        return;
    }
    // An inner command ended; the outer one still holds the program.
    if (context_.commands.locked())
        return;
    if (suspended_ && isVisible()) {
        showSet();
        if (context_.steps)
            context_.steps->shown();
    }
    suspended_ = false;
    setCommandButtonsEnabled(true);
}

void ParameterEditor::run(const std::function<Outcome(const ParameterEditorContext&)>& command, int stepText)
{
    if (running_ || suspended_)
        return;
    acceptFields();
    running_ = true;
    setCommandButtonsEnabled(false);
    const ParameterEditorContext context = editorContext();
    command(context);
    running_ = false;
    if (context_.steps)
        context_.steps->take(context_.controller.messages.Text(stepText));
    setCommandButtonsEnabled(!context_.commands.locked());
}

void ParameterEditor::onRead()
{
    run(EditorReadFromController, Msg::ReadStep);
}
void ParameterEditor::onVerifyController()
{
    run(EditorVerifyAgainstController, Msg::ReadStep);
}
void ParameterEditor::onOpenFile()
{
    run(EditorOpenFile, Msg::FileOpenStep);
}
void ParameterEditor::onSaveFile()
{
    run(EditorSaveFile, Msg::ValueEditStep);
}
void ParameterEditor::onVerifyFile()
{
    run(EditorVerifyAgainstFile, Msg::ValueEditStep);
}

void ParameterEditor::onWrite()
{
    run([this](const ParameterEditorContext& c) {
        return EditorWriteToController(c, [this] {
            ReadBackAfterWrite(context_.controller, context_.set, context_.axes, context_.afterWrite);
        });
    }, Msg::ReadStep);
}

void ParameterEditor::onInitial()
{
    run([this](const ParameterEditorContext& c) {
        InitialParameterSource source{context_.defaultLists, context_.programFolder,
                                      [this](DeviceChoice& pc) { return context_.windows.chooseActuators(pc, this); }};
        return EditorInitialParameters(c, source);
    }, Msg::InitialParameterStep);
}

void ParameterEditor::onPrintShown()
{
    run([this](const ParameterEditorContext& c) {
        EditorCommandScope scope(c);
        return context_.print.printShown(c.set);
    }, Msg::ValueEditStep);
}

void ParameterEditor::onPrintFile()
{
    run([this](const ParameterEditorContext& c) {
        EditorCommandScope scope(c);
        return context_.print.printFile();
    }, Msg::ValueEditStep);
}

void ParameterEditor::onCalculate()
{
    context_.windows.showCalculator(this);
}

void ParameterEditor::closeEvent(QCloseEvent* event)
{
    // A command's nested waits still use the set and the controls.
    if (running_) {
        event->ignore();
        return;
    }
    // While another command runs the fields were taken at its start and the set may be new.
    if (!suspended_)
        takeValuesFromControls();
    QDialog::closeEvent(event);
}

void ParameterEditor::reject()
{
    if (running_)
        return;
    if (!suspended_)
        takeValuesFromControls();
    QDialog::reject();
}

}  // namespace kvt7
