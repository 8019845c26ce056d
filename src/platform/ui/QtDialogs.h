#pragma once

#include "platform/Dialogs.h"

class QWidget;

namespace kvt7 {

// Message boxes, file dialogs, the beep and the hourglass with Qt's widgets. The choice and
// progress windows are the program's own and are supplied by a subclass.
class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parentWindow = nullptr);

    void setParentWindow(QWidget* parentWindow) { parent_ = parentWindow; }
    QWidget* parentWindow() const { return parent_; }

    Answer message(const QString& text, Buttons buttons, Icon icon) override;
    Answer titledMessage(const QString& title, const QString& text, Buttons buttons,
                         Icon icon) override;
    std::optional<QString> openFileName(const FileRequest& request) override;
    std::optional<QString> saveFileName(const FileRequest& request) override;
    std::optional<QString> folderName(const FileRequest& request) override;
    std::optional<QString> askText(const QString& title, const QString& label) override;
    void beep() override;
    void setBusyCursor(bool busy) override;

    // The folder last used by a file dialog; the next dialog without a folder of its own opens there.
    QString lastFolder() const { return lastFolder_; }

private:
    // One file dialog for the three kinds of question (QFileDialog's modes as int: no
    // QFileDialog in this header).
    std::optional<QString> askForPath(const FileRequest& request, int acceptMode, int fileMode);
    QWidget* parent_;
    QString lastFolder_;
    int busyDepth_ = 0;
};

}  // namespace kvt7
