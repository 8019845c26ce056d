#pragma once

#include "programs/ProgramContext.h"
#include "programs/ProgramFileOperations.h"

#include <QList>
#include <QWidget>
#include <functional>
#include <span>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace kvt7 {

class UndoStack;

// A button of a program window's column: its control name and caption message.
struct ProgramButton {
    const char* name;
    int caption;
};

// What the group and S/M windows share: the button column, the bracket an operation runs
// in, and the refusal of the operator's close while it runs. Modeless; the table outlives it.
class ProgramWindow : public QWidget {
    Q_OBJECT
public:
    ~ProgramWindow() override;

    bool busy() const { return busy_; }
    // The operator's close requests (title bar, Escape, close()) are refused while an
    // operation of the window runs; the program's own close is not.
    void closeByProgram();
    // Redisplays the window from the table.
    virtual void reload() = 0;

protected:
    // `print` runs the listings of the print buttons. The window is named `name` and titled
    // with message `title`; the table rows go to rowsArea(), the button column to sideArea().
    ProgramWindow(ProgramContext context, ProgramPrintCommands print, QWidget* owner, const QString& name,
                  int title);

    QWidget* rowsArea() const { return rowsArea_; }
    QWidget* sideArea() const { return sideArea_; }
    // A caption label of message `id`.
    QLabel* caption(int id, QWidget* parent) const;

    // One button for each of `buttons`, under what `column` holds already; each runs its action in the
    // bracket, except the last, which closes.
    void addButtons(QVBoxLayout* column, std::span<const ProgramButton> buttons,
                    std::span<const std::function<void()>> actions);
    // The buttons of the operations on `data`, in the order of `buttons`: read from the
    // controller, open a file, write, save, verify with the controller and with a file, print
    // the table and a file, close.
    template <typename Data>
    void addOperationButtons(QVBoxLayout* column, std::span<const ProgramButton> buttons, Data& data,
                             Outcome (*read)(ProgramContext&, Data&), Outcome (*write)(ProgramContext&, Data&),
                             ProgramVerify (*verify)(ProgramContext&, Data&))
    {
        const ProgramFiles files{context_.dialogs, context_.messages, context_.journal};
        const std::function<void()> actions[] = {
            [this, &data, read] { read(context_, data); },
            [files, &data] { OpenProgramFile(files, data); },
            [this, &data, write] { write(context_, data); },
            [files, &data] { SaveProgramFile(files, data); },
            [this, &data, verify] { verify(context_, data); },
            [files, &data] { VerifyWithFile(files, data); },
            [this] { print_.printShown(); },
            [this] { print_.printFile(); },
            [this] { close(); },
        };
        addButtons(column, buttons, actions);
    }
    // The control that picks what the rows show; it and the rows are disabled while an
    // operation runs.
    void setChooser(QWidget* chooser) { chooser_ = chooser; }
    // The box or list being edited, stored before anything else happens.
    virtual void storeFocused() = 0;
    // Ctrl+Z undoes a step of `steps`, Ctrl+Y and Ctrl+Shift+Z redo one (what is being edited
    // is stored first); not while an operation holds the program-wide lock.
    void useSteps(UndoStack& steps);

    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

    ProgramContext context_;
    ProgramPrintCommands print_;

private:
    // Disables the buttons and the edit areas, holds the main window's commands, runs.
    void run(const std::function<void()>& operation);
    void setControlsEnabled(bool enabled);

    bool busy_ = false;
    bool programClose_ = false;
    QList<QPushButton*> buttons_;
    QWidget* rowsArea_ = nullptr;
    QWidget* sideArea_ = nullptr;
    QWidget* chooser_ = nullptr;
};

}  // namespace kvt7
