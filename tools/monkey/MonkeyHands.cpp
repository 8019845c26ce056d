#include "MonkeyHands.h"

#include "Random.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>

namespace kvt7::Hands {

namespace {

QPoint Centre(QWidget* control, QPoint at)
{
    return at.isNull() ? control->rect().center() : at;
}

void SendMouse(QWidget* control, QEvent::Type type, QPoint at, Qt::MouseButtons held)
{
    if (!control)
        return;
    const QPoint local = Centre(control, at);
    QMouseEvent event(type, QPointF(local), QPointF(control->mapToGlobal(local)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(control, &event);
}

}  // namespace

QString Name(const QObject* control)
{
    if (!control)
        return QStringLiteral("(gone)");
    if (!control->objectName().isEmpty()) {
        const QVariant index = control->property("Index");
        return index.isValid() ? QStringLiteral("%1(%2)").arg(control->objectName()).arg(index.toInt())
                               : control->objectName();
    }
    QString text;
    if (auto* button = qobject_cast<const QAbstractButton*>(control))
        text = button->text();
    return QStringLiteral("%1 \"%2\"").arg(QLatin1String(control->metaObject()->className()), text);
}

void Press(QWidget* control, QPoint at)
{
    SendMouse(control, QEvent::MouseButtonPress, at, Qt::LeftButton);
}

void Release(QWidget* control, QPoint at)
{
    SendMouse(control, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

void Click(QWidget* control, QPoint at)
{
    QPointer<QWidget> alive(control);
    Press(control, at);
    if (alive)
        Release(control, at);
}

void DoubleClick(QWidget* control, QPoint at)
{
    QPointer<QWidget> alive(control);
    Click(control, at);
    if (alive)
        SendMouse(control, QEvent::MouseButtonDblClick, at, Qt::LeftButton);
    if (alive)
        Release(control, at);
}

void Leave(QWidget* control)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(control, &event);
}

void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers)
{
    if (target)
        QTest::keyClick(target, Qt::Key(key), modifiers);
}

void Type(QWidget* window, QWidget* fallbackControl, const QString& text, int endKey)
{
    const QPointer<QWidget> fallback(fallbackControl);
    const auto focused = [window, &fallback]() -> QWidget* {
        QWidget* focus = QApplication::focusWidget();
        return focus && window && focus->window() == window ? focus : fallback.data();
    };
    for (const QChar c : text) {
        QWidget* target = focused();
        if (!target)
            return;
        if (c.toLatin1() != 0) {
            QTest::keyClick(target, c.toLatin1());
            continue;
        }
        // Characters beyond Latin-1 arrive as text on a key of their own.
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QSpontaneKeyEvent::setSpontaneous(&press);
        QApplication::sendEvent(target, &press);
    }
    if (endKey != 0)
        Key(focused(), endKey);
}

void Activate(QWidget* window)
{
    if (!window || window->isActiveWindow())
        return;
    window->raise();
    window->activateWindow();
}

bool ClickCell(QAbstractItemView* view, Random& random, QString* which)
{
    QAbstractItemModel* model = view->model();
    if (!model || model->rowCount() == 0 || model->columnCount() == 0)
        return false;
    const QModelIndex index = model->index(random.below(model->rowCount()), random.below(model->columnCount()));
    view->scrollTo(index);
    const QRect cell = view->visualRect(index);
    if (!cell.isValid())
        return false;
    *which = QStringLiteral("row %1 column %2").arg(index.row() + 1).arg(index.column());
    Click(view->viewport(), cell.center());
    return true;
}

QString RandomText(Random& random)
{
    switch (random.below(12)) {
    case 0:
    case 1:
    case 2:
        return QString::number(random.between(0, 999));
    case 3:
        return QString::number(random.between(0, 99999));
    case 4:
        return QString::number(random.between(0, 99999999));
    case 5:
        return QStringLiteral("-") + QString::number(random.between(0, 500));
    case 6:
        return QStringLiteral("%1.%2").arg(random.between(0, 300)).arg(random.between(0, 99));
    case 7:
        return QString();
    case 8:
        return QStringLiteral("abc");
    case 9:
        return QString::fromUtf8("\xEF\xBC\x91\xEF\xBC\x92");  // full-width 1 2
    case 10:
        return QStringLiteral(" ,\"");
    default:
        return QString(random.between(20, 60), QLatin1Char('9'));
    }
}

int RandomEndKey(Random& random)
{
    switch (random.below(8)) {
    case 0:
    case 1:
    case 2:
    case 3:
        return Qt::Key_Return;
    case 4:
    case 5:
        return Qt::Key_Tab;
    case 6:
        return Qt::Key_Escape;
    default:
        return 0;
    }
}

}  // namespace kvt7::Hands
