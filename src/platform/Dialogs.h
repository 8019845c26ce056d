#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace kvt7 {

enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };
enum class Icon { None, Information, Question, Warning, Critical };
enum class Answer { Ok, Cancel, Yes, No };

// A file dialog as the operations ask for it. The filter is written as the program's texts
// give it: "Position Data(*.kvd)|*.kvd|All Files(*.*)|*.*".
struct FileRequest {
    QString title;
    QString filter;
    QString defaultExtension;
    QString defaultName;
    QString initialFolder;
};

// Everything an operation shows to or asks of the operator.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box; the text is shown as given (lines joined by CR LF).
    virtual Answer message(const QString& text, Buttons buttons = Buttons::Ok,
                           Icon icon = Icon::None) = 0;
    // The same with a title of its own instead of the program's name.
    virtual Answer titledMessage(const QString& title, const QString& text, Buttons buttons,
                                 Icon icon)
    {
        (void)title;
        return message(text, buttons, icon);
    }
    // nullopt when the operator cancelled. The chosen file must exist.
    virtual std::optional<QString> openFileName(const FileRequest& request) = 0;
    // nullopt when cancelled; overwriting an existing file is confirmed in the dialog.
    virtual std::optional<QString> saveFileName(const FileRequest& request) = 0;
    // A folder to read from or write into, nullopt when cancelled. A front end without a
    // folder dialog has none to offer, which counts as a cancel.
    virtual std::optional<QString> folderName(const FileRequest& request)
    {
        (void)request;
        return std::nullopt;
    }
    // The choice window: index of the chosen option, or -1 when it was cancelled.
    virtual int choice(const QString& title, const QString& question, const QStringList& options,
                       bool noCancel) = 0;
    // A line of text the operator types (title, the label over the field), nullopt when
    // cancelled. A front end without such a window has none to offer, which counts as a cancel.
    virtual std::optional<QString> askText(const QString& title, const QString& label)
    {
        (void)title;
        (void)label;
        return std::nullopt;
    }
    virtual void beep() = 0;
    virtual void setBusyCursor(bool busy) = 0;

    // The transfer progress window ("communicating"); Cancel only when allowed.
    virtual void progressOpen(const QString& text, int maximum, bool cancelAllowed) = 0;
    virtual void progressSetText(const QString& text) = 0;
    virtual void progressSetMaximum(int maximum) = 0;
    virtual void progressSetValue(int value) = 0;
    virtual void progressClose() = 0;
    virtual bool progressCancelRequested() const = 0;

    // A data file the operator opened or saved by its name. The windowed program listens and
    // keeps it among its recent files; other front ends do not listen.
    void fileUsed(const QString& path) const
    {
        if (fileListener_)
            fileListener_(path);
    }
    void setFileListener(std::function<void(const QString&)> listener) { fileListener_ = std::move(listener); }

private:
    std::function<void(const QString&)> fileListener_;
};

// The filter of a file dialog in Qt's form: "Position Data(*.kvd) (*.kvd);;All Files(*.*) (*)".
QString QtFileFilter(const QString& programFilter);

}  // namespace kvt7
