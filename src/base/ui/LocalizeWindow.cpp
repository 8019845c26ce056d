#include "LocalizeWindow.h"

#include "base/MessageCatalogue.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QToolBar>
#include <optional>

namespace kvt7 {

namespace {

// A Tag or tool-tip that is not a number counts as 0.
int IdOf(const QVariant& value)
{
    bool ok = false;
    const int id = value.toString().toInt(&ok);
    return ok ? id : 0;
}

class Localizer {
public:
    explicit Localizer(const MessageCatalogue& messages) : messages_(messages) {}

    std::optional<QString> text(int id) const
    {
        if (id <= 0)
            return std::nullopt;
        return messages_.lookup(id);
    }

    void visitChildren(QObject* parent);

private:
    void action(QAction* action) const;
    void widget(QWidget* widget) const;
    void label(QLabel* label) const;
    void listView(QAbstractItemView* view) const;
    void otherControl(QWidget* control) const;
    void toolTip(QWidget* control) const;
    bool setCaption(QWidget* control, const QString& caption) const;

    const MessageCatalogue& messages_;
};

bool OnToolBar(const QAction* action)
{
    const QList<QObject*> owners = action->associatedObjects();
    for (const QObject* owner : owners)
        if (qobject_cast<const QToolBar*>(owner))
            return true;
    return false;
}

void Localizer::action(QAction* action) const
{
    if (action->isSeparator())
        return;
    if (OnToolBar(action)) {
        if (const auto tip = text(IdOf(action->toolTip())))
            action->setToolTip(*tip);
    } else if (const auto caption = text(IdOf(action->text()))) {
        action->setText(*caption);
    }
}

void Localizer::toolTip(QWidget* control) const
{
    if (const auto tip = text(IdOf(control->toolTip())))
        control->setToolTip(*tip);
}

void Localizer::label(QLabel* label) const
{
    if (const auto caption = text(IdOf(label->property("Tag"))))
        label->setText(*caption);
    toolTip(label);
}

void Localizer::listView(QAbstractItemView* view) const
{
    const QStringList tags = view->property("ColumnTags").toStringList();
    QAbstractItemModel* model = view->model();
    if (!model)
        return;
    for (int column = 0; column < tags.size() && column < model->columnCount(); ++column)
        if (const auto heading = text(IdOf(tags.at(column))))
            model->setHeaderData(column, Qt::Horizontal, *heading);
}

bool Localizer::setCaption(QWidget* control, const QString& caption) const
{
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        button->setText(caption);
    } else if (auto* frame = qobject_cast<QGroupBox*>(control)) {
        frame->setTitle(caption);
    } else if (auto* menu = qobject_cast<QMenu*>(control)) {
        menu->setTitle(caption);
    } else if (auto* dock = qobject_cast<QDockWidget*>(control)) {
        dock->setWindowTitle(caption);
    } else if (auto* pages = qobject_cast<QStackedWidget*>(control->parentWidget());
               pages && qobject_cast<QTabWidget*>(pages->parentWidget())) {
        auto* tabs = static_cast<QTabWidget*>(pages->parentWidget());
        tabs->setTabText(tabs->indexOf(control), caption);
    } else {
        return false;
    }
    return true;
}

void Localizer::otherControl(QWidget* control) const
{
    if (const auto caption = text(IdOf(control->property("Tag"))))
        setCaption(control, *caption);
    toolTip(control);
}

void Localizer::widget(QWidget* widget) const
{
    if (auto* asLabel = qobject_cast<QLabel*>(widget))
        label(asLabel);
    else if (auto* view = qobject_cast<QAbstractItemView*>(widget);
             view && view->property("ColumnTags").isValid())
        listView(view);
    else
        otherControl(widget);
}

void Localizer::visitChildren(QObject* parent)
{
    // The buttons of a tool bar follow their actions; they are not controls of their own.
    const bool toolBar = qobject_cast<QToolBar*>(parent) != nullptr;
    const QObjectList children = parent->children();
    for (QObject* child : children) {
        try {
            if (auto* asAction = qobject_cast<QAction*>(child)) {
                action(asAction);
                continue;
            }
            auto* asWidget = qobject_cast<QWidget*>(child);
            if (!asWidget)
                continue;
            if (asWidget->isWindow() && !qobject_cast<QMenu*>(asWidget))
                continue;  // a window of its own, localized when it loads
            if (!toolBar)
                widget(asWidget);
        } catch (const std::exception&) {
            // One control that cannot take its text leaves the others to be done.
        }
        visitChildren(child);
    }
}

}  // namespace

void LocalizeWindow(QWidget* window, const MessageCatalogue& messages)
{
    if (!window)
        return;
    Localizer localizer(messages);
    if (const auto title = localizer.text(IdOf(window->property("Tag"))))
        window->setWindowTitle(*title);
    localizer.visitChildren(window);
}

}  // namespace kvt7
