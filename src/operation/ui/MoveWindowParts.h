#pragma once

#include "base/ui/LocalizeWindow.h"

#include <QLabel>
#include <QStyledItemDelegate>
#include <QString>
#include <array>
#include <initializer_list>

class QAbstractButton;
class QCheckBox;
class QGridLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
class QWidget;

namespace kvt7 {

class Dialogs;

// An output lamp: a green square shown while its output is on.
QLabel* MakeLamp(const char* name, QWidget* parent);

// The floating edit box of a selective cell: digits only; a value outside 1..999 empties
// the cell when it is left.
class SelectiveCellDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
};

// Keeps a wait box to digits and to a count of at most 32767; a refused edit beeps.
void GuardWaitBox(QLineEdit* box, Dialogs& dialogs);

// A tab page, captioned by its message id, with the grid its controls sit in.
QGridLayout* MakeTabPage(const char* name, int id);

// A slider and its up-down over the same range, showing the same number.
struct NumberPicker {
    QSlider* slider = nullptr;
    QSpinBox* updown = nullptr;
};
NumberPicker MakePicker(const char* sliderName, const char* updownName, int low, int high, int value,
                        QWidget* parent);
// Shows a number on both controls without either reporting it back.
void ShowNumber(const NumberPicker& picker, int value);

// The two option buttons of one choice, sharing a name, the first checked.
void MakeChoice(QRadioButton* (&options)[2], const char* name, int firstId, int secondId,
                QWidget* parent);

// What a run of positions repeats by: repeat, skip the S/M programs, wait between moves.
struct RunOptionBoxes {
    QCheckBox* repeat = nullptr;
    QCheckBox* noSqMcr = nullptr;
    QCheckBox* timerUse = nullptr;
    QLineEdit* timer = nullptr;
};
// The names of one tab's boxes, in the order repeat, no S/M, timer use, wait.
RunOptionBoxes MakeRunOptions(const std::array<const char*, 4>& names, QWidget* parent);

// Shows one tab's run options without the boxes reporting them back.
void ShowRunOptions(const RunOptionBoxes& boxes, bool repeat, bool smSkip, bool timerUse,
                    const QString& timerText);
// Checks the first or the second option of a choice without either reporting it.
void ShowChoice(QRadioButton* const (&options)[2], bool second);

// The start, pause and stop of one tab's run.
struct RunButtons {
    QPushButton* move = nullptr;
    QPushButton* pause = nullptr;
    QPushButton* stop = nullptr;
};
RunButtons MakeRunButtons(const char* moveName, const char* pauseName, const char* stopName,
                          QWidget* parent);

// Buttons side by side across a grid row.
void AddButtonRow(QGridLayout* grid, std::initializer_list<QPushButton*> buttons, int row,
                  int columns);

}  // namespace kvt7
