#include "RangeDialogParts.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

namespace kvt7 {

namespace {

constexpr int kOkId = Msg::OK;
constexpr int kCancelId = Msg::Cancel;
constexpr int kInvalidRangeId = Msg::InvalidValuePositionNo;

QLineEdit* RangeField(QWidget* parent, const QString& name, int value)
{
    auto* field = new QLineEdit(QString::number(value), parent);
    field->setObjectName(name);
    field->setMaxLength(3);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), field));
    field->setAlignment(Qt::AlignRight);
    field->setFixedWidth(48);
    return field;
}

QPushButton* DialogButton(QWidget* parent, const QString& name, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    // Enter in the fields is handled by the fields themselves.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setMinimumWidth(80);
    return button;
}

}  // namespace

void PlaceBelowOwnerCorner(QWidget& dialog, const QWidget* owner)
{
    if (!owner)
        return;
    const QWidget* window = owner->window();
    dialog.move(window->frameGeometry().topLeft() + QPoint(kDialogOffset, kDialogOffset));
}

QString RangeText(PositionRange range)
{
    return QStringLiteral("%1 ～ %2").arg(range.first).arg(range.last);
}

RangeDialogBase::RangeDialogBase(const RangeRequest& request, const MessageCatalogue& messages,
                                 Dialogs& dialogs, QWidget* owner)
    : QDialog(owner),
      request_(request),
      messages_(messages),
      dialogs_(dialogs),
      start_(RangeField(this, QStringLiteral("txtStartPosiNo"), request.proposal.first)),
      end_(RangeField(this, QStringLiteral("txtEndPosiNo"), request.proposal.last)),
      ok_(DialogButton(this, QStringLiteral("cmdOK"), messages.Text(kOkId))),
      cancel_(DialogButton(this, QStringLiteral("cmdCancel"), messages.Text(kCancelId)))
{
    setModal(true);
    setWindowTitle(messages.Text(Msg::DataRangeSetting));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    connect(start_, &QLineEdit::returnPressed, this, [this] {
        end_->setFocus();
        end_->selectAll();
    });
    connect(end_, &QLineEdit::returnPressed, ok_, &QPushButton::click);
    connect(ok_, &QPushButton::clicked, this, &RangeDialogBase::takeRange);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    PlaceBelowOwnerCorner(*this, owner);
}

QWidget* RangeDialogBase::fieldRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(start_);
    layout->addWidget(new QLabel(QStringLiteral("～"), row));
    layout->addWidget(end_);
    layout->addStretch(1);
    return row;
}

QWidget* RangeDialogBase::buttonRow()
{
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(ok_);
    layout->addWidget(cancel_);
    return row;
}

void RangeDialogBase::takeRange()
{
    PositionRange range;
    switch (JudgeRangeEntry(request_, allDataChosen(), start_->text(), end_->text(), range)) {
    case RangeVerdict::Accept:
        chosen_ = range;
        accept();
        break;
    case RangeVerdict::Invalid:
        dialogs_.message(messages_.Text(kInvalidRangeId), Buttons::Ok, Icon::Warning);
        start_->setFocus();
        start_->selectAll();
        break;
    case RangeVerdict::IgnoredOrder:
        break;
    }
}

}  // namespace kvt7
