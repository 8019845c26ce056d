#include "StrokeCalculatorDialog.h"
#include "base/MessageIds.h"

#include "actuators/StrokeCalculator.h"
#include "base/ui/ControlArray.h"
#include "base/MessageCatalogue.h"
#include "platform/Dialogs.h"
#include "platform/FieldFile.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kvt7 {

namespace {

constexpr int kStrokeLimitMm = 500;

// A field that takes digits only (backspace and tab keep working), at most `digits` of them.
QLineEdit* DigitField(const QString& name, int digits, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setMaxLength(digits);
    field->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(digits)), field));
    return field;
}

}  // namespace

StrokeCalculatorDialog::StrokeCalculatorDialog(const DeviceWindowContext& context, QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("frmDevice"));
    const MessageCatalogue& texts = context.messages;
    setWindowTitle(texts.Text(Msg::Calculation));
    stroke_ = DigitField(QStringLiteral("txtStrokeTyo"), 3, this);
    lead_ = DigitField(QStringLiteral("txtRido"), 1, this);
    stroke_->installEventFilter(this);
    result_ = new QLabel(this);
    result_->setObjectName(QStringLiteral("lblStrokePulse"));
    result_->setFrameShape(QFrame::Panel);
    result_->setFrameShadow(QFrame::Sunken);
    result_->setMinimumWidth(100);

    auto* models = new QGroupBox(texts.Text(Msg::Actuator), this);
    auto* other = new QRadioButton(texts.Text(Msg::ExceptKVD), models);
    SetControlIndex(other, QStringLiteral("optActType"), 0);
    kv42D_ = new QRadioButton(texts.Text(Msg::KVD), models);
    SetControlIndex(kv42D_, QStringLiteral("optActType"), 1);
    other->setChecked(true);
    auto* modelRows = new QVBoxLayout(models);
    modelRows->addWidget(other);
    modelRows->addWidget(kv42D_);

    auto* calculateButton = new QPushButton(texts.Text(Msg::Calculate), this);
    calculateButton->setObjectName(QStringLiteral("cmdCulStrokePulse"));
    calculateButton->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(texts.Text(Msg::StrokeLengthMm), this), 0, 0);
    grid->addWidget(stroke_, 0, 1);
    grid->addWidget(new QLabel(texts.Text(Msg::Integer), this), 1, 0, 1, 3);
    grid->addWidget(new QLabel(texts.Text(Msg::LeadMm), this), 2, 0);
    grid->addWidget(lead_, 2, 1);
    grid->addWidget(new QLabel(texts.Text(Msg::AboutLEAD) + QLatin1Char(' ')
                                       + texts.Text(Msg::IntegerInCalculator),
                               this),
                    3, 0, 1, 3);
    grid->addWidget(models, 4, 0, 1, 3);
    grid->addWidget(new QLabel(texts.Text(Msg::StrokeLengthPulse), this), 5, 0);
    grid->addWidget(result_, 5, 1);
    grid->addWidget(calculateButton, 5, 2);

    connect(calculateButton, &QPushButton::clicked, this, &StrokeCalculatorDialog::calculate);
    connect(lead_, &QLineEdit::returnPressed, this, &StrokeCalculatorDialog::calculate);
}

void StrokeCalculatorDialog::calculate()
{
    result_->setText(StrokeToPulseCalculator(stroke_->text(), lead_->text(), kv42D_->isChecked(),
                                             context_.messages));
}

bool StrokeCalculatorDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the stroke field with a length the actuators do not reach sounds a warning.
    if (watched == stroke_ && event->type() == QEvent::FocusOut) {
        const auto mm = FieldNumber(stroke_->text());
        if (mm && (*mm > kStrokeLimitMm || *mm < 0))
            context_.dialogs.beep();
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace kvt7
