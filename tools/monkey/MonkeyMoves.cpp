// What the monkey does, by what the screen offers: the main window's commands and grid, any
// window's controls, modal windows until they are answered, the JOG buttons held and let go.
#include "ActionLog.h"
#include "Monkey.h"
#include "MonkeyDialogs.h"
#include "MonkeyHands.h"
#include "MonkeyRig.h"
#include "Random.h"
#include "Watchdog.h"
#include "app/CommandTable.h"
#include "operation/ui/TeachingWindow.h"

#include <QAbstractButton>
#include <QAbstractPrintDialog>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTableView>
#include <QToolBar>

namespace kvt7 {

namespace {

// A modal window the monkey has acted in this often, or for this long, gets a button or its
// close box: every modal is answered.
constexpr int kModalActions = 12;
constexpr qint64 kModalMs = 10000;

const QList<CommandId> kMovingWindows{CommandId::mnuShowTeaching, CommandId::cmdJogTeach, CommandId::mnuShowMove,
                                      CommandId::cmdOpenMoveWin, CommandId::toolMoveTest};
const QList<CommandId> kTableSources{CommandId::mnuFileNew, CommandId::mnuFileOpen, CommandId::mnuFileGetfromCt,
                                     CommandId::toolNew, CommandId::toolOpen, CommandId::cmdPosiFileOpen,
                                     CommandId::cmdPosiRead};

bool IsMotionButton(const QObject* control)
{
    return control->objectName() == QLatin1String("cmdJOG");
}

QString KeyName(int key)
{
    switch (key) {
    case Qt::Key_Return:
        return QStringLiteral("Enter");
    case Qt::Key_Tab:
        return QStringLiteral("Tab");
    case Qt::Key_Escape:
        return QStringLiteral("Escape");
    case Qt::Key_Delete:
        return QStringLiteral("Delete");
    case Qt::Key_Down:
        return QStringLiteral("Down");
    case Qt::Key_Up:
        return QStringLiteral("Up");
    default:
        return QStringLiteral("key %1").arg(key, 0, 16);
    }
}

// The windows an operator sees, the main window first.
QList<QWidget*> ShownWindows(QWidget* main)
{
    QList<QWidget*> windows;
    if (main && main->isVisible())
        windows << main;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != main && window->isVisible() && window->windowType() != Qt::ToolTip
            && window->windowType() != Qt::Popup)
            windows << window;
    return windows;
}

// A command's control can be reached: enabled, its menus enabled, its tool bar shown.
bool Reachable(MainWindow& window, const CommandRow& row, QObject* control)
{
    if (auto* button = qobject_cast<QPushButton*>(control))
        return button->isVisible() && button->isEnabled();
    auto* action = qobject_cast<QAction*>(control);
    if (!action || !action->isEnabled())
        return false;
    if (row.kind == CommandKind::ToolButton) {
        auto* bar = window.findChild<QToolBar*>(QStringLiteral("tbToolBar"));
        return bar && bar->isVisible();
    }
    for (CommandId menu = row.menu;;) {
        const CommandRow& title = RowOf(menu);
        auto* menuAction = qobject_cast<QAction*>(window.CommandControl(menu));
        if (menuAction && !menuAction->isEnabled())
            return false;
        if (title.menu == menu)
            return true;
        menu = title.menu;
    }
}

}  // namespace

QString Monkey::where(const QWidget* window) const
{
    return window ? Hands::Name(window) : QStringLiteral("(none)");
}

void Monkey::actFreely()
{
    MainWindow& main = rig_.running()->window;
    const QList<QWidget*> windows = ShownWindows(&main);
    const int roll = random_.below(100);
    if (!main.isVisible() && roll < 45) {
        schedule(random_.between(50, 300));  // the start has not shown the main window yet
    } else if (roll < 33) {
        runCommand();
    } else if (roll < 45) {
        actOnGrid();
    } else if (roll < 82) {
        // The main window's controls are mostly the commands above; mostly the other windows
        // (the move test twice as often: its runs move the machine).
        QList<QWidget*> others = windows;
        others.removeAll(&main);
        for (QWidget* window : windows)
            if (window->objectName() == QLatin1String("frmMove"))
                others << window;
        actInWindow(others.isEmpty() || random_.chance(20) ? &main : random_.pick(others), false);
    } else if (roll < 86) {
        // Now and then a window's close box; the main window's (the exit) seldom.
        QList<QWidget*> closable = windows;
        closable.removeAll(&main);
        if (random_.chance(4))
            closeWindow(&main);
        else if (!closable.isEmpty())
            closeWindow(random_.pick(closable));
    } else if (roll < 90) {
        if (!windows.isEmpty()) {
            QWidget* window = random_.pick(windows);
            perform(QStringLiteral("%1: activate").arg(where(window)), [window] { Hands::Activate(window); });
        }
    } else {
        schedule(random_.between(200, 1500));  // the operator waits and watches
    }
}

void Monkey::runCommand()
{
    MainWindow& main = rig_.running()->window;
    QList<const CommandRow*> rows;
    for (const CommandRow& row : CommandTable()) {
        if (row.kind == CommandKind::MenuTitle || !Reachable(main, row, main.CommandControl(row.id)))
            continue;
        if (row.id == CommandId::mnuFileExit && !random_.chance(10))
            continue;  // the exit, seldom
        rows << &row;
        // The windows that move the machine, and what gives the table positions, more often.
        if (kMovingWindows.contains(row.id))
            rows << &row << &row << &row;
        if (kTableSources.contains(row.id))
            rows << &row;
    }
    if (rows.isEmpty())
        return;
    const CommandRow& row = *random_.pick(rows);
    QObject* control = main.CommandControl(row.id);
    const QString what = QStringLiteral("main: command %1").arg(QLatin1String(row.objectName));
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        QPointer<QPushButton> alive(button);
        Hands::Activate(&main);
        perform(what, [alive] { Hands::Click(alive); });
    } else if (auto* action = qobject_cast<QAction*>(control)) {
        QPointer<QAction> alive(action);
        perform(what, [alive] {
            if (alive)
                alive->trigger();
        });
    }
}

void Monkey::actOnGrid()
{
    MainWindow& main = rig_.running()->window;
    QTableView* grid = main.PositionGrid();
    if (!grid || !grid->isVisible() || !grid->isEnabled())
        return;
    Hands::Activate(&main);
    QPointer<QTableView> alive(grid);
    QString cell;
    const QString text = Hands::RandomText(random_);
    const int key = random_.chance(20) ? std::array{Qt::Key_Delete, Qt::Key_Down, Qt::Key_Up}[std::size_t(random_.below(3))]
                                       : Hands::RandomEndKey(random_);
    const bool typing = random_.chance(65);
    perform(QStringLiteral("main: grid cell%1%2").arg(typing ? QStringLiteral(", type \"%1\"").arg(text) : QString(),
                                                       key ? QStringLiteral(", %1").arg(KeyName(key)) : QString()),
            [this, alive, &main, text, key, typing] {
                QString which;
                if (!alive || !Hands::ClickCell(alive, random_, &which))
                    return;
                log_.note(QStringLiteral("cell: ") + which);
                if (alive)
                    Hands::Type(&main, alive, typing ? text : QString(), key);
            });
}

// Any window's controls, at random; `answering` (a modal window) leans to its buttons and
// after a while takes nothing else.
void Monkey::actInWindow(QWidget* window, bool answering)
{
    if (!window)
        return;
    Hands::Activate(window);
    if (answering && modalActions_ >= 4 * kModalActions) {
        // Neither its buttons nor its close box let the operator out.
        if (watchdog_)
            watchdog_->violation(QStringLiteral("the modal window %1 could not be left").arg(where(window)));
        if (auto* dialog = qobject_cast<QDialog*>(window))
            perform(QStringLiteral("%1: rejected by the monkey").arg(where(window)), [dialog] { dialog->reject(); });
        window->setProperty("_monkeyActions", 0);
        return;
    }
    if (answering && (modalActions_ >= kModalActions || clock_.elapsed() - modalSince_ > kModalMs)) {
        if (modalActions_ >= 2 * kModalActions || random_.chance(40) || !clickButton(window, true))
            closeWindow(window);
        return;
    }
    const int roll = random_.below(100);
    bool acted = false;
    if (roll < (answering ? 50 : 40))
        acted = clickButton(window, answering);
    else if (roll < 70)
        acted = typeIntoField(window);
    else if (roll < 80)
        acted = chooseOrSlide(window);
    else if (roll < 90)
        acted = useTable(window);
    if (!acted && roll >= 90 && roll < 96) {
        pressKey(window);
        acted = true;
    }
    RunningProgram* run = rig_.running();
    if (!acted && roll >= 96 && (!run || window != &run->window))
        closeWindow(window);
}

void Monkey::answerModal(QWidget* modal)
{
    // Counted on the window itself, so that a window under another modal keeps its count.
    if (!modal->property("_monkeySince").isValid())
        modal->setProperty("_monkeySince", clock_.elapsed());
    modalSince_ = modal->property("_monkeySince").toLongLong();
    modalActions_ = modal->property("_monkeyActions").toInt() + 1;
    modal->setProperty("_monkeyActions", modalActions_);
    const QString name = modal->objectName();
    if (name == QLatin1String("frmProcessing"))
        return;  // it goes by itself
    if (name == QLatin1String("frmTrance")) {
        // The transfer goes on by itself; now and then the operator cancels it.
        auto* cancel = modal->findChild<QPushButton*>(QStringLiteral("cmdTranceCancel"));
        if (cancel && cancel->isVisible() && cancel->isEnabled() && random_.chance(4))
            perform(QStringLiteral("frmTrance: click cmdTranceCancel"), [cancel] { Hands::Click(cancel); });
        return;
    }
    // Nothing goes to a real printer, and file dialogs are the monkey's own.
    if (qobject_cast<QAbstractPrintDialog*>(modal) || qobject_cast<QFileDialog*>(modal)) {
        auto* dialog = static_cast<QDialog*>(modal);
        perform(QStringLiteral("%1: Cancel").arg(where(modal)), [dialog] { dialog->reject(); });
        return;
    }
    if (auto* jog = qobject_cast<TeachingWindow*>(modal)) {
        actOnJog(jog);
        return;
    }
    actInWindow(modal, true);
}

bool Monkey::clickButton(QWidget* window, bool answering)
{
    QList<QAbstractButton*> buttons;
    for (QAbstractButton* button : Hands::Reachable<QAbstractButton>(window))
        if (!IsMotionButton(button) && (!answering || modalActions_ < kModalActions || qobject_cast<QPushButton*>(button)))
            buttons << button;
    if (buttons.isEmpty())
        return false;
    QPointer<QAbstractButton> button = random_.pick(buttons);
    perform(QStringLiteral("%1: click %2").arg(where(window), Hands::Name(button)), [button] { Hands::Click(button); });
    return true;
}

bool Monkey::typeIntoField(QWidget* window)
{
    QList<QWidget*> fields;
    for (QLineEdit* edit : Hands::Reachable<QLineEdit>(window))
        if (!qobject_cast<QAbstractSpinBox*>(edit->parentWidget()) && !qobject_cast<QComboBox*>(edit->parentWidget())
            && !edit->isReadOnly())
            fields << edit;
    for (QAbstractSpinBox* box : Hands::Reachable<QAbstractSpinBox>(window))
        fields << box;
    for (QComboBox* box : Hands::Reachable<QComboBox>(window))
        if (box->isEditable())
            fields << box;
    if (fields.isEmpty())
        return false;
    QPointer<QWidget> field = random_.pick(fields);
    const QString text = Hands::RandomText(random_);
    const int key = Hands::RandomEndKey(random_);
    perform(QStringLiteral("%1: type \"%2\"%3 into %4")
                .arg(where(window), text, key ? QStringLiteral(" + ") + KeyName(key) : QString(), Hands::Name(field)),
            [field, window, text, key] {
                Hands::Click(field);
                if (field)
                    Hands::Key(field, Qt::Key_A, Qt::ControlModifier);
                if (field)
                    Hands::Key(field, Qt::Key_Delete);
                Hands::Type(window, field, text, key);
            });
    return true;
}

// A choice from a list, a tab, a slider: by the keyboard, as the mouse would open pop-ups.
bool Monkey::chooseOrSlide(QWidget* window)
{
    QList<QWidget*> controls;
    for (QComboBox* box : Hands::Reachable<QComboBox>(window))
        controls << box;
    for (QSlider* slider : Hands::Reachable<QSlider>(window))
        controls << slider;
    for (QTabBar* bar : Hands::Reachable<QTabBar>(window))
        controls << bar;
    if (controls.isEmpty())
        return false;
    QPointer<QWidget> control = random_.pick(controls);
    if (auto* bar = qobject_cast<QTabBar*>(control.data())) {
        const int tab = random_.below(bar->count());
        perform(QStringLiteral("%1: tab %2 of %3").arg(where(window)).arg(tab).arg(Hands::Name(bar)),
                [control, tab] {
                    if (auto* tabs = qobject_cast<QTabBar*>(control.data()))
                        Hands::Click(tabs, tabs->tabRect(tab).center());
                });
        return true;
    }
    static const std::array<int, 6> kKeys{Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home, Qt::Key_End};
    const int key = kKeys.at(std::size_t(random_.below(int(kKeys.size()))));
    perform(QStringLiteral("%1: %2 on %3").arg(where(window), KeyName(key), Hands::Name(control)), [control, key] {
        if (!control)
            return;
        control->setFocus(Qt::TabFocusReason);
        Hands::Key(control, key);
    });
    return true;
}

bool Monkey::useTable(QWidget* window)
{
    QList<QAbstractItemView*> tables = Hands::Reachable<QAbstractItemView>(window);
    QList<QLabel*> lamps;
    for (QLabel* label : Hands::Reachable<QLabel>(window))
        if (label->property("Index").isValid() || label->objectName().startsWith(QLatin1String("img")))
            lamps << label;
    if (!lamps.isEmpty() && (tables.isEmpty() || random_.chance(40))) {
        QPointer<QLabel> lamp = random_.pick(lamps);
        perform(QStringLiteral("%1: double-click %2").arg(where(window), Hands::Name(lamp)), [lamp] { Hands::DoubleClick(lamp); });
        return true;
    }
    if (tables.isEmpty())
        return false;
    QPointer<QAbstractItemView> table = random_.pick(tables);
    const bool typing = random_.chance(50);
    const QString text = Hands::RandomText(random_);
    const int key = Hands::RandomEndKey(random_);
    perform(QStringLiteral("%1: cell of %2%3").arg(where(window), Hands::Name(table),
                                                   typing ? QStringLiteral(", type \"%1\"").arg(text) : QString()),
            [this, table, window, typing, text, key] {
                QString which;
                if (!table || !Hands::ClickCell(table, random_, &which))
                    return;
                log_.note(QStringLiteral("cell: ") + which);
                if (typing)
                    Hands::Type(window, table, text, key);
            });
    return true;
}

void Monkey::pressKey(QWidget* window)
{
    static const std::array<int, 4> kKeys{Qt::Key_Escape, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Delete};
    const int key = kKeys.at(std::size_t(random_.below(int(kKeys.size()))));
    QPointer<QWidget> target(window);
    perform(QStringLiteral("%1: %2").arg(where(window), KeyName(key)), [target, key] {
        if (target)
            Hands::Type(target, target, QString(), key);
    });
}

void Monkey::closeWindow(QWidget* window)
{
    QPointer<QWidget> target(window);
    perform(QStringLiteral("%1: close box").arg(where(window)), [target] {
        if (target)
            target->close();
    });
}

// The teaching window: a motion button pressed and held, or its other controls.
void Monkey::actOnJog(TeachingWindow* jog)
{
    QList<QPushButton*> motion;
    for (QPushButton* button : Hands::Reachable<QPushButton>(jog))
        if (IsMotionButton(button))
            motion << button;
    const int roll = random_.below(100);
    if (roll < 45 && !motion.isEmpty()) {
        QPointer<QPushButton> button = random_.pick(motion);
        const int ms = random_.chance(20) ? random_.between(20, 150) : random_.between(150, 3000);
        hold_ = Hold{QPointer<QWidget>(button.data()), jog, clock_.elapsed() + ms, dialogs_.messages()};
        perform(QStringLiteral("frmJOG: press and hold %1 for %2 ms").arg(Hands::Name(button)).arg(ms),
                [button] { Hands::Press(button); });
    } else if (roll < 88) {
        actInWindow(jog, false);
    } else if (roll < 92) {
        closeWindow(jog);
    } else {
        schedule(random_.between(100, 800));
    }
}

// While a motion button is held: it is let go when its time is up (or the pointer slides off
// it); now and then the window is closed with the button still down.
void Monkey::holdStep()
{
    if (!hold_->button || !hold_->window || QApplication::activeModalWidget() != hold_->window) {
        if (hold_->button)
            perform(QStringLiteral("release %1 (the window lost the focus)").arg(Hands::Name(hold_->button)),
                    [button = hold_->button] { Hands::Release(button); });
        hold_.reset();
        return;
    }
    if (clock_.elapsed() < hold_->until) {
        if (random_.chance(2)) {
            QPointer<TeachingWindow> jog = hold_->window;
            perform(QStringLiteral("frmJOG: close box while holding %1").arg(Hands::Name(hold_->button)), [jog] {
                if (jog)
                    jog->close();
            });
        }
        return;
    }
    const QPointer<QWidget> button = hold_->button;
    hold_.reset();
    if (random_.chance(20)) {
        perform(QStringLiteral("frmJOG: pointer leaves %1, then release").arg(Hands::Name(button)), [button] {
            if (button)
                Hands::Leave(button);
            if (button)
                Hands::Release(button);
        });
        return;
    }
    perform(QStringLiteral("frmJOG: release %1").arg(Hands::Name(button)), [button] { Hands::Release(button); });
}

}  // namespace kvt7
