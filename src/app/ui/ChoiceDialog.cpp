#include "ChoiceDialog.h"
#include "base/MessageIds.h"

#include "base/MessageCatalogue.h"
#include "base/ui/ControlArray.h"
#include "platform/ui/Desktop.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace kvt7 {

constexpr int kOptionCount = 3;

void PlaceBesideOwner(QWidget* window, const QWidget* owner)
{
    if (owner && owner->isVisible()) {
        window->move(owner->frameGeometry().topLeft() + QPoint(Twips(500), Twips(500)));
    } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window->move(screen->availableGeometry().center() - window->rect().center());
    }
}

ChoiceDialog::ChoiceDialog(const MessageCatalogue& messages, const QString& title,
                           const QString& question, const QStringList& options, bool noCancel,
                           QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint
                      | (noCancel ? Qt::WindowFlags() : Qt::WindowCloseButtonHint)),
      noCancel_(noCancel)
{
    setObjectName(QStringLiteral("frmSelection"));
    setWindowTitle(title);
    setProperty("SelectCancelBtnNasi", noCancel);

    auto* explanation = new QLabel(question, this);
    explanation->setObjectName(QStringLiteral("lblSelectSetumei"));
    explanation->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(explanation);
    layout->addStretch(1);
    auto* group = new QButtonGroup(this);
    auto* optionBox = new QVBoxLayout;
    optionBox->setContentsMargins(16, 4, 0, 4);
    for (int index = 0; index < kOptionCount; ++index) {
        auto* option = new QRadioButton(options.value(index), this);
        SetControlIndex(option, QStringLiteral("optSelectKomoku"), index);
        const bool present = index < options.size();
        option->setVisible(present);
        option->setEnabled(present);
        group->addButton(option, index);
        optionBox->addWidget(option);
        options_ << option;
    }
    options_.first()->setChecked(true);
    layout->addLayout(optionBox);
    layout->addStretch(1);

    auto* ok = new QPushButton(messages.Text(Msg::OK), this);
    ok->setObjectName(QStringLiteral("cmdSelectOk"));
    ok->setDefault(true);
    cancel_ = new QPushButton(messages.Text(Msg::Cancel), this);
    cancel_->setObjectName(QStringLiteral("cmdSelectCancel"));
    cancel_->setVisible(!noCancel);
    cancel_->setEnabled(!noCancel);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel_);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &ChoiceDialog::choose);
    connect(cancel_, &QPushButton::clicked, this, &ChoiceDialog::reject);

    // The designed size, wider and taller where the texts need it: an option is never cut.
    layout->activate();
    const int width = std::max(Twips(6300), minimumSizeHint().width());
    const int height = layout->hasHeightForWidth() ? layout->totalHeightForWidth(width) : sizeHint().height();
    setFixedSize(width, std::max(Twips(2895), height));
}

void ChoiceDialog::choose()
{
    for (int index = 0; index < options_.size(); ++index)
        if (options_.at(index)->isChecked() && options_.at(index)->isEnabled())
            selectedItemNo_ = index;
    accept();
}

void ChoiceDialog::reject()
{
    if (noCancel_)
        return;  // an answer is required
    selectedItemNo_ = -1;
    QDialog::reject();
}

void ChoiceDialog::closeEvent(QCloseEvent* event)
{
    if (noCancel_ && result() != QDialog::Accepted) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

void ChoiceDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    // The arrow keys move between the options at once; Enter takes the default OK.
    for (QRadioButton* option : options_)
        if (option->isChecked())
            option->setFocus();
}

int AskChoice(QWidget* owner, const MessageCatalogue& messages, const QString& title,
              const QString& question, const QStringList& options, bool noCancel)
{
    ChoiceDialog window(messages, title, question, options, noCancel, owner);
    PlaceBesideOwner(&window, owner);
    window.exec();
    return window.SelectedItemNo();
}

}  // namespace kvt7
