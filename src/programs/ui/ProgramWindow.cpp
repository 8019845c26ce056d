#include "ProgramWindow.h"

#include "link/CommandGroups.h"

#include "base/MessageCatalogue.h"
#include "base/UndoStack.h"
#include "base/ui/UndoShortcuts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt7 {

ProgramWindow::ProgramWindow(ProgramContext context, ProgramPrintCommands print, QWidget* owner,
                             const QString& name, int title)
    : QWidget(owner, Qt::Window), context_(context), print_(std::move(print))
{
    setObjectName(name);
    setWindowTitle(context_.text(title));
    setProperty("Tag", QString::number(title));
    auto* layout = new QHBoxLayout(this);
    rowsArea_ = new QWidget(this);
    sideArea_ = new QWidget(this);
    layout->addWidget(rowsArea_);
    layout->addWidget(sideArea_, 0, Qt::AlignTop);
}

QLabel* ProgramWindow::caption(int id, QWidget* parent) const
{
    auto* label = new QLabel(context_.messages.Text(id), parent);
    label->setProperty("Tag", QString::number(id));
    return label;
}

ProgramWindow::~ProgramWindow()
{
    // The boxes lose the focus while they are destroyed; the table is not theirs to store
    // into by then (closing stored it).
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

void ProgramWindow::addButtons(QVBoxLayout* column, std::span<const ProgramButton> buttons,
                               std::span<const std::function<void()>> actions)
{
    QWidget* area = column->parentWidget();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(context_.text(buttons[i].caption), area);
        button->setObjectName(QLatin1String(buttons[i].name));
        button->setProperty("Tag", QString::number(buttons[i].caption));
        column->addWidget(button);
        buttons_ << button;
        const std::function<void()> action = actions[i];
        const bool closes = i + 1 == buttons.size();
        connect(button, &QPushButton::clicked, this, [this, action, closes] {
            storeFocused();
            if (closes)
                action();
            else
                run(action);
        });
    }
    column->addStretch();
}

void ProgramWindow::setControlsEnabled(bool enabled)
{
    for (QPushButton* button : buttons_)
        button->setEnabled(enabled);
    chooser_->setEnabled(enabled);
    // The table is not edited under a transfer that is sending or replacing it.
    rowsArea_->setEnabled(enabled);
}

void ProgramWindow::run(const std::function<void()>& operation)
{
    // Another operation holds the program-wide lock (a position transfer, say): nothing of
    // this window may run inside it.
    if (context_.groups.locked()) {
        QApplication::beep();
        return;
    }
    busy_ = true;
    setControlsEnabled(false);
    {
        ProgramCommandsLocked locked(context_.groups);
        operation();
    }
    busy_ = false;
    setControlsEnabled(true);
    reload();
}

void ProgramWindow::useSteps(UndoStack& steps)
{
    CommandGroups& groups = context_.groups;
    steps.setRefusal([&groups] { return groups.locked(); });
    AddUndoShortcuts(this, [this, &steps](bool redo) {
        if (busy_)
            return true;
        storeFocused();
        return redo ? steps.redo() : steps.undo();
    });
    connect(&steps, &UndoStack::restored, this, &ProgramWindow::reload);
}

void ProgramWindow::closeByProgram()
{
    programClose_ = true;
    close();
    programClose_ = false;
}

void ProgramWindow::closeEvent(QCloseEvent* event)
{
    if (busy_ && !programClose_) {
        event->ignore();
        return;
    }
    storeFocused();
    QWidget::closeEvent(event);
}

void ProgramWindow::showEvent(QShowEvent* event)
{
    // The table may have changed while the window was closed (another window, a command).
    reload();
    QWidget::showEvent(event);
}

void ProgramWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (!busy_)
            close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kvt7
