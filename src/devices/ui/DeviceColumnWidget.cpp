#include "DeviceColumnWidget.h"
#include "base/MessageIds.h"

#include "devices/DeviceColumns.h"
#include "base/ui/ControlArray.h"
#include "base/MessageCatalogue.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace kvt7 {

namespace {

// Rows of the grid: the heading, then one per kind of control.
enum Row { Heading, Enable, Family, Size, Speed, Stroke, OldType, Vertical, WithPg };

// A list and its shown value; a value that is not listed (an actuator outside the
// catalogue) is shown as read-only text.
void ShowList(QComboBox* combo, const QStringList& items, const QString& value)
{
    combo->clear();
    combo->addItems(items);
    const int index = items.indexOf(value);
    combo->setEditable(index < 0 && !value.isEmpty());
    if (combo->isEditable()) {
        combo->lineEdit()->setReadOnly(true);
        combo->setCurrentIndex(-1);
        combo->setEditText(value);
    } else {
        combo->setCurrentIndex(index);
    }
}

}  // namespace

DeviceColumnWidget::DeviceColumnWidget(DeviceColumns& columns, const MessageCatalogue& messages,
                                       QWidget* parent)
    : QWidget(parent), columns_(columns)
{
    setObjectName(QStringLiteral("DeviceColumns"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    // The check boxes carry their own captions; the lists are named on the left.
    const std::array<std::pair<Row, int>, 3> labels{
            {{Size, Msg::SIZE}, {Speed, Msg::Speed}, {Stroke, Msg::Stroke}}};
    for (const auto& [row, id] : labels)
        grid->addWidget(new QLabel(messages.Text(id), this), row, 0);
    for (int axis = 1; axis <= 4; ++axis) {
        auto* heading = new QLabel(messages.Text(Msg::CancelInDevice + axis), this);
        heading->setAlignment(Qt::AlignCenter);
        grid->addWidget(heading, Heading, axis);
        build(axis, messages);
        const Controls& c = controls_.at(std::size_t(axis - 1));
        auto* family = new QWidget(this);
        auto* familyRow = new QHBoxLayout(family);
        familyRow->setContentsMargins(0, 0, 0, 0);
        familyRow->addWidget(c.rq);
        familyRow->addWidget(c.kv);
        grid->addWidget(c.enable, Enable, axis);
        grid->addWidget(family, Family, axis);
        grid->addWidget(c.size, Size, axis);
        grid->addWidget(c.speed, Speed, axis);
        grid->addWidget(c.stroke, Stroke, axis);
        grid->addWidget(c.oldType, OldType, axis);
        grid->addWidget(c.vertical, Vertical, axis);
        grid->addWidget(c.withPg, WithPg, axis);
        connectControls(axis);
        render(axis);
    }
    connect(&columns_, &DeviceColumns::columnChanged, this, &DeviceColumnWidget::render);
}

void DeviceColumnWidget::build(int axis, const MessageCatalogue& messages)
{
    Controls& c = controls_.at(std::size_t(axis - 1));
    const int index = axis - 1;
    c.enable = new QCheckBox(messages.Text(Msg::AXISEnable), this);
    SetControlIndex(c.enable, QStringLiteral("chkAxisEnable"), index);
    const QString family = QStringLiteral("optKvSelect") + QString::number(axis);
    c.rq = new QRadioButton(messages.Text(Msg::RQInDevice), this);
    SetControlIndex(c.rq, family, 0);
    c.kv = new QRadioButton(messages.Text(Msg::KV), this);
    SetControlIndex(c.kv, family, 1);
    auto* group = new QButtonGroup(this);
    group->addButton(c.rq);
    group->addButton(c.kv);
    c.size = new QComboBox(this);
    SetControlIndex(c.size, QStringLiteral("comboDeviceSize"), index);
    c.speed = new QComboBox(this);
    SetControlIndex(c.speed, QStringLiteral("comboDeviceSpeed"), index);
    c.stroke = new QComboBox(this);
    SetControlIndex(c.stroke, QStringLiteral("comboDeviceStroke"), index);
    c.oldType = new QCheckBox(messages.Text(Msg::OldType), this);
    SetControlIndex(c.oldType, QStringLiteral("chkNewOrOld"), index);
    c.vertical = new QCheckBox(messages.Text(Msg::VTYPE), this);
    SetControlIndex(c.vertical, QStringLiteral("chkDevVsiyou"), index);
    c.withPg = new QCheckBox(messages.Text(Msg::PG), this);
    SetControlIndex(c.withPg, QStringLiteral("chkDevPgUse"), index);
}

void DeviceColumnWidget::connectControls(int axis)
{
    const Controls& c = controls_.at(std::size_t(axis - 1));
    const auto unlessRendering = [this](auto action) {
        return [this, action](auto... arguments) {
            if (!rendering_)
                action(arguments...);
        };
    };
    connect(c.enable, &QCheckBox::clicked, this,
            unlessRendering([this, axis](bool on) { columns_.setAxisTicked(axis, on); }));
    connect(c.rq, &QRadioButton::clicked, this,
            unlessRendering([this, axis](bool) { columns_.chooseFamily(axis, false); }));
    connect(c.kv, &QRadioButton::clicked, this,
            unlessRendering([this, axis](bool) { columns_.chooseFamily(axis, true); }));
    connect(c.size, &QComboBox::activated, this, unlessRendering([this, axis, c](int index) {
                columns_.chooseSize(axis, c.size->itemText(index));
            }));
    connect(c.speed, &QComboBox::activated, this, unlessRendering([this, axis, c](int index) {
                columns_.chooseSpeed(axis, c.speed->itemText(index));
            }));
    connect(c.stroke, &QComboBox::activated, this, unlessRendering([this, axis, c](int index) {
                columns_.chooseStroke(axis, c.stroke->itemText(index).toInt());
            }));
    connect(c.oldType, &QCheckBox::clicked, this,
            unlessRendering([this, axis](bool on) { columns_.setOldType(axis, on); }));
    connect(c.vertical, &QCheckBox::clicked, this,
            unlessRendering([this, axis](bool on) { columns_.setVertical(axis, on); }));
    connect(c.withPg, &QCheckBox::clicked, this,
            unlessRendering([this, axis](bool on) { columns_.setWithPg(axis, on); }));
}

void DeviceColumnWidget::render(int axis)
{
    const DeviceColumn& column = columns_.column(axis);
    const Controls& c = controls_.at(std::size_t(axis - 1));
    rendering_ = true;
    c.enable->setChecked(column.axisTicked);
    c.kv->setChecked(column.kv);
    c.rq->setChecked(!column.kv);
    ShowList(c.size, column.sizes, column.size);
    ShowList(c.speed, column.speeds, column.speed);
    QStringList strokes;
    for (const int stroke : column.strokes)
        strokes << QString::number(stroke);
    ShowList(c.stroke, strokes, column.stroke > 0 ? QString::number(column.stroke) : QString());
    c.oldType->setChecked(column.oldType);
    c.vertical->setChecked(column.vertical);
    c.withPg->setChecked(column.withPg);
    const bool on = column.controlsEnabled();
    for (QWidget* control : {static_cast<QWidget*>(c.rq), static_cast<QWidget*>(c.kv),
                             static_cast<QWidget*>(c.size), static_cast<QWidget*>(c.speed),
                             static_cast<QWidget*>(c.stroke)})
        control->setEnabled(on);
    c.oldType->setEnabled(column.oldTypeEnabled());
    c.vertical->setEnabled(column.kvBoxesEnabled());
    c.withPg->setEnabled(column.kvBoxesEnabled());
    rendering_ = false;
}

}  // namespace kvt7
