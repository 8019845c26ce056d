#pragma once

#include "programs/EntryRules.h"

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>
#include <functional>

namespace kvt7 {

// Text that would leave a box in a state its rules do not allow (a paste, a drop) is
// refused; `refused` is told so the window can beep. Its parent is the box.
class RuleValidator final : public QValidator {
public:
    using Rule = std::function<bool(const QString& resulting)>;
    RuleValidator(Rule rule, std::function<void()> refused, QObject* parent)
        : QValidator(parent), rule_(std::move(rule)), refused_(std::move(refused))
    {
    }
    State validate(QString& input, int&) const override;

private:
    Rule rule_;
    std::function<void()> refused_;
};

// A box whose typed keys pass a rule; Enter is handed to the window instead of typed.
class RuleBox final : public QLineEdit {
    Q_OBJECT
public:
    using KeyRule = std::function<bool(const TypedKey& key, const BoxState& box)>;
    explicit RuleBox(QWidget* parent = nullptr) : QLineEdit(parent) {}
    void setKeyRule(KeyRule rule) { keyRule_ = std::move(rule); }

signals:
    void enterPressed();
    void focusEntered();
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    KeyRule keyRule_;
};

// The command list of an S/M row; Enter moves on, leaving tells the window.
class CommandList final : public QComboBox {
    Q_OBJECT
public:
    explicit CommandList(QWidget* parent = nullptr) : QComboBox(parent) {}

signals:
    void enterPressed();
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace kvt7
