#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QWidget>

namespace kvt7::test {

// The text as it is drawn: "&&" shows one "&", a single "&" marks the access key.
inline QString ShownText(const QString& text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return shown;
}

inline int WidestLine(const QFontMetrics& metrics, const QString& text)
{
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

// Every visible label, option, check box, button, frame heading and tab of the window whose
// text is wider than the room its control gives it, as "name: text (needs N, has M)".
inline QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    const auto note = [&cut](const QWidget* control, const QString& text, int needs, int has) {
        if (needs > has)
            cut << QStringLiteral("%1: \"%2\" (needs %3, has %4)")
                           .arg(control->objectName(), text)
                           .arg(needs)
                           .arg(has);
    };
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!control->isVisibleTo(&window) || control->width() <= 0)
            continue;
        const QFontMetrics metrics = control->fontMetrics();
        if (const auto* label = qobject_cast<const QLabel*>(control)) {
            if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText
                || Qt::mightBeRichText(label->text()))
                continue;
            const QString text = label->buddy() ? ShownText(label->text()) : label->text();
            const int margins = 2 * label->margin() + std::max(label->indent(), 0);
            note(label, text, WidestLine(metrics, text) + margins, label->contentsRect().width());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            if (button->text().isEmpty())
                continue;
            QStyleOptionButton option;
            option.initFrom(button);
            option.text = button->text();
            option.icon = button->icon();
            option.iconSize = button->iconSize();
            QStyle::SubElement contents = QStyle::SE_PushButtonContents;
            int extra = 0;
            if (qobject_cast<const QCheckBox*>(button))
                contents = QStyle::SE_CheckBoxContents;
            else if (qobject_cast<const QRadioButton*>(button))
                contents = QStyle::SE_RadioButtonContents;
            else if (qobject_cast<const QPushButton*>(button)) {
                extra = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            } else {
                continue;  // tool buttons show icons
            }
            const QRect room = button->style()->subElementRect(contents, &option, button);
            note(button, button->text(), WidestLine(metrics, ShownText(button->text())) + extra, room.width());
        } else if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
            if (frame->title().isEmpty())
                continue;
            QStyleOptionGroupBox option;
            option.initFrom(frame);
            option.text = frame->title();
            option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
            if (frame->isCheckable())
                option.subControls |= QStyle::SC_GroupBoxCheckBox;
            const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, frame);
            const int has = frame->width() - label.left();
            note(frame, frame->title(), metrics.horizontalAdvance(ShownText(frame->title())), has);
        } else if (const auto* tabs = qobject_cast<const QTabBar*>(control)) {
            for (int tab = 0; tab < tabs->count(); ++tab) {
                const QString text = ShownText(tabs->tabText(tab));
                const int padding = tabs->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, tabs);
                note(tabs, text, metrics.horizontalAdvance(text) + padding, tabs->tabRect(tab).width());
            }
        }
    }
    return cut;
}

}  // namespace kvt7::test
