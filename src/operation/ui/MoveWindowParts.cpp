#include "MoveWindowParts.h"
#include "base/MessageIds.h"

#include "operation/MoveInputs.h"
#include "platform/Dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace kvt7 {

QLabel* MakeLamp(const char* name, QWidget* parent)
{
    auto* lamp = new QLabel(parent);
    lamp->setObjectName(QString::fromLatin1(name));
    lamp->setFixedSize(18, 18);
    lamp->setStyleSheet(QStringLiteral("background-color: #00C000; border: 1px solid #404040;"));
    lamp->setVisible(false);
    return lamp;
}

QWidget* SelectiveCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                             const QModelIndex&) const
{
    auto* editor = new QLineEdit(parent);
    editor->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), editor));
    return editor;
}

void SelectiveCellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                         const QModelIndex& index) const
{
    const auto* box = static_cast<QLineEdit*>(editor);
    model->setData(index, LeftSelectiveCell(box->text()));
}

namespace {

// Refuses an edit that would leave the box unusable, with a beep.
class WaitBoxValidator final : public QValidator {
public:
    WaitBoxValidator(Dialogs& dialogs, QObject* parent) : QValidator(parent), dialogs_(dialogs) {}
    State validate(QString& input, int&) const override
    {
        if (WaitTextAcceptable(input))
            return Acceptable;
        dialogs_.beep();
        return Invalid;
    }

private:
    Dialogs& dialogs_;
};

}  // namespace

void GuardWaitBox(QLineEdit* box, Dialogs& dialogs)
{
    box->setValidator(new WaitBoxValidator(dialogs, box));
}

QGridLayout* MakeTabPage(const char* name, int id)
{
    return new QGridLayout(Tagged(new QWidget, name, id));
}

NumberPicker MakePicker(const char* sliderName, const char* updownName, int low, int high, int value,
                        QWidget* parent)
{
    const NumberPicker picker{Tagged(new QSlider(Qt::Horizontal, parent), sliderName, 0),
                              Tagged(new QSpinBox(parent), updownName, 0)};
    picker.slider->setRange(low, high);
    picker.slider->setValue(value);
    picker.updown->setRange(low, high);
    picker.updown->setValue(value);
    return picker;
}

void ShowNumber(const NumberPicker& picker, int value)
{
    const QSignalBlocker a(picker.slider);
    const QSignalBlocker b(picker.updown);
    picker.slider->setValue(value);
    picker.updown->setValue(value);
}

void MakeChoice(QRadioButton* (&options)[2], const char* name, int firstId, int secondId,
                QWidget* parent)
{
    auto* group = new QButtonGroup(parent);
    options[0] = Tagged(new QRadioButton(parent), name, firstId);
    options[1] = Tagged(new QRadioButton(parent), name, secondId);
    for (int i = 0; i < 2; ++i) {
        options[i]->setProperty("Index", i);
        group->addButton(options[i], i);
    }
    options[0]->setChecked(true);
}

RunOptionBoxes MakeRunOptions(const std::array<const char*, 4>& names, QWidget* parent)
{
    RunOptionBoxes boxes;
    boxes.repeat = Tagged(new QCheckBox(parent), names[0], Msg::Repeat);
    boxes.noSqMcr = Tagged(new QCheckBox(parent), names[1], Msg::SMSkip);
    boxes.timerUse = Tagged(new QCheckBox(parent), names[2], Msg::Timer);
    boxes.timer = Tagged(new QLineEdit(QStringLiteral("10"), parent), names[3], 0);
    boxes.timer->setMaximumWidth(70);
    return boxes;
}

void ShowRunOptions(const RunOptionBoxes& boxes, bool repeat, bool smSkip, bool timerUse,
                    const QString& timerText)
{
    const QSignalBlocker a(boxes.repeat);
    const QSignalBlocker b(boxes.noSqMcr);
    const QSignalBlocker c(boxes.timerUse);
    const QSignalBlocker d(boxes.timer);
    boxes.repeat->setChecked(repeat);
    boxes.noSqMcr->setChecked(smSkip);
    boxes.timerUse->setChecked(timerUse);
    boxes.timer->setText(timerText);
}

void ShowChoice(QRadioButton* const (&options)[2], bool second)
{
    const QSignalBlocker a(options[0]);
    const QSignalBlocker b(options[1]);
    options[second ? 1 : 0]->setChecked(true);
}

RunButtons MakeRunButtons(const char* moveName, const char* pauseName, const char* stopName,
                          QWidget* parent)
{
    return {Tagged(new QPushButton(parent), moveName, Msg::Move2),
            Tagged(new QPushButton(parent), pauseName, Msg::Pause),
            Tagged(new QPushButton(parent), stopName, Msg::Stop)};
}

void AddButtonRow(QGridLayout* grid, std::initializer_list<QPushButton*> buttons, int row,
                  int columns)
{
    auto* line = new QHBoxLayout;
    for (QPushButton* b : buttons)
        line->addWidget(b);
    grid->addLayout(line, row, 0, 1, columns);
}

}  // namespace kvt7
